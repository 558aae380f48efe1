#include "core/rules/RulesSettings.h"

#include "core/rules/TapeCharge.h"
#include "core/rules/Terms.h"
#include "core/state/Options.h"
#include "core/store/ConfigFile.h"

#include <string>

namespace tavolim::core {

RulesSettings RulesSettings::of(const Options& o)
{
    RulesSettings s;
    s.TipoPrazo = static_cast<int>(termCounting(o.TipoPrazo));
    s.TipoCobraAtraso = static_cast<int>(lateCharging(o.TipoCobraAtraso));
    s.CobrarMulta = o.CobrarMulta;
    s.BrindeAuto = o.BrindeAuto;
    s.ContaBrindeDiaria = o.ContaBrindeDiaria;
    s.ContaBrindePrazo = o.ContaBrindePrazo;
    s.ContaBrindeMsg = o.ContaBrindeMsg;
    return s;
}

void RulesSettings::applyTo(Options& o) const
{
    o.TipoPrazo = static_cast<std::int16_t>(TipoPrazo);
    o.TipoCobraAtraso = static_cast<std::int16_t>(TipoCobraAtraso);
    o.CobrarMulta = CobrarMulta;
    o.BrindeAuto = BrindeAuto;
    o.ContaBrindeDiaria = ContaBrindeDiaria;
    o.ContaBrindePrazo = ContaBrindePrazo;
    o.ContaBrindeMsg = ContaBrindeMsg;
}

bool RulesSettings::write(ConfigFile& config) const
{
    const std::pair<const char*, std::string> keys[] = {
        {"BrindeAuto", boolText(BrindeAuto)},
        {"TipoPrazo", std::to_string(TipoPrazo)},
        {"ContaBrindeDiaria", boolText(ContaBrindeDiaria)},
        {"ContaBrindePrazo", boolText(ContaBrindePrazo)},
        {"ContaBrindeMsg", boolText(ContaBrindeMsg)},
        {"TipoCobraAtraso", std::to_string(TipoCobraAtraso)},
        {"CobrarMulta", boolText(CobrarMulta)},
    };
    bool ok = true;
    for (const auto& [key, value] : keys) {
        ok = config.writeConfig(key, value) && ok;
    }
    return ok;
}

} // namespace tavolim::core
