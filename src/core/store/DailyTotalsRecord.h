#pragma once

#include "core/store/Money.h"
#include "core/store/RecordCodec.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace tavolim::core {

// The day's counters and money totals, record of Caixa.tvl (50 bytes); the process-wide
// CaixaDia is the current day's copy. Record 1 is the header: its base date is kept as
// plain numbers in FitasLocadas (day), FitasDevolvidas (month) and NumVendas (year), and
// record (day - base) + 2 is that day's.
struct DailyTotalsRecord : Record<DailyTotalsRecord, 50> {
    std::int16_t NumLocacoes = 0;
    std::int16_t NumDevolucoes = 0;
    std::int16_t FitasLocadas = 0;
    std::int16_t FitasDevolvidas = 0;
    std::int16_t NumVendas = 0;
    std::int32_t ItensVendidos = 0;
    Money LocPago;
    Money LocHaver;
    Money DevPago;
    Money VendaPago;
    Money VendaHaver;
    Money Pagamentos;
    Money Creditos;
    Money Debitos;
    Money Entrada;

    static DailyTotalsRecord header(std::chrono::year_month_day base)
    {
        DailyTotalsRecord h;
        h.FitasLocadas = static_cast<std::int16_t>(static_cast<unsigned>(base.day()));
        h.FitasDevolvidas = static_cast<std::int16_t>(static_cast<unsigned>(base.month()));
        h.NumVendas = static_cast<std::int16_t>(static_cast<int>(base.year()));
        return h;
    }

    // The base date of a header record; nullopt when the numbers are not a date.
    std::optional<std::chrono::year_month_day> headerDate() const
    {
        // Checked before chrono sees them: it keeps a day or month in one byte (257 is 1).
        if (FitasLocadas < 1 || FitasLocadas > 31 || FitasDevolvidas < 1 || FitasDevolvidas > 12 ||
            NumVendas < 100) {
            return std::nullopt;
        }
        const std::chrono::year_month_day d{
            std::chrono::year{NumVendas},
            std::chrono::month{static_cast<unsigned>(FitasDevolvidas)},
            std::chrono::day{static_cast<unsigned>(FitasLocadas)}};
        return d.ok() ? std::optional(d) : std::nullopt;
    }

    // Equal when they would be stored alike.
    bool operator==(const DailyTotalsRecord& other) const { return encoded() == other.encoded(); }

    template <class Self, class V>
    static void fields(Self& r, V& v)
    {
        v.field("NumLocacoes", 0, r.NumLocacoes);
        v.field("NumDevolucoes", 2, r.NumDevolucoes);
        v.field("FitasLocadas", 4, r.FitasLocadas);
        v.field("FitasDevolvidas", 6, r.FitasDevolvidas);
        v.field("NumVendas", 8, r.NumVendas);
        v.field("ItensVendidos", 10, r.ItensVendidos);
        v.field("LocPago", 14, r.LocPago);
        v.field("LocHaver", 18, r.LocHaver);
        v.field("DevPago", 22, r.DevPago);
        v.field("VendaPago", 26, r.VendaPago);
        v.field("VendaHaver", 30, r.VendaHaver);
        v.field("Pagamentos", 34, r.Pagamentos);
        v.field("Creditos", 38, r.Creditos);
        v.field("Debitos", 42, r.Debitos);
        v.field("Entrada", 46, r.Entrada);
    }
};

} // namespace tavolim::core
