#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

// What frmConfigRec edits. Texts are UTF-8 with CR LF line breaks.
struct ReceiptSettings {
    bool CabAuto = false;
    std::string Cabecalho;
    std::array<std::string, 4> mensagens; // ObsLoc, ObsDev, ObsPag, ObsCred
    bool Desacent = false;
    int NumViasRec = 0;
    bool MostraHorasRec = false;
    int MargemEsq = 0;
    int LinhasAcima = 0;
    int LinhasAbaixo = 0;
    std::string FonteImp;
    int TamFonte = 0;
    int NCol = 40;
    std::string CmdImpAntes;
    std::string CmdImpDepois;
    bool ImpDireto = false;
    std::string PortaImp;

    bool operator==(const ReceiptSettings&) const = default;
};

// The receipt kinds of cboNota, in the order of ReceiptSettings::mensagens.
inline constexpr std::array<std::string_view, 4> kReceiptKinds = {
    "Locações", "Devoluções", "Pagamento/Vendas", "Crédito/Débito"};

// The model of frmConfigRec: loads the settings, refuses lines wider than the receipt,
// advises on the fiscal type, checks the font and saves every setting where it lives (the
// margins and blank lines in the general rules record, the rest in the options stores).
class ReceiptSettingsForm {
public:
    using FontExists = std::function<bool(const std::string&)>;

    explicit ReceiptSettingsForm(AppState& state);

    ReceiptSettings values;

    bool changed() const { return values != m_saved; }
    int width() const;

    // A header or message text as typed; false (after telling the operator) when a line is
    // longer than the receipt, and the typing is to be undone.
    bool acceptText(std::string_view text);
    // optImpFiscal chosen by the operator.
    void chooseFiscal();
    // OK: refuses a font the printer lacks (empty = the printer's default), then saves.
    bool save(const FontExists& fontExists);
    // Closing: true when the window may close; with changes asks whether to save them.
    bool mayClose(const FontExists& fontExists);

private:
    AppState& m_state;
    ReceiptSettings m_saved;
};

} // namespace tavolim::core
