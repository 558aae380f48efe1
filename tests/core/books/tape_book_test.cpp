#include "core/books/Histories.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/day/BusinessDay.h"
#include "core/store/TextHelpers.h"

#include "BookFixture.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using booktest::dayOf;

class TapeBookTest : public booktest::BookFixture {
protected:
    std::int32_t code(std::chrono::year_month_day d) const { return fromYmd(d); }

    // The renter's RegHistFita, as the caller of appendRentals keeps it.
    std::int32_t history = 0;

    std::optional<std::int32_t> rent(std::vector<std::int16_t> tapes, std::int16_t client,
                                     std::int16_t dependent = -1)
    {
        std::vector<RentedTape> rented;
        for (const auto t : tapes) {
            rented.push_back({t, Money::fromCents(250)});
        }
        return appendRentals(state, rented, client, dependent, history);
    }
};

TEST_F(TapeBookTest, RentalsAreAppendedAndCountedUnderTheCurrentDay)
{
    rent({7}, 1);
    advanceTo(dayOf(2026, 3, 11));

    const auto first = rent({3, 4, 9}, 2, 5);
    const auto book = readAll<TapeBookRecord>("LivroFts.tvl");
    const auto days = readAll<PositionRecord>("PosLivFt.tvl");

    ASSERT_EQ(first, 2);
    ASSERT_EQ(book.size(), 4u);
    TapeBookRecord last;
    last.Fita = 9;
    last.Cliente = 2;
    last.Dependente = 5;
    last.DataLoc = code(dayOf(2026, 3, 11));
    last.Valor = Money::fromCents(250);
    EXPECT_EQ(book[3].encoded(), last.encoded());
    EXPECT_TRUE(book[3].isOut());
    EXPECT_EQ(days[2].PrimeiroReg, 2);
    EXPECT_EQ(days[2].QtdRegs, 3);
}

TEST_F(TapeBookTest, ThreeTapesRentedTogetherGetConsecutiveHistoryEntries)
{
    state.options().GravHistFita = true;
    rent({8}, 4); // someone else's rental before
    history = 0;

    const auto first = rent({3, 4, 9}, 1);
    const auto number = history;
    const auto entries = Histories(folder.path()).tapeEntries(number);

    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].RegLivro, *first + static_cast<std::int32_t>(i));
    }
    EXPECT_EQ(entries[2].Fita, 9);
}

TEST_F(TapeBookTest, AReusedHistoryNumberStartsEmpty)
{
    state.options().GravHistFita = true;
    rent({11, 12}, 1);
    const auto released = history;
    state.records().addDeleted(FileKind::TapeHistory, released);
    history = 0;

    rent({13}, 1, 2);
    const auto reused = history;

    EXPECT_EQ(reused, released);
    EXPECT_EQ(Histories(folder.path()).loadTapeHistory(reused), std::vector<std::int16_t>{13});
}

TEST_F(TapeBookTest, ReturnsCompleteAndLogTheRentalDaysRecords)
{
    rent({5}, 1);    // record 1
    rent({5, 6}, 2); // records 2, 3: tape 5 twice on one day
    const auto rentedOn = code(dayOf(2026, 3, 10));
    advanceTo(dayOf(2026, 3, 12));
    const ReturnedTape returned[] = {
        {5, 2, Money::fromCents(500), rentedOn},
        {6, 3, Money::fromCents(750), code(dayOf(2026, 3, 9))}, // before the first day
    };

    const int logged = markReturns(state, returned);
    const auto book = readAll<TapeBookRecord>("LivroFts.tvl");
    const auto log = readAll<ReturnedTapeRecord>("FitasDev.tvl");
    const auto days = readAll<PositionRecord>("PosFtDev.tvl");

    ASSERT_EQ(logged, 2);
    for (const std::size_t i : {0u, 1u}) {
        EXPECT_EQ(book[i].DataDev, code(dayOf(2026, 3, 12)));
        EXPECT_EQ(book[i].QtdDiarias, 2);
        EXPECT_EQ(book[i].ValorDev, Money::fromCents(500));
        EXPECT_EQ(log.at(i).bookRecord(), static_cast<std::int32_t>(i + 1));
    }
    EXPECT_TRUE(book[2].isOut());
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(days.back().PrimeiroReg, 1);
    EXPECT_EQ(days.back().QtdRegs, 2);
}

TEST_F(TapeBookTest, ASecondReturnOfTheDayLeavesTheFirstRentersReturnAlone)
{
    const auto today = code(dayOf(2026, 3, 10));
    rent({5}, 1);
    const ReturnedTape first[] = {{5, 1, Money::fromCents(250), today}};
    markReturns(state, first);
    rent({5}, 2);
    const ReturnedTape second[] = {{5, 4, Money::fromCents(1000), today}};

    markReturns(state, second);
    const auto book = readAll<TapeBookRecord>("LivroFts.tvl");
    const auto log = readAll<ReturnedTapeRecord>("FitasDev.tvl");

    EXPECT_EQ(book[0].QtdDiarias, 1);
    EXPECT_EQ(book[1].QtdDiarias, 4);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].bookRecord(), 2);
}

TEST_F(TapeBookTest, AnAppendOnADayNotRolledYetRollsItFirst)
{
    struct Case {
        const char* name;
        std::chrono::year_month_day clockDate;
        std::size_t messages;
    };
    const std::vector<Case> cases = {
        {"same calendar day", dayOf(2026, 3, 11), 0},
        {"calendar moved on", dayOf(2026, 3, 12), 1},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::InstalledStore fresh(dayOf(2026, 3, 10));
        fresh.clock.date = c.clockDate;
        AppState& s = fresh.state;
        s.DataDia = dayOf(2026, 3, 11); // set, but its books were never rolled

        const SoldLine sold[] = {{2, 3, Money::fromCents(120)}};
        checkDateChange(s); // what every caller runs before writing the books
        const auto first = appendSales(s, sold);
        const PositionFile sales(fresh.folder.path(), Book::Sales);

        EXPECT_EQ(first, 1);
        EXPECT_EQ(fresh.dialogs.messages.size(), c.messages);
        EXPECT_EQ(sales.lastDayHeld(), c.clockDate);
        EXPECT_EQ(sales.read(sales.recordCount()).QtdRegs, 1);
        EXPECT_EQ(readSaleEntry(fresh.folder.path(), 1).Data, code(c.clockDate));
        EXPECT_EQ(readSaleEntry(fresh.folder.path(), 2).Qtd, 0);
    }
}

TEST_F(TapeBookTest, WithTheClockBehindEntriesStayAtTheEndOfTheBook)
{
    advanceTo(dayOf(2026, 3, 12));
    rent({1}, 1);
    clock.date = dayOf(2026, 3, 11);
    state.DataDia = clock.date; // the restart under a clock put back

    rent({2}, 1);
    const auto days = readAll<PositionRecord>("PosLivFt.tvl");

    ASSERT_EQ(days.size(), 4u);
    EXPECT_EQ(days[2].PrimeiroReg, 0);
    EXPECT_EQ(days[3].PrimeiroReg, 1);
    EXPECT_EQ(days[3].QtdRegs, 2);
}

TEST_F(TapeBookTest, ADayRecordOutOfStepWithItsBookStillFindsTheRentalsWrittenUnderIt)
{
    // Today's record claims entries that start past the end of the book (damaged, or a book
    // cut short): the next rental must still be counted where its return will look.
    struct Case {
        const char* what;
        std::int32_t pastTheEnd; // PrimeiroReg, counted from the book's end
        std::int16_t count;
    };
    const std::vector<Case> cases = {
        {"first entry far past the book", 50, 0},
        {"first entry just past the new one", 2, 3},
    };
    const PositionFile positions(folder.path(), Book::Rentals);
    const auto today = code(dayOf(2026, 3, 10));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rent({7}, 1);
        PositionRecord damaged;
        damaged.PrimeiroReg = positions.bookCount() + c.pastTheEnd;
        damaged.QtdRegs = c.count;
        ASSERT_TRUE(positions.write(positions.recordCount(), damaged));

        const auto first = rent({5}, 2);
        const ReturnedTape returned[] = {{5, 1, Money::fromCents(250), today}};

        ASSERT_TRUE(first);
        EXPECT_EQ(markReturns(state, returned), 1);
        EXPECT_FALSE(readAll<TapeBookRecord>("LivroFts.tvl").at(*first - 1).isOut());
    }
}

} // namespace
} // namespace tavolim::core
