#pragma once

#include "core/store/RecordCodec.h"
#include "core/store/RuleTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// A media type, record of DadosMid.tvl (297 bytes; at most 50). Its three tables are
// count-major (classByCountIndex) and come in the order terms, freebies, promotions.
struct MediaRecord : Record<MediaRecord, 297> {
    static constexpr int MaxMedia = 50;

    std::int16_t Codigo = 0;
    std::string Nome;
    std::array<std::int16_t, RuleTableSize> Prazos{};
    std::array<std::int16_t, RuleTableSize> Brindes{};
    std::array<std::int16_t, RuleTableSize> Promocoes{};

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Nome", 2, 25, r.Nome);
        v.array("Prazos", 27, r.Prazos);
        v.array("Brindes", 117, r.Brindes);
        v.array("Promocoes", 207, r.Promocoes);
    }
};

} // namespace tavolim::core
