#include "core/books/Forgetting.h"
#include "core/books/MonthDeletion.h"
#include "core/reports/BookForms.h"
#include "core/reports/TapeBookListing.h"
#include "core/store/BinaryFile.h"

#include "BookListingFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using reporttest::dayOf;
using Rows = std::vector<TapeBookCells>;

// Ana (client 1) takes Titanic and Matrix on 10/03; Bia (dependent 4 of Caio, client 2)
// takes Tubarão. Titanic comes back on 12/03 after two periods; the program does not run on
// 13 and 14/03; on 15/03 Tubarão comes back after three and Caio takes Titanic again.
class TapeBookListingTest : public reporttest::ReportsFixture {
protected:
    TapeBookListingTest()
    {
        writeTape(1, "Titanic");
        writeTape(2, "Matrix");
        writeTape(3, "Tubarão");
        writeClient(1, "Ana", "Silva");
        writeClient(2, "Caio", "Souza");
        writeDependent(4, 2, "Bia", "Souza");
        rent(1, -1, {{1, 300}, {2, 250}});
        rent(2, 4, {{3, 200}});
        advanceTo(dayOf(2026, 3, 12));
        giveBack({{1, 300}}, dayOf(2026, 3, 10), 2);
        advanceTo(dayOf(2026, 3, 15));
        giveBack({{3, 200}}, dayOf(2026, 3, 10), 3);
        rent(2, -1, {{1, 300}});
    }

    Rows list(TapeBookView view, std::chrono::year_month_day first,
              std::chrono::year_month_day last, TapeBookOrder order = TapeBookOrder::ByRental)
    {
        auto listing =
            listTapeBook(state.records(), view, first, last, booksHeldThrough(folder.path()));
        warnings = listing.warnings;
        startsAfter = listing.startsAfterLastDay;
        sortTapeBook(listing.lines, order);
        Rows rows;
        for (std::size_t i = 0; i < listing.lines.size(); ++i) {
            rows.push_back(tapeBookCells(listing.lines[i], static_cast<int>(i + 1)));
        }
        return rows;
    }

    std::vector<std::string> warnings;
    bool startsAfter = false;

    const TapeBookCells titanic{"1",    "10/03/2026", "12/03/2026", "2",         "1", "Titanic",
                                "3,00", "2",          "6,00",       "Ana Silva", "1"};
    const TapeBookCells matrix{"2",    "10/03/2026", "",     "0",         "2", "Matrix",
                               "2,50", "0",          "0,00", "Ana Silva", "1"};
    const TapeBookCells tubarao{"3",    "10/03/2026", "15/03/2026", "5",         "3", "Tubarão",
                                "2,00", "3",          "6,00",       "Bia Souza", "4"};
    const TapeBookCells titanicAgain{"4",    "15/03/2026", "",     "0",          "1", "Titanic",
                                     "3,00", "0",          "0,00", "Caio Souza", "2"};

    static TapeBookCells numbered(TapeBookCells cells, int n)
    {
        cells[0] = std::to_string(n);
        return cells;
    }
};

TEST_F(TapeBookListingTest, PeriodsListTheirRentalsAndReturnsAsTheGridShowsThem)
{
    struct Case {
        const char* name;
        TapeBookView view;
        std::chrono::year_month_day first, last;
        TapeBookOrder order;
        Rows rows;
    };
    const std::vector<Case> cases = {
        {"rentals",
         TapeBookView::Rentals,
         dayOf(2026, 3, 10),
         dayOf(2026, 3, 15),
         TapeBookOrder::ByRental,
         {titanic, matrix, tubarao, titanicAgain}},
        // Still out comes last by return date.
        {"rentals by return",
         TapeBookView::Rentals,
         dayOf(2026, 3, 1),
         dayOf(2026, 3, 31),
         TapeBookOrder::ByReturn,
         {titanic, numbered(tubarao, 2), numbered(matrix, 3), titanicAgain}},
        {"returns",
         TapeBookView::Returns,
         dayOf(2026, 3, 10),
         dayOf(2026, 3, 15),
         TapeBookOrder::ByReturn,
         {titanic, numbered(tubarao, 2)}},
        {"one return day",
         TapeBookView::Returns,
         dayOf(2026, 3, 15),
         dayOf(2026, 3, 15),
         TapeBookOrder::ByReturn,
         {numbered(tubarao, 1)}},
        {"days the program did not run",
         TapeBookView::Rentals,
         dayOf(2026, 3, 13),
         dayOf(2026, 3, 14),
         TapeBookOrder::ByRental,
         {}},
        {"days before the book",
         TapeBookView::Rentals,
         dayOf(2026, 2, 1),
         dayOf(2026, 3, 9),
         TapeBookOrder::ByRental,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);

        const Rows rows = list(c.view, c.first, c.last, c.order);

        EXPECT_EQ(rows, c.rows);
        EXPECT_FALSE(startsAfter);
        EXPECT_TRUE(warnings.empty());
    }
}

TEST_F(TapeBookListingTest, DeletedTapesAndPeopleReadRegistroExcluido)
{
    TapeRecord gone = state.records().load<TapeRecord>(2);
    gone.Nome = "#Matrix";
    ASSERT_TRUE(state.records().save(2, gone));
    forgetPerson(folder.path(), 2, 4, nullptr); // Bia
    ClientRecord caio = state.records().load<ClientRecord>(2);
    caio.PrimNome = "#Caio";
    ASSERT_TRUE(state.records().save(2, caio));

    const Rows rows = list(TapeBookView::Rentals, dayOf(2026, 3, 10), dayOf(2026, 3, 15));

    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][5], "Registro Excluído");
    EXPECT_EQ((std::pair{rows[2][9], rows[2][10]}),
              (std::pair<std::string, std::string>{"Registro Excluído", "0"}));
    EXPECT_EQ((std::pair{rows[3][9], rows[3][10]}),
              (std::pair<std::string, std::string>{"Registro Excluído", "2"}));
    EXPECT_EQ(rows[0], titanic);
}

TEST_F(TapeBookListingTest, TheFormListsTheChosenPeriodInTheCurrentTab)
{
    TapeBookForm form(state);

    form.chooseList2(3); // 13/03: the program did not run
    const auto quietDay = form.lines().size();
    form.chooseList2(0); // 10/03
    const auto rentedOnTenth = form.lines().size();
    form.setTab(TapeBookView::Returns);
    const auto returnedOnTenth = form.lines().size();
    form.setLength(PeriodLength::Month);
    form.chooseList2(0);

    EXPECT_EQ((std::vector<std::size_t>{quietDay, rentedOnTenth, returnedOnTenth}),
              (std::vector<std::size_t>{0, 3, 0}));
    EXPECT_EQ(form.order(), TapeBookOrder::ByReturn);
    EXPECT_EQ(form.periods().list2(), std::vector<std::string>{"Mar"});
    ASSERT_EQ(form.lines().size(), 2u);
    EXPECT_EQ(form.cells(0), titanic);
    EXPECT_EQ(form.cells(1), numbered(tubarao, 2));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TapeBookListingTest, APeriodAfterTheLastDayHeldIsRefused)
{
    // The day moved on but the books were not rolled to it.
    state.DataDia = dayOf(2026, 3, 20);
    TapeBookForm form(state);
    form.chooseList2(1); // 11/03

    form.chooseList2(7); // 17/03

    EXPECT_TRUE(form.lines().empty());
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Não há registros nesta data."});
    EXPECT_EQ(dialogs.messages[0].flags, msg::Exclamation);
}

TEST_F(TapeBookListingTest, AfterDeletingTheOldestMonthTheRemainingLinesReadTheSame)
{
    advanceTo(dayOf(2026, 4, 2));
    giveBack({{2, 250}}, dayOf(2026, 3, 10), 4);
    rent(1, -1, {{2, 250}});
    advanceTo(dayOf(2026, 4, 4));
    giveBack({{2, 250}}, dayOf(2026, 4, 2), 1);
    advanceTo(dayOf(2026, 5, 4));
    const auto april = [&](TapeBookView view) {
        return list(view, dayOf(2026, 4, 1), dayOf(2026, 5, 4));
    };
    const auto rentalsBefore = april(TapeBookView::Rentals);
    const auto returnsBefore = april(TapeBookView::Returns);

    ASSERT_TRUE(deleteOldestTapeMonths(folder.path(), std::chrono::year{2026} / std::chrono::March,
                                       state.DataDia));

    ASSERT_EQ(rentalsBefore.size(), 1u);
    ASSERT_EQ(returnsBefore.size(), 2u);
    EXPECT_EQ(april(TapeBookView::Rentals), rentalsBefore);
    // A return whose rental went with March has no tape-book record left to show.
    EXPECT_EQ(returnsBefore[0][1], "10/03/2026");
    EXPECT_EQ(april(TapeBookView::Returns), Rows{numbered(returnsBefore[1], 1)});
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(list(TapeBookView::Rentals, dayOf(2026, 3, 1), dayOf(2026, 3, 31)), Rows{});
}

TEST_F(TapeBookListingTest, DamagedBooksAreListedAsFarAsTheyCanBeReadWithAWarning)
{
    struct Case {
        const char* name;
        std::function<void()> damage;
        TapeBookView view;
        std::size_t lines;
        std::string warning;
    };
    const auto positions = folder.file("PosLivFt.tvl");
    const auto setDay = [&](std::int32_t n, std::int32_t first, std::int16_t count) {
        PositionRecord r;
        r.PrimeiroReg = first;
        r.QtdRegs = count;
        ASSERT_TRUE(binaryfile::writeAt(positions, (n - 1) * PositionRecord::Size, r.encoded()));
    };
    const std::vector<Case> cases = {
        {"position file cut after 12/03",
         [&] { std::filesystem::resize_file(positions, 4 * PositionRecord::Size); },
         TapeBookView::Rentals, 3,
         "O arquivo PosLivFt.tvl só tem dias até 12/03/2026; os dias seguintes do período não "
         "puderam ser lidos."},
        {"a day pointing past the end of the book", [&] { setDay(7, 4, 5); }, TapeBookView::Rentals,
         4,
         "O arquivo PosLivFt.tvl indica 4 registros além do fim de LivroFts.tvl (que tem 4); as "
         "linhas que puderam ser lidas estão na lista."},
        {"a day with negative numbers", [&] { setDay(2, -3, 2); }, TapeBookView::Rentals, 1,
         "O arquivo PosLivFt.tvl tem 1 dia com números inválidos no período; esses dias não "
         "foram lidos."},
        {"a return logged past the end",
         [&] {
             ReturnedTapeRecord r;
             r.setBookRecord(40);
             ASSERT_TRUE(binaryfile::writeAt(folder.file("FitasDev.tvl"), 0, r.encoded()));
         },
         TapeBookView::Returns, 1,
         "O arquivo FitasDev.tvl indica 1 registro além do fim de LivroFts.tvl (que tem 4); as "
         "linhas que puderam ser lidas estão na lista."},
    };
    const auto pristine = binaryfile::readAll(positions);
    const auto log = binaryfile::readAll(folder.file("FitasDev.tvl"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(binaryfile::writeNew(positions, pristine));
        ASSERT_TRUE(binaryfile::writeNew(folder.file("FitasDev.tvl"), log));
        c.damage();

        const Rows rows = list(c.view, dayOf(2026, 3, 10), dayOf(2026, 3, 15));

        EXPECT_EQ(rows.size(), c.lines);
        EXPECT_EQ(warnings, std::vector<std::string>{c.warning});
    }
}

} // namespace
} // namespace tavolim::core
