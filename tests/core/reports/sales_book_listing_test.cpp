#include "core/books/Forgetting.h"
#include "core/reports/BookForms.h"
#include "core/reports/SalesBookListing.h"

#include "BookListingFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using reporttest::dayOf;
using Rows = std::vector<SalesBookCells>;

// Two pipocas and a soda on 10/03; a soda on 12/03.
class SalesBookListingTest : public reporttest::ReportsFixture {
protected:
    SalesBookListingTest()
    {
        writeProduct(1, "Pipoca", "7891000100103");
        writeProduct(2, "Refrigerante", "7894900011517");
        sell({{1, 2, Money::fromCents(350)}, {2, 1, Money::fromCents(450)}});
        advanceTo(dayOf(2026, 3, 12));
        sell({{2, 3, Money::fromCents(1250)}});
    }

    Rows list(std::chrono::year_month_day first, std::chrono::year_month_day last)
    {
        const auto listing =
            listSalesBook(state.records(), first, last, booksHeldThrough(folder.path()));
        Rows rows;
        for (std::size_t i = 0; i < listing.lines.size(); ++i) {
            rows.push_back(salesBookCells(listing.lines[i], static_cast<int>(i + 1)));
        }
        return rows;
    }
};

TEST_F(SalesBookListingTest, PeriodsListTheirProductLines)
{
    const SalesBookCells pipoca{"1", "10/03/2026", "7891000100103", "Pipoca", "3,50", "2", "7,00"};
    const SalesBookCells soda{"2",    "10/03/2026", "7894900011517", "Refrigerante",
                              "4,50", "1",          "4,50"};
    const SalesBookCells sodas{"3",     "12/03/2026", "7894900011517", "Refrigerante",
                               "12,50", "3",          "37,50"};
    struct Case {
        std::chrono::year_month_day first, last;
        Rows rows;
    };
    const std::vector<Case> cases = {
        {dayOf(2026, 3, 10), dayOf(2026, 3, 12), {pipoca, soda, sodas}},
        {dayOf(2026, 3, 11), dayOf(2026, 3, 11), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(list(c.first, c.last), c.rows);
    }
}

TEST_F(SalesBookListingTest, ASaleOfAProductDeletedSinceKeepsItsFigures)
{
    ProductRecord gone = state.records().load<ProductRecord>(2);
    gone.Descricao = "#Refrigerante";
    ASSERT_TRUE(state.records().save(2, gone));
    forgetProduct(folder.path(), 1, nullptr);

    const Rows rows = list(dayOf(2026, 3, 10), dayOf(2026, 3, 12));

    EXPECT_EQ(rows, (Rows{{"1", "10/03/2026", "", "Registro Excluído", "3,50", "2", "7,00"},
                          {"2", "10/03/2026", "", "Registro Excluído", "4,50", "1", "4,50"},
                          {"3", "12/03/2026", "", "Registro Excluído", "12,50", "3", "37,50"}}));
}

TEST_F(SalesBookListingTest, TheFormRefusesAPeriodAfterTheLastDayHeld)
{
    state.DataDia = dayOf(2026, 3, 14); // not rolled to it
    SalesBookForm form(state);

    form.chooseList2(0);
    const auto listed = form.lines().size();
    form.chooseList2(4);

    EXPECT_EQ(listed, 2u);
    EXPECT_TRUE(form.lines().empty());
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Uma das datas está incorreta."});
}

class EmptyBooksTest : public reporttest::ReportsFixture {};

TEST_F(EmptyBooksTest, EmptyBooksDoNotOpenTheirWindows)
{
    const bool tapes = TapeBookForm::canOpen(state);
    const bool sales = SalesBookForm::canOpen(state);

    EXPECT_FALSE(tapes);
    EXPECT_FALSE(sales);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"O livro de locações/devoluções está vazio.",
                                        "O livro caixa está vazio."}));
}

} // namespace
} // namespace tavolim::core
