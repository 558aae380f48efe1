#include "core/reports/BookPeriods.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;
using Texts = std::vector<std::string>;

year_month_day dayOf(int y, unsigned m, unsigned d)
{
    return year{y} / month{m} / day{d};
}

TEST(PeriodChooser, ListsCoverTheBookFromItsFirstMonthToToday)
{
    struct Case {
        PeriodLength length;
        int list1;
        std::string label1, label2;
        Texts list1Texts, list2Texts;
    };
    const Texts months = {"Nov/2025", "Dez/2025", "Jan/2026"};
    const Texts years = {"2025", "2026"};
    const std::vector<Case> cases = {
        {PeriodLength::Day,
         0,
         "Mês:",
         "Dia:",
         months,
         {"20/11/2025", "21/11/2025", "22/11/2025", "23/11/2025", "24/11/2025", "25/11/2025",
          "26/11/2025", "27/11/2025", "28/11/2025", "29/11/2025", "30/11/2025"}},
        {PeriodLength::Day,
         2,
         "Mês:",
         "Dia:",
         months,
         {"01/01/2026", "02/01/2026", "03/01/2026", "04/01/2026"}},
        // The week of 26/10 ends before the book begins; the last one runs into December.
        {PeriodLength::Week,
         0,
         "Mês:",
         "Semana:",
         months,
         {"De 16/11/2025 a 22/11/2025", "De 23/11/2025 a 29/11/2025",
          "De 30/11/2025 a 06/12/2025"}},
        {PeriodLength::Week,
         2,
         "Mês:",
         "Semana:",
         months,
         {"De 28/12/2025 a 03/01/2026", "De 04/01/2026 a 10/01/2026"}},
        {PeriodLength::Month, 0, "Ano:", "Mês:", years, {"Nov", "Dez"}},
        {PeriodLength::Month, 1, "Ano:", "Mês:", years, {"Jan"}},
        {PeriodLength::Quarter, 0, "Ano:", "Trimentre:", years, {"4* Trim"}},
        {PeriodLength::Quarter, 1, "Ano:", "Trimentre:", years, {"1* Trim"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(periodLengthName(c.length) + " " + std::to_string(c.list1));
        PeriodChooser chooser(dayOf(2025, 11, 20), dayOf(2026, 1, 4), c.length);

        const int newest = chooser.list1Index();
        chooser.chooseList1(c.list1);

        EXPECT_EQ(newest, static_cast<int>(c.list1Texts.size()) - 1);
        EXPECT_EQ(chooser.list1Label(), c.label1);
        EXPECT_EQ(chooser.list2Label(), c.label2);
        EXPECT_EQ(chooser.list1(), c.list1Texts);
        EXPECT_EQ(chooser.list2(), c.list2Texts);
    }
}

TEST(PeriodChooser, ChosenItemsGiveTheirFirstAndLastDays)
{
    struct Case {
        PeriodLength length;
        int list1, list2;
        year_month_day first, last;
        std::string text;
    };
    // Book from 05/01/2025, today 15/08/2028: a leap February in 2028.
    const std::vector<Case> cases = {
        {PeriodLength::Day, 0, 0, dayOf(2025, 1, 5), dayOf(2025, 1, 5), "05/01/2025"},
        {PeriodLength::Week, 11, 0, dayOf(2025, 11, 30), dayOf(2025, 12, 6),
         "De 30/11/2025 a 06/12/2025"},
        // December 2025's last week ends in January 2026 and is January's first too.
        {PeriodLength::Week, 11, 4, dayOf(2025, 12, 28), dayOf(2026, 1, 3),
         "De 28/12/2025 a 03/01/2026"},
        {PeriodLength::Week, 12, 0, dayOf(2025, 12, 28), dayOf(2026, 1, 3),
         "De 28/12/2025 a 03/01/2026"},
        {PeriodLength::Month, 3, 1, dayOf(2028, 2, 1), dayOf(2028, 2, 29), "Fev/2028"},
        {PeriodLength::Month, 1, 1, dayOf(2026, 2, 1), dayOf(2026, 2, 28), "Fev/2026"},
        {PeriodLength::Month, 0, 0, dayOf(2025, 1, 1), dayOf(2025, 1, 31), "Jan/2025"},
        {PeriodLength::Quarter, 0, 3, dayOf(2025, 10, 1), dayOf(2025, 12, 31), "4* Trim/2025"},
        {PeriodLength::Quarter, 3, 0, dayOf(2028, 1, 1), dayOf(2028, 3, 31), "1* Trim/2028"},
        {PeriodLength::Quarter, 3, 2, dayOf(2028, 7, 1), dayOf(2028, 9, 30), "3* Trim/2028"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        PeriodChooser chooser(dayOf(2025, 1, 5), dayOf(2028, 8, 15), c.length);

        chooser.chooseList1(c.list1);
        const auto period = chooser.period(c.list2);

        ASSERT_TRUE(period);
        EXPECT_EQ(period->first, c.first);
        EXPECT_EQ(period->last, c.last);
        EXPECT_EQ(period->text, c.text);
    }
}

TEST(PeriodChooser, NoFirstDayOrOutOfRangeChoicesGiveNothing)
{
    PeriodChooser headless(std::nullopt, dayOf(2026, 1, 4));
    PeriodChooser book(dayOf(2026, 1, 1), dayOf(2026, 1, 4));

    book.chooseList1(7);

    EXPECT_TRUE(headless.list1().empty());
    EXPECT_TRUE(headless.list2().empty());
    EXPECT_EQ(headless.list1Index(), -1);
    EXPECT_FALSE(headless.period(0));
    EXPECT_EQ(book.list1Index(), 0);
    EXPECT_FALSE(book.period(-1));
    EXPECT_FALSE(book.period(4));
}

} // namespace
} // namespace tavolim::core
