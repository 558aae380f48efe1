#pragma once

#include "core/books/BookRecords.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/TextHelpers.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavolim::bench {

// Writes a year of books straight into the files, as a busy store's counter would have:
// `perDay` rentals a day by clients 1..clients of tapes 1..tapes, each back two days later
// after two periods (those of the last two days still out), `salesPerDay` product lines a
// day, and the daily totals. The books' first day is `first`; the last day held is
// first + days - 1. Deterministic for the same arguments.
inline void writeSampleBooks(const std::filesystem::path& folder, std::chrono::year_month_day first,
                             int days, int perDay, int salesPerDay, int clients, int tapes,
                             int products)
{
    using namespace tavolim::core;
    using Bytes = std::vector<std::uint8_t>;
    const auto append = [](Bytes& out, const auto& record) {
        const auto bytes = record.encoded();
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
    const auto dayOf = [&](int d) {
        return std::chrono::year_month_day(std::chrono::sys_days(first) + std::chrono::days(d));
    };
    PositionRecord header;
    header.PrimeiroReg = fromYmd(first);
    Bytes rentals, rentalDays, log, logDays, sales, salesDays, totals;
    append(rentalDays, header);
    append(logDays, header);
    append(salesDays, header);
    append(totals, DailyTotalsRecord::header(first));

    std::uint32_t seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    for (int d = 0; d < days; ++d) {
        PositionRecord day;
        day.PrimeiroReg = static_cast<std::int32_t>(rentals.size() / TapeBookRecord::Size) + 1;
        day.QtdRegs = static_cast<std::int16_t>(perDay);
        append(rentalDays, day);
        for (int i = 0; i < perDay; ++i) {
            TapeBookRecord r;
            r.Fita = static_cast<std::int16_t>(1 + next(tapes));
            r.Cliente = static_cast<std::int16_t>(1 + next(clients));
            r.DataLoc = fromYmd(dayOf(d));
            r.Valor = Money::fromCents(250 + 50 * next(3));
            if (d + 2 < days) {
                r.DataDev = fromYmd(dayOf(d + 2));
                r.QtdDiarias = 2;
                r.ValorDev = r.Valor * 2;
            }
            append(rentals, r);
        }
        // What comes back today went out two days ago.
        PositionRecord back;
        back.PrimeiroReg = static_cast<std::int32_t>(log.size() / ReturnedTapeRecord::Size) + 1;
        if (d >= 2) {
            back.QtdRegs = static_cast<std::int16_t>(perDay);
            for (int i = 0; i < perDay; ++i) {
                ReturnedTapeRecord entry;
                entry.setBookRecord((d - 2) * perDay + i + 1);
                append(log, entry);
            }
        }
        append(logDays, back);
        PositionRecord sold;
        sold.PrimeiroReg = static_cast<std::int32_t>(sales.size() / SaleBookRecord::Size) + 1;
        sold.QtdRegs = static_cast<std::int16_t>(salesPerDay);
        append(salesDays, sold);
        std::int32_t items = 0;
        for (int i = 0; i < salesPerDay; ++i) {
            SaleBookRecord s;
            s.Data = fromYmd(dayOf(d));
            s.Produto = static_cast<std::int16_t>(1 + next(products));
            s.Qtd = static_cast<std::int16_t>(1 + next(3));
            s.PrecoUnit = Money::fromCents(150 + 100 * next(5));
            items += s.Qtd;
            append(sales, s);
        }
        DailyTotalsRecord t;
        t.NumLocacoes = static_cast<std::int16_t>(perDay / 2);
        t.FitasLocadas = static_cast<std::int16_t>(perDay);
        t.NumDevolucoes = static_cast<std::int16_t>(perDay / 2);
        t.FitasDevolvidas = static_cast<std::int16_t>(perDay);
        t.NumVendas = static_cast<std::int16_t>(salesPerDay / 2);
        t.ItensVendidos = items;
        t.LocPago = Money::fromCents(275 * perDay);
        t.DevPago = Money::fromCents(120 * perDay);
        t.VendaPago = Money::fromCents(300 * salesPerDay);
        t.Entrada = t.LocPago + t.DevPago + t.VendaPago;
        append(totals, t);
    }
    binaryfile::writeNew(folder / "LivroFts.tvl", rentals);
    binaryfile::writeNew(folder / "PosLivFt.tvl", rentalDays);
    binaryfile::writeNew(folder / "FitasDev.tvl", log);
    binaryfile::writeNew(folder / "PosFtDev.tvl", logDays);
    binaryfile::writeNew(folder / "LivroCx.tvl", sales);
    binaryfile::writeNew(folder / "PosLivCx.tvl", salesDays);
    binaryfile::writeNew(folder / "Caixa.tvl", totals);
}

} // namespace tavolim::bench
