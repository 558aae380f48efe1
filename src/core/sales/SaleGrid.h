#pragma once

#include "core/registers/RecordSearch.h"
#include "core/store/Money.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
struct ProductRecord;

// Visible columns of the sale grid FlexGrid1 of both sale windows.
inline const std::array<std::string, 6> kSaleColumns = {"N°",    "Código", "Nome",
                                                        "Unit.", "Qtde.",  "Preço"};
enum class SaleColumn { Numero = 0, Codigo, Nome, Unit, Qtde, Preco };

// One product of a sale. A freebie (client sales only) keeps its unit price for the receipt
// but counts as 0.
struct SaleLine {
    std::int16_t product = 0;
    std::string barcode;     // CodigoBarras
    std::string description; // Descricao
    Money unitPrice;
    std::int16_t quantity = 1;
    bool freebie = false;

    Money total() const { return freebie ? Money() : unitPrice * quantity; }
    // What the sales book and the product history keep as the unit price.
    Money chargedPrice() const { return freebie ? Money() : unitPrice; }
};

enum class SaleKind {
    WalkIn, // frmVendas
    Client, // frmVendasCli: freebies, and its own text for a blank cell
};

// The product boxes, the grid and the surcharge and discount of a sale window: everything both
// sale windows share before the payment. Nothing here is written; the stock is only read for
// the stock question.
//
// Prices are 0 to R$ 99.999,99 (the product register's bounds), quantities 1 to 32767 (an Int
// in the sales book). A cell edit the rules refuse is told and leaves the cell as it was; a line
// can still be invalid when its product is priced 0, which confirming refuses.
class SaleGrid {
public:
    static constexpr int MaxQuantity = 32767;

    SaleGrid(AppState& state, SaleKind kind);

    SaleKind kind() const { return m_kind; }

    // The product boxes, copied in and out by the window.
    std::string txtCodProd;
    std::string txtNome;

    enum class AddOutcome {
        Added,    // the line is in, or has one more; txtCodProd is emptied, txtNome shows it
        NotAdded, // refused with a message, or given up
        BadCode,  // the code was refused: it is selected again
        Empty,    // nothing new typed: the window goes on to the payment
    };
    // cmdAdicionar, or Enter in a product box: looks the product up and adds it.
    AddOutcome add(const ListChooser& choose);
    // Adds the product: a new line of quantity 1, or one more on its line. The stock question is
    // asked when the stock is 0 or less for a new line, or below the new quantity. False when
    // nothing changed.
    bool addProduct(std::int16_t code);
    // Index of the line the last add made or changed.
    std::size_t lastLine() const { return m_lastLine; }
    // cmdRemover.
    void removeLine(std::size_t row);

    // Access rows 20 (product prices), 23 (freebies) and 24 (surcharge and discount).
    bool mayEditPrice() const;
    bool mayMarkFreebie() const;
    bool mayChangeAmount() const;

    // "Unit." with access row 20 (not on a freebie) and "Qtde.".
    bool cellEditable(std::size_t row, SaleColumn column) const;
    // txtT left: true when the text was taken; otherwise the operator was told why.
    bool editCell(std::size_t row, SaleColumn column, std::string_view text);
    // cmdBrinde (client sales): marks or unmarks the whole line.
    bool toggleFreebie(std::size_t row);
    // cmdAcrescimo / cmdDesconto: the value prompt titled "Acréscimo" / "Desconto". A cancelled
    // prompt changes nothing, an empty one clears.
    void askSurcharge();
    void askDiscount();

    const std::vector<SaleLine>& lines() const { return m_lines; }
    std::size_t rowCount() const { return m_lines.size(); }
    std::array<std::string, 6> rowTexts(std::size_t row) const;

    Money linesTotal() const;
    Money surcharge() const { return m_surcharge; }
    Money discount() const { return m_discount; }
    // Lines + surcharge - discount.
    Money total() const { return linesTotal() + m_surcharge - m_discount; }
    // Units of every line, freebies included.
    int items() const;
    // "1 Produto / Total = R$ 1,50", the units counted; empty without lines.
    std::string caption() const;

    // Every line has a price and a quantity (a freebie needs no price); else the operator is
    // told and false comes back.
    bool linesValid() const;

private:
    bool stockAllows(const ProductRecord& product, int quantity) const;
    // After lines or amounts changed: a discount above what is due is cancelled, told.
    void amountsChanged();
    void tellBlank(bool zero) const;

    AppState& m_state;
    SaleKind m_kind;
    std::vector<SaleLine> m_lines;
    Money m_surcharge;
    Money m_discount;
    std::size_t m_lastLine = 0;
    std::string m_shownName;
};

// The stock as the operator reads it: whole numbers plainly, a fraction with a decimal comma.
std::string stockText(float stock);

inline constexpr const char* kDiscountTooLarge =
    "O desconto não pode ser maior do que o valor devido.";
inline constexpr const char* kDiscountCancelled =
    "O desconto foi anulado com esta operação por ser maior do que o valor devido.";
inline constexpr const char* kBlankWalkInCells =
    "Os itens Preço Unitário e Quantidade não podem ficar em branco ou possuir valor nulo.";
inline constexpr const char* kBlankClientCells =
    "Os itens Preço Unitário e Quantidade não podem ficar em branco.";

} // namespace tavolim::core
