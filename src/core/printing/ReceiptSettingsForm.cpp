#include "core/printing/ReceiptSettingsForm.h"

#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

constexpr std::array<std::string Options::*, 4> kMessageKeys = {
    &Options::ObsLoc, &Options::ObsDev, &Options::ObsPag, &Options::ObsCred};

std::int16_t toInt16(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, 0, 32767));
}

} // namespace

ReceiptSettingsForm::ReceiptSettingsForm(AppState& state) : m_state(state)
{
    const Options& o = state.options();
    const auto& rules = state.records().rules();
    ReceiptSettings& v = m_saved;
    v.CabAuto = o.CabAuto;
    v.Cabecalho = o.Cabecalho;
    for (std::size_t i = 0; i < kMessageKeys.size(); ++i) {
        v.mensagens[i] = o.*kMessageKeys[i];
    }
    v.Desacent = o.Desacent;
    v.NumViasRec = o.NumViasRec;
    v.MostraHorasRec = o.MostraHorasRec;
    v.MargemEsq = rules.MargemEsq;
    v.LinhasAcima = rules.LinhasAcima;
    v.LinhasAbaixo = rules.LinhasAbaixo;
    v.FonteImp = o.FonteImp;
    v.TamFonte = o.TamFonte;
    v.NCol = receiptWidth(o.NCol);
    v.CmdImpAntes = o.CmdImpAntes;
    v.CmdImpDepois = o.CmdImpDepois;
    v.ImpDireto = o.ImpDireto;
    v.PortaImp = o.PortaImp;
    values = m_saved;
}

int ReceiptSettingsForm::width() const
{
    return receiptWidth(values.NCol);
}

bool ReceiptSettingsForm::acceptText(std::string_view text)
{
    if (linesFit(text, width())) {
        return true;
    }
    m_state.ports().dialogs.message("O número máximo de caracteres por linha é " +
                                        std::to_string(width()) + ".",
                                    msg::Exclamation);
    return false;
}

void ReceiptSettingsForm::chooseFiscal()
{
    values.NCol = 40;
    m_state.ports().dialogs.message(
        "É aconselhável rever o tamanho das mensagens dos recibos assim como o alinhamento.",
        msg::Information);
}

bool ReceiptSettingsForm::save(const FontExists& fontExists)
{
    const std::string font = trim(values.FonteImp);
    if (!font.empty() && !fontExists(font)) {
        m_state.ports().dialogs.message("A fonte selecionada não existe.", msg::Critical, "Erro");
        return false;
    }
    values.FonteImp = font;
    values.NCol = width();

    Options& o = m_state.options();
    o.CabAuto = values.CabAuto;
    o.Cabecalho = values.Cabecalho;
    for (std::size_t i = 0; i < kMessageKeys.size(); ++i) {
        o.*kMessageKeys[i] = values.mensagens[i];
    }
    o.Desacent = values.Desacent;
    o.NumViasRec = toInt16(values.NumViasRec);
    o.MostraHorasRec = values.MostraHorasRec;
    o.FonteImp = values.FonteImp;
    o.TamFonte = toInt16(values.TamFonte);
    o.NCol = toInt16(values.NCol);
    o.CmdImpAntes = trim(values.CmdImpAntes);
    o.CmdImpDepois = trim(values.CmdImpDepois);
    o.ImpDireto = values.ImpDireto;
    o.PortaImp = trim(values.PortaImp);
    rebuildCommandBytes(o);
    saveRegistryOptions(o, m_state.ports().settings);
    saveConfigOptions(o, m_state.config());

    auto& rules = m_state.records().rules();
    rules.MargemEsq = toInt16(values.MargemEsq);
    rules.LinhasAcima = toInt16(values.LinhasAcima);
    rules.LinhasAbaixo = toInt16(values.LinhasAbaixo);
    m_state.saveRules();

    m_saved = values;
    return true;
}

bool ReceiptSettingsForm::mayClose(const FontExists& fontExists)
{
    if (!changed()) {
        return true;
    }
    switch (m_state.ports().dialogs.message("Deseja salvar as alterações ?",
                                            msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes:
        return save(fontExists);
    case msg::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tavolim::core
