#pragma once

#include "core/store/RecordCodec.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavolim::core {

// A cast member or director, record of DadosAto.tvl (174 bytes). Fitas lists the tapes this
// person appears in; each of those tapes lists the actor back in its Atores.
struct ActorRecord : Record<ActorRecord, 174> {
    static constexpr int MaxTapes = 70;

    std::int16_t Codigo = 0;
    std::string Nome;
    std::int16_t NumFitas = 0;
    std::array<std::int16_t, 70> Fitas{};

    int tapeCount() const { return clampCount(NumFitas, MaxTapes); }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("Codigo", 0, r.Codigo);
        v.text("Nome", 2, 30, r.Nome);
        v.field("NumFitas", 32, r.NumFitas);
        v.array("Fitas", 34, r.Fitas);
    }
};

} // namespace tavolim::core
