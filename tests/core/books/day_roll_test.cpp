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

TEST_F(DayRollTest, ADamagedHeaderIsRebuiltToEndWhereTheOtherBooksEnd)
{
    // The other books were rolled today (10/03): three days kept under a damaged header are
    // 08/03 to today, found from them rather than guessed.
    const auto header = [](std::int32_t date) {
        PositionRecord h;
        h.PrimeiroReg = date;
        auto bytes = h.encoded();
        bytes.resize(bytes.size() + 3 * PositionRecord::Size, 0);
        return bytes;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> fileBytes;
        std::chrono::year_month_day firstDay;
        std::size_t records;
    };
    const std::vector<Case> cases = {
        {"missing", {}, dayOf(2026, 3, 10), 2},
        {"header not a date", header(-1), dayOf(2026, 3, 8), 4},
        {"header in the year 9999", header(fromYmd(dayOf(9999, 1, 1))), dayOf(2026, 3, 8), 4},
        {"header in the year 1900", header(fromYmd(dayOf(1900, 1, 1))), dayOf(2026, 3, 8), 4},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("PosLivCx.tvl"));
        if (!c.fileBytes.empty()) {
            binaryfile::writeAt(folder.file("PosLivCx.tvl"), 0, c.fileBytes);
        }
        dialogs.messages.clear();

        const auto outcome = rollSalesPositions(state);
        const PositionFile sales(folder.path(), Book::Sales);

        EXPECT_EQ(outcome, RollOutcome::Rolled);
        EXPECT_EQ(sales.firstDay(), c.firstDay);
        EXPECT_EQ(static_cast<std::size_t>(sales.recordCount()), c.records);
        EXPECT_EQ(sales.read(sales.recordCount()).PrimeiroReg, 1);
        EXPECT_EQ(dialogs.messages.size(), c.fileBytes.empty() ? 0u : 1u);
    }
    EXPECT_EQ(dialogs.shownTexts().back(),
              "O cabeçalho do arquivo 'PosLivCx.tvl' estava danificado "
              "e foi refeito: o primeiro dia do arquivo agora é "
              "08/03/2026.");
}

TEST_F(DayRollTest, ADailyTotalsHeaderInTheYear32767AddsNoDays)
{
    DailyTotalsRecord header = DailyTotalsRecord::header(dayOf(2026, 3, 9));
    header.NumVendas = 32767;
    auto bytes = header.encoded();
    bytes.resize(3 * DailyTotalsRecord::Size, 0); // 09/03 and today
    binaryfile::writeNew(folder.file("Caixa.tvl"), bytes);

    const auto outcome = rollCaixa(state);

    EXPECT_EQ(outcome, RollOutcome::UpToDate);
    EXPECT_EQ(binaryfile::size(folder.file("Caixa.tvl")), bytes.size());
    EXPECT_EQ(DailyTotalsFile(folder.path()).base(), dayOf(2026, 3, 9));
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
