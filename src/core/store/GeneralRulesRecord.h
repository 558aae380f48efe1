#pragma once

#include "core/store/RecordCodec.h"
#include "core/store/RuleTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// The store's general rules, record 1 of tavolim.ini (1432 bytes; binary despite the name).
// PrazosGerais is class-major (generalTermIndex); BrindesGerais and PromocoesGerais are
// count-major (classByCountIndex); Feriados is indexed by holidayIndex, -1 = holiday.
// SenhaOperador holds the passwords scrambled, so its bytes may be anything; they go through
// the text codec like any field, which keeps every byte but NUL, and TamSenha gives the length.
struct GeneralRulesRecord : Record<GeneralRulesRecord, 1432> {
    static constexpr int MaxSections = 25;
    static constexpr int MaxOperators = 10;
    static constexpr int AccessRows = 24;

    std::int32_t NumeroRecibo = 0;
    bool AbreSabado = false;
    bool AbreDomingo = false;
    bool CobraSabado = false;
    bool CobraDomingo = false;
    std::array<std::int16_t, RuleTableSize> PrazosGerais{};
    std::array<std::int16_t, RuleTableSize> BrindesGerais{};
    std::array<std::int16_t, RuleTableSize> PromocoesGerais{};
    std::array<std::int16_t, HolidayTableSize> Feriados{};
    bool FeriadosOk1 = false;
    bool FeriadosOk2 = false;
    bool FeriadosOk3 = false;
    std::int16_t MesFeriados = 0;
    std::int16_t NumSecoes = 0;
    std::array<std::string, 25> Secoes{};
    std::int16_t NumOperadores = 0;
    std::array<std::string, 10> NomeOperador{};
    std::array<std::string, 10> SenhaOperador{};
    std::array<std::int16_t, 10> TamSenha{};
    std::array<std::int16_t, 10> NivelOperador{};
    std::int16_t MargemEsq = 0;
    std::int16_t LinhasAcima = 0;
    std::int16_t LinhasAbaixo = 0;
    std::int16_t SinopsesDesperdicio = 0;
    std::int16_t MemosDesperdicio = 0;
    std::int32_t MemosLivres = 0;
    std::array<std::int16_t, 24> NivelAcesso{};

    int sectionCount() const { return clampCount(NumSecoes, MaxSections); }
    int operatorCount() const { return clampCount(NumOperadores, MaxOperators); }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("NumeroRecibo", 0, r.NumeroRecibo);
        v.field("AbreSabado", 4, r.AbreSabado);
        v.field("AbreDomingo", 6, r.AbreDomingo);
        v.field("CobraSabado", 8, r.CobraSabado);
        v.field("CobraDomingo", 10, r.CobraDomingo);
        v.array("PrazosGerais", 12, r.PrazosGerais);
        v.array("BrindesGerais", 102, r.BrindesGerais);
        v.array("PromocoesGerais", 192, r.PromocoesGerais);
        v.array("Feriados", 282, r.Feriados);
        v.field("FeriadosOk1", 468, r.FeriadosOk1);
        v.field("FeriadosOk2", 470, r.FeriadosOk2);
        v.field("FeriadosOk3", 472, r.FeriadosOk3);
        v.field("MesFeriados", 474, r.MesFeriados);
        v.field("NumSecoes", 476, r.NumSecoes);
        v.textArray("Secoes", 478, 20, r.Secoes);
        v.field("NumOperadores", 978, r.NumOperadores);
        v.textArray("NomeOperador", 980, 25, r.NomeOperador);
        v.textArray("SenhaOperador", 1230, 10, r.SenhaOperador);
        v.array("TamSenha", 1330, r.TamSenha);
        v.array("NivelOperador", 1350, r.NivelOperador);
        v.field("MargemEsq", 1370, r.MargemEsq);
        v.field("LinhasAcima", 1372, r.LinhasAcima);
        v.field("LinhasAbaixo", 1374, r.LinhasAbaixo);
        v.field("SinopsesDesperdicio", 1376, r.SinopsesDesperdicio);
        v.field("MemosDesperdicio", 1378, r.MemosDesperdicio);
        v.field("MemosLivres", 1380, r.MemosLivres);
        v.array("NivelAcesso", 1384, r.NivelAcesso);
    }
};

} // namespace tavolim::core
