#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"
#include "core/store/RuleTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// A label (pricing class of tapes), record of FitaSelo.tvl (487 bytes). Its tables are
// count-major (classByCountIndex) and, unlike the media's, come in the order terms,
// promotions, freebies. TempoMulta 0 means the label has no fine; UnidadeMulta 1 = days,
// 2 = hours.
struct LabelRecord : Record<LabelRecord, 487> {
    static constexpr std::int16_t FineInDays = 1;
    static constexpr std::int16_t FineInHours = 2;

    std::int16_t Codigo = 0;
    std::string Nome;
    std::int16_t NumMaxDias = 0;
    std::array<Money, RuleTableSize> Diarias{};
    std::array<std::int16_t, RuleTableSize> Prazos{};
    std::array<std::int16_t, RuleTableSize> Promocoes{};
    std::array<std::int16_t, RuleTableSize> Brindes{};
    std::int16_t TempoMulta = 0;
    std::int16_t UnidadeMulta = 0;
    Money ValorMulta;

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Nome", 2, 25, r.Nome);
        v.field("NumMaxDias", 27, r.NumMaxDias);
        v.array("Diarias", 29, r.Diarias);
        v.array("Prazos", 209, r.Prazos);
        v.array("Promocoes", 299, r.Promocoes);
        v.array("Brindes", 389, r.Brindes);
        v.field("TempoMulta", 479, r.TempoMulta);
        v.field("UnidadeMulta", 481, r.UnidadeMulta);
        v.field("ValorMulta", 483, r.ValorMulta);
    }
};

} // namespace tavolim::core
