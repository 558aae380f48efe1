#include "core/rules/StoreCalendar.h"

#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/RuleTables.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

GeneralRulesRecord calendar(bool opensSaturday, bool opensSunday,
                            std::vector<std::pair<int, int>> holidays = {})
{
    GeneralRulesRecord r;
    r.AbreSabado = opensSaturday;
    r.AbreDomingo = opensSunday;
    for (const auto& [day, slot] : holidays) {
        r.Feriados[static_cast<std::size_t>(holidayIndex(day, slot))] = -1;
    }
    return r;
}

TEST(StoreCalendar, DayClassOfDatesAndTexts)
{
    const auto saturday = date(2026, 12, 5);
    struct Case {
        const char* text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"06/12/2026", 1}, // Sunday
        {"10/12/2026", 1}, // Thursday
        {"11/12/2026", 2}, // Friday
        {"", 3},           // today, a Saturday
        {"31/02/2026", 1}, // not a date
    };

    for (const auto& c : cases) {
        EXPECT_EQ(dayClass(c.text, saturday), c.expected) << c.text;
    }
}

TEST(StoreCalendar, NextOpenDaysSkipsClosedWeekendsAndHolidaysOfEachMonthSlot)
{
    struct Case {
        const char* what;
        GeneralRulesRecord rules;
        std::chrono::sys_days today;
        std::chrono::sys_days base;
        int days;
        int expected;
    };
    const auto friday = date(2026, 12, 4);
    const std::vector<Case> cases = {
        {"Friday, Sunday closed, Saturday open", calendar(true, false), friday, friday, 1, 1},
        {"Friday, both weekend days closed", calendar(false, false), friday, friday, 1, 3},
        {"Monday holiday this month after a closed weekend", calendar(false, false, {{7, 2}}),
         friday, friday, 1, 4},
        {"the same day marked in next month's slot is an ordinary day",
         calendar(false, false, {{7, 3}}), friday, friday, 1, 3},
        {"1 January in next month's slot", calendar(true, false, {{1, 3}}), date(2026, 12, 30),
         date(2026, 12, 30), 2, 3},
        {"a day of last month in the previous slot", calendar(true, false, {{27, 1}}),
         date(2026, 12, 1), date(2026, 11, 27), 0, 1},
        {"years are not compared: December next year is this month's slot",
         calendar(true, true, {{3, 2}}), friday, date(2027, 12, 3), 0, 1},
        {"a calendar closed every day gives up and keeps the days",
         [] {
             GeneralRulesRecord r;
             r.Feriados.fill(-1);
             return r;
         }(),
         friday, friday, 1, 1},
    };

    for (const auto& c : cases) {
        const int days = nextOpenDays(c.rules, c.today, c.base, c.days);

        EXPECT_EQ(days, c.expected) << c.what;
    }
}

} // namespace
} // namespace tavolim::core
