#pragma once

#include "core/registers/RecordSearch.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;

// Visible columns of the stock-entry grid FlexGrid1.
inline const std::array<std::string, 4> kStockColumns = {"N°", "Código", "Descrição", "Estoque"};
enum class StockColumn { Numero = 0, Codigo, Descricao, Estoque };

// A product listed in the stock entry: its stock when it was listed and the units entered for
// it since, so that before + entered = the stock now, on screen, on disk and on the note.
struct StockLine {
    std::int16_t product = 0;
    std::string barcode;
    std::string description;
    float before = 0; // Estoque when listed
    int entered = 0;  // units entered since; may be below 0 after a count typed in the grid

    float now() const { return before + static_cast<float>(entered); }
};

// The stock entry (frmEstoque): goods received are entered product by product and each entry
// is written at once (as its own operation), so closing the window keeps them.
//
// Every line's entry is one number: a second entry on a line replaces the first (the stock
// moves by the difference), a stock typed in the grid becomes the entry that reaches it, and
// removing a line undoes its entry after asking. So the product file always holds the stock
// before plus the entries listed, and the note explains every unit. Stocks and both counters
// are 16-bit: an entry that would take the product's stock, or the units entered, past 32767
// (or below -32768) is refused before anything is written.
class StockEntryModel {
public:
    static constexpr int MaxUnits = 32767;

    explicit StockEntryModel(AppState& state);

    ListChooser chooseProduct;

    // Control values, copied in and out by the window.
    bool optCodBarras = true; // else optNome: txtCodProd holds a name
    std::string txtCodProd;
    std::string txtEntrada;

    // cmdProcurar: lists the product typed; true when a line was added (it is the last).
    bool find();

    enum class EntryOutcome {
        Written, // the product was written; txtEntrada is emptied
        Nothing, // no line, or no entry typed (0 included): nothing changed
        Refused, // told why; nothing was written
    };
    // cmdAdicionar, or leaving txtEntrada: the entry typed, on line `row`.
    EntryOutcome enter(std::size_t row);
    // A stock typed in the "Estoque" cell: the entry that brings the line there.
    EntryOutcome editStock(std::size_t row, std::string_view text);
    // cmdRemover: a line with an entry has it undone (asked first); true when the line went.
    bool remove(std::size_t row);

    const std::vector<StockLine>& lines() const { return m_lines; }
    std::array<std::string, 4> rowTexts(std::size_t row) const;
    // Units entered over every line.
    int units() const { return m_units; }
    // lblDados: "10 Produtos Adicionados / 1 Categoria".
    std::string lblDados() const;

    // cmdImprimir: the stock-entry note, through the receipt printer. False when nothing was
    // printed (no line, or the printer failed and said so).
    bool printNote();
    // The note as it prints now.
    std::string noteText();

private:
    // Moves line `row` to `entered` units: writes the product's stock by the difference.
    EntryOutcome setEntry(std::size_t row, int entered);

    AppState& m_state;
    std::vector<StockLine> m_lines;
    int m_units = 0;
};

inline constexpr const char* kAlreadyListed = "O produto já esta na lista.";
inline constexpr const char* kBlankStock = "O item 'Estoque' não pode ficar em branco.";

} // namespace tavolim::core
