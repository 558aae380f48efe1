#include "core/books/Histories.h"
#include "core/books/MonthDeletion.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/store/TextHelpers.h"

#include "BookFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace tavolim::core {
namespace {

using booktest::dayOf;
using namespace std::chrono;

// What a reference to the tape book names: tape, person and days.
using Named = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int32_t, std::int32_t>;

std::optional<Named> resolve(const std::vector<TapeBookRecord>& book, std::int32_t ref)
{
    if (ref < 1 || ref > static_cast<std::int32_t>(book.size())) {
        return std::nullopt;
    }
    const auto& r = book[static_cast<std::size_t>(ref - 1)];
    return Named{r.Fita, r.Cliente, r.Dependente, r.DataLoc, r.DataDev};
}

bool rentedBy(const TapeBookRecord& r, year_month_day lastCutDay)
{
    return sys_days(*toYmd(r.DataLoc)) <= sys_days(lastCutDay);
}

class MonthDeletionTest : public booktest::BookFixture {
protected:
    MonthDeletionTest() : BookFixture(dayOf(2026, 1, 20))
    {
        state.options().GravHistFita = true;
        rent(1, -1, {1, 2});
        rent(2, 4, {3});
        advanceTo(dayOf(2026, 1, 25));
        returnTapes({1}, dayOf(2026, 1, 20));
        rent(3, -1, {4, 5, 6});
        advanceTo(dayOf(2026, 2, 3));
        returnTapes({2, 3, 4}, dayOf(2026, 1, 20));
        returnTapes({4}, dayOf(2026, 1, 25));
        rent(1, -1, {1, 7});
        rent(2, 4, {8});
        advanceTo(dayOf(2026, 3, 2));
        returnTapes({5, 6}, dayOf(2026, 1, 25));
        returnTapes({7, 8}, dayOf(2026, 2, 3));
        rent(3, -1, {2, 3});
        advanceTo(dayOf(2026, 3, 5));
    }

    void rent(std::int16_t client, std::int16_t dependent, std::vector<std::int16_t> tapes)
    {
        std::int32_t& number = numbers[{client, dependent}];
        std::vector<RentedTape> rented;
        for (const auto t : tapes) {
            rented.push_back({t, Money::fromCents(300)});
        }
        appendRentals(state, rented, client, dependent, number);
    }

    void returnTapes(std::vector<std::int16_t> tapes, year_month_day rentedOn)
    {
        std::vector<ReturnedTape> returned;
        for (const auto t : tapes) {
            returned.push_back({t, 1, Money::fromCents(300), fromYmd(rentedOn)});
        }
        markReturns(state, returned);
    }

    // Every reference held outside the tape book, resolved against it.
    std::vector<std::optional<Named>> references(const std::vector<TapeBookRecord>& book,
                                                 const std::vector<std::int32_t>& log) const
    {
        std::vector<std::optional<Named>> out;
        for (const auto ref : log) {
            out.push_back(resolve(book, ref));
        }
        const Histories histories(folder.path());
        for (const auto& [person, number] : numbers) {
            for (const auto& e : histories.tapeEntries(number)) {
                out.push_back(resolve(book, e.RegLivro));
            }
        }
        return out;
    }

    std::vector<std::int32_t> logRefs(std::size_t from = 0) const
    {
        std::vector<std::int32_t> refs;
        const auto log = readAll<ReturnedTapeRecord>("FitasDev.tvl");
        for (std::size_t i = from; i < log.size(); ++i) {
            refs.push_back(log[i].bookRecord());
        }
        return refs;
    }

    std::map<std::pair<std::int16_t, std::int16_t>, std::int32_t> numbers;
};

TEST_F(MonthDeletionTest, EveryKeptRentalReturnAndHistoryEntryNamesWhatItNamedBefore)
{
    struct Case {
        year_month lastMonth;
        year_month_day lastCutDay;
    };
    const std::vector<Case> cases = {
        {2026y / January, dayOf(2026, 1, 31)},
        {2026y / February, dayOf(2026, 2, 28)},
    };
    const auto original = binaryfile::readAll(folder.file("LivroFts.tvl"));
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> files;
    for (const char* f :
         {"LivroFts.tvl", "PosLivFt.tvl", "FitasDev.tvl", "PosFtDev.tvl", "HistFita.tvl"}) {
        files.emplace_back(f, binaryfile::readAll(folder.file(f)));
    }

    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.lastMonth.month()));
        for (const auto& [f, bytes] : files) {
            binaryfile::writeAllAtomic(folder.file(f), bytes);
        }
        const auto bookBefore = readAll<TapeBookRecord>("LivroFts.tvl");
        std::vector<TapeBookRecord> keptRentals;
        for (const auto& r : bookBefore) {
            if (!rentedBy(r, c.lastCutDay)) {
                keptRentals.push_back(r);
            }
        }
        // Log entries of the kept return days: those after the cut days' entries.
        const PositionFile returns(folder.path(), Book::Returns);
        std::size_t cutLogEntries = 0;
        for (auto d = dayOf(2026, 1, 20); sys_days(d) <= sys_days(c.lastCutDay);
             d = addDays(d, 1)) {
            cutLogEntries += static_cast<std::size_t>(returns.dayRecord(d)->QtdRegs);
        }
        auto expected = references(bookBefore, logRefs(cutLogEntries));
        const auto historyBefore = references(bookBefore, {});
        for (auto& named : expected) {
            if (named && sys_days(*toYmd(std::get<3>(*named))) <= sys_days(c.lastCutDay)) {
                named.reset(); // its rental went with the cut
            }
        }

        const bool deleted = deleteOldestTapeMonths(folder.path(), c.lastMonth, state.DataDia);
        const auto bookAfter = readAll<TapeBookRecord>("LivroFts.tvl");
        const PositionFile rentals(folder.path(), Book::Rentals);

        ASSERT_TRUE(deleted);
        EXPECT_EQ(references(bookAfter, logRefs()), expected);
        ASSERT_EQ(bookAfter.size(), keptRentals.size());
        for (std::size_t i = 0; i < bookAfter.size(); ++i) {
            EXPECT_EQ(bookAfter[i].encoded(), keptRentals[i].encoded());
        }
        EXPECT_EQ(rentals.firstDay(), addDays(c.lastCutDay, 1));
        EXPECT_EQ(returns.firstDay(), addDays(c.lastCutDay, 1));
        EXPECT_EQ(rentals.lastDayHeld(), dayOf(2026, 3, 5));
        EXPECT_EQ(tapeBookMonths(folder.path(), state.DataDia).front(), c.lastMonth + months(1));
        // Each kept day still lists its own rentals.
        const auto feb3 = rentals.dayRecord(dayOf(2026, 2, 3));
        if (feb3) {
            EXPECT_EQ(*resolve(bookAfter, feb3->PrimeiroReg), (Named{1, 1, -1, 3022026, 0}));
        }
        EXPECT_EQ(historyBefore.size(), references(bookAfter, {}).size());
    }
    EXPECT_NE(binaryfile::readAll(folder.file("LivroFts.tvl")), original);
}

TEST_F(MonthDeletionTest, TheLastRecordCutBecomesNoRecordAndTheFirstKeptBecomesOne)
{
    // January holds tape-book records 1..6; 7 and 8 are client 1's tapes of 03/02.
    const auto historyOfClient1 = [&] {
        std::vector<std::int32_t> refs;
        for (const auto& e : Histories(folder.path()).tapeEntries(numbers[{1, -1}])) {
            refs.push_back(e.RegLivro);
        }
        return refs;
    };
    ASSERT_EQ(logRefs(), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 8, 9}));
    ASSERT_EQ(historyOfClient1(), (std::vector<std::int32_t>{1, 2, 7, 8}));

    ASSERT_TRUE(deleteOldestTapeMonths(folder.path(), 2026y / January, state.DataDia));

    // The 25/01 return day went with January; record 6 (the last cut) names nothing now.
    EXPECT_EQ(logRefs(), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 2, 3}));
    EXPECT_EQ(historyOfClient1(), (std::vector<std::int32_t>{0, 0, 1, 2}));
}

TEST_F(MonthDeletionTest, TheCurrentMonthAndMonthsBeforeTheBookAreNotDeleted)
{
    const auto before = binaryfile::readAll(folder.file("PosLivFt.tvl"));
    const std::vector<year_month> refused = {2026y / March, 2026y / April, 2025y / December};

    for (const auto month : refused) {
        SCOPED_TRACE(static_cast<unsigned>(month.month()));

        const bool deleted = deleteOldestTapeMonths(folder.path(), month, state.DataDia);

        EXPECT_FALSE(deleted);
        EXPECT_EQ(binaryfile::readAll(folder.file("PosLivFt.tvl")), before);
    }
}

TEST_F(MonthDeletionTest, SalesMonthsAreCutWithTheirDays)
{
    // Sales made today after the days above: the sales book starts empty until today.
    const SoldLine sold[] = {{4, 2, Money::fromCents(150)}};
    appendSales(state, sold);
    const PositionFile sales(folder.path(), Book::Sales);

    const bool deleted = deleteOldestSalesMonths(folder.path(), 2026y / January, state.DataDia);
    const auto today = sales.dayRecord(dayOf(2026, 3, 5));

    ASSERT_TRUE(deleted);
    EXPECT_EQ(sales.firstDay(), dayOf(2026, 2, 1));
    ASSERT_TRUE(today);
    EXPECT_EQ(today->PrimeiroReg, 1);
    EXPECT_EQ(readSaleEntry(folder.path(), today->PrimeiroReg).Produto, 4);
    EXPECT_EQ(salesBookMonths(folder.path(), state.DataDia),
              (std::vector<year_month>{2026y / February, 2026y / March}));
}

} // namespace
} // namespace tavolim::core
