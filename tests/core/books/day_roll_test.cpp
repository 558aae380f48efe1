#include "core/books/DailyTotalsFile.h"
#include "core/books/DayRoll.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/store/TextHelpers.h"

#include "BookFixture.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using booktest::dayOf;

class DayRollTest : public booktest::BookFixture {
protected:
    std::int32_t history = 0;
};

TEST_F(DayRollTest, StartingThreeDaysAfterTheLastDayHeldAddsTwoEmptyDaysAndToday)
{
    const RentedTape rented[] = {{5, Money::fromCents(300)}, {6, Money::fromCents(300)}};
    appendRentals(state, rented, 1, -1, history);
    const SoldLine sold[] = {{2, 1, Money::fromCents(150)}};
    appendSales(state, sold);
    const auto caixaBefore = DailyTotalsFile(folder.path()).recordCount();

    advanceTo(dayOf(2026, 3, 13));

    struct Expected {
        const char* file;
        std::int32_t next;
    };
    for (const auto& e :
         {Expected{"PosLivFt.tvl", 3}, Expected{"PosFtDev.tvl", 1}, Expected{"PosLivCx.tvl", 2}}) {
        SCOPED_TRACE(e.file);
        const auto days = readAll<PositionRecord>(e.file);
        ASSERT_EQ(days.size(), 5u); // header, the 10th, 11th, 12th and 13th
        for (const std::size_t empty : {2u, 3u}) {
            EXPECT_EQ(days[empty].PrimeiroReg, 0);
            EXPECT_EQ(days[empty].QtdRegs, 0);
        }
        EXPECT_EQ(days[4].PrimeiroReg, e.next);
        EXPECT_EQ(days[4].QtdRegs, 0);
    }
    const auto caixa = readAll<DailyTotalsRecord>("Caixa.tvl");
    ASSERT_EQ(static_cast<std::int32_t>(caixa.size()), caixaBefore + 3);
    for (std::size_t i = caixa.size() - 3; i < caixa.size(); ++i) {
        EXPECT_EQ(caixa[i], DailyTotalsRecord{});
    }
    EXPECT_EQ(state.CaixaDia, DailyTotalsRecord{});
}

TEST_F(DayRollTest, RollingADayAlreadyHeldWritesNothingButGivesAnEmptyRecordItsFirstNumber)
{
    const RentedTape rented[] = {{5, Money::fromCents(300)}};
    appendRentals(state, rented, 1, -1, history);
    const PositionFile sales(folder.path(), Book::Sales);
    sales.write(2, PositionRecord{}); // today's record as a cut left it
    const auto rentalsSize = binaryfile::size(folder.file("PosLivFt.tvl"));

    const auto rentalsOutcome = rollTapePositions(state);
    const auto salesOutcome = rollSalesPositions(state);

    EXPECT_EQ(rentalsOutcome, RollOutcome::UpToDate);
    EXPECT_EQ(binaryfile::size(folder.file("PosLivFt.tvl")), rentalsSize);
    EXPECT_EQ(readAll<PositionRecord>("PosLivFt.tvl")[1].QtdRegs, 1);
    EXPECT_EQ(salesOutcome, RollOutcome::Rolled);
    EXPECT_EQ(sales.read(2).PrimeiroReg, 1);
}

TEST_F(DayRollTest, AMissingOrUnreadableHeaderIsRebuiltWithoutOverwritingDays)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> fileBytes;
        std::chrono::year_month_day firstDay;
        std::size_t records;
    };
    const std::vector<std::uint8_t> garbageAndThreeDays(24, 0xFF);
    const std::vector<Case> cases = {
        {"missing", {}, dayOf(2026, 3, 10), 2},
        {"header not a date, three days", garbageAndThreeDays, dayOf(2026, 3, 7), 5},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("PosLivCx.tvl"));
        if (!c.fileBytes.empty()) {
            binaryfile::writeAt(folder.file("PosLivCx.tvl"), 0, c.fileBytes);
        }

        const auto outcome = rollSalesPositions(state);
        const PositionFile sales(folder.path(), Book::Sales);

        EXPECT_EQ(outcome, RollOutcome::Rolled);
        EXPECT_EQ(sales.firstDay(), c.firstDay);
        EXPECT_EQ(static_cast<std::size_t>(sales.recordCount()), c.records);
        EXPECT_EQ(sales.read(sales.recordCount()).PrimeiroReg, 1);
    }
}

TEST_F(DayRollTest, CaixaDiaIsSavedToAndLoadedFromTheCurrentDaysRecord)
{
    advanceTo(dayOf(2026, 3, 12));
    state.CaixaDia.NumLocacoes = 2;
    state.CaixaDia.LocPago = Money::fromCents(1250);
    state.CaixaDia.Entrada = Money::fromCents(1250);

    ASSERT_TRUE(saveCaixaDia(state));
    state.CaixaDia = DailyTotalsRecord{};
    loadCaixaDia(state);
    const auto caixa = readAll<DailyTotalsRecord>("Caixa.tvl");

    ASSERT_EQ(caixa.size(), 4u); // header, 10th, 11th, 12th
    EXPECT_EQ(caixa[3].NumLocacoes, 2);
    EXPECT_EQ(caixa[2], DailyTotalsRecord{});
    EXPECT_EQ(state.CaixaDia.LocPago, Money::fromCents(1250));
    EXPECT_EQ(caixa[0].headerDate(), dayOf(2026, 3, 10));
}

} // namespace
} // namespace tavolim::core
