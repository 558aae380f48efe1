#pragma once

#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace tavolim::core::cashtest {

// Caixa.tvl from 20/12/2023 to 10/02/2025, each day's figures made from its date, so a
// bucket can be summed by hand: rentals paid = the day of the month in reais plus 0,25 on
// account; sales paid = the month in reais plus 0,10 on account; 2,00 taken in; tapes
// rented = the weekday's number (Sunday 1 .. Saturday 7).
inline const std::chrono::year_month_day kBase =
    std::chrono::year{2023} / std::chrono::December / 20;
inline const std::chrono::year_month_day kLast =
    std::chrono::year{2025} / std::chrono::February / 10;

inline DailyTotalsRecord dayFigures(std::chrono::year_month_day d)
{
    using namespace std::chrono;
    DailyTotalsRecord r;
    r.LocPago = Money::fromCents(100 * static_cast<unsigned>(d.day()));
    r.LocHaver = Money::fromCents(25);
    r.VendaPago = Money::fromCents(100 * static_cast<unsigned>(d.month()));
    r.VendaHaver = Money::fromCents(10);
    r.Entrada = Money::fromCents(200);
    r.FitasLocadas = static_cast<std::int16_t>(weekday(sys_days(d)).c_encoding() + 1);
    return r;
}

// A store whose business day is the last day of that file.
class CashGraphFixture : public ::testing::Test, protected test::InstalledStore {
protected:
    CashGraphFixture() : InstalledStore(kLast)
    {
        using namespace std::chrono;
        state.DataDia = clock.date;
        std::vector<std::uint8_t> bytes = DailyTotalsRecord::header(kBase).encoded();
        for (sys_days d = sys_days(kBase); d <= sys_days(kLast); d += days{1}) {
            const auto r = dayFigures(year_month_day(d)).encoded();
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        EXPECT_TRUE(binaryfile::writeNew(folder.file("Caixa.tvl"), bytes));
    }
};

} // namespace tavolim::core::cashtest
