#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <array>
#include <cstdint>

namespace tavolim::core {

// A person's history is a ring of 99 entries in parallel arrays indexed 1..100 (index 0
// here is slot 1). Entries use slots 2..100; slot 1 of one designated array holds the slot
// of the newest entry (0 while empty). An entry whose tape or product is 0 is empty.
inline constexpr int HistoryFirstSlot = 2;
inline constexpr int HistoryLastSlot = 100;

// The last 99 tapes a person rented, record of HistFita.tvl (600 bytes). RegLivro(slot)
// is the tape-book record of that rental; RegLivro(1) is the newest slot.
struct TapeHistoryRecord : Record<TapeHistoryRecord, 600> {
    std::array<std::int16_t, 100> Fita{};
    std::array<std::int32_t, 100> RegLivro{};

    int newestSlot() const { return RegLivro[0]; }
    void setNewestSlot(int slot) { RegLivro[0] = slot; }
    bool isUsed(int slot) const { return Fita[static_cast<std::size_t>(slot - 1)] != 0; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.array("Fita", 0, r.Fita);
        v.array("RegLivro", 200, r.RegLivro);
    }
};

// The last 99 product lines a person bought, record of HistProd.tvl (1200 bytes).
// Produto(1) is the newest slot; Valor is the unit price.
struct ProductHistoryRecord : Record<ProductHistoryRecord, 1200> {
    std::array<std::int32_t, 100> Data{};
    std::array<std::int16_t, 100> Produto{};
    std::array<std::int16_t, 100> Qtd{};
    std::array<Money, 100> Valor{};

    int newestSlot() const { return Produto[0]; }
    void setNewestSlot(int slot) { Produto[0] = static_cast<std::int16_t>(slot); }
    bool isUsed(int slot) const { return Produto[static_cast<std::size_t>(slot - 1)] != 0; }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.array("Data", 0, r.Data);
        v.array("Produto", 400, r.Produto);
        v.array("Qtd", 600, r.Qtd);
        v.array("Valor", 800, r.Valor);
    }
};

} // namespace tavolim::core
