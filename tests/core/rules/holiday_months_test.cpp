#include "core/rules/HolidayMonths.h"

#include "core/rules/HolidayEditor.h"
#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/RuleTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::core {
namespace {

using test::date;

std::int16_t& holiday(GeneralRulesRecord& r, int day, int slot)
{
    return r.Feriados[static_cast<std::size_t>(holidayIndex(day, slot))];
}

GeneralRulesRecord novemberCalendar(bool nextMonthEntered)
{
    GeneralRulesRecord r;
    r.MesFeriados = 11;
    r.FeriadosOk1 = false;
    r.FeriadosOk2 = true;
    r.FeriadosOk3 = nextMonthEntered;
    holiday(r, 2, 1) = -1;  // 2 October
    holiday(r, 15, 2) = -1; // 15 November
    holiday(r, 25, 3) = -1; // 25 December
    return r;
}

TEST(HolidayMonths, ANewMonthMovesTheSlotsOnceNextMonthWasEntered)
{
    auto rules = novemberCalendar(true);

    const bool moved = shiftHolidayMonths(rules, date(2026, 12, 1));

    EXPECT_TRUE(moved);
    EXPECT_EQ(rules.MesFeriados, 12);
    EXPECT_EQ(holiday(rules, 2, 1), 0);
    EXPECT_EQ(holiday(rules, 15, 1), -1);
    EXPECT_EQ(holiday(rules, 25, 2), -1);
    EXPECT_EQ(holiday(rules, 25, 3), 0);
    EXPECT_TRUE(rules.FeriadosOk1);
    EXPECT_TRUE(rules.FeriadosOk2);
    EXPECT_FALSE(rules.FeriadosOk3);
}

TEST(HolidayMonths, TheSlotsStayWhenTheMonthIsTheSameOrNextMonthIsMissing)
{
    for (const auto& [today, entered] :
         {std::pair{date(2026, 11, 30), true}, std::pair{date(2026, 12, 1), false}}) {
        auto rules = novemberCalendar(entered);
        const auto before = rules.encoded();

        const bool moved = shiftHolidayMonths(rules, today);

        EXPECT_FALSE(moved);
        EXPECT_EQ(rules.encoded(), before);
    }
}

TEST(HolidayMonths, TheEditorOpensWhenThisMonthOrLateInItNextMonthIsMissing)
{
    struct Case {
        bool thisMonth;
        bool nextMonth;
        unsigned day;
        bool expected;
    };
    const std::vector<Case> cases = {
        {false, true, 1, true},  {true, false, 14, false}, {true, false, 15, true},
        {true, true, 20, false}, {false, false, 3, true},
    };

    for (const auto& c : cases) {
        GeneralRulesRecord rules;
        rules.FeriadosOk2 = c.thisMonth;
        rules.FeriadosOk3 = c.nextMonth;

        const bool due = holidayEditorDue(rules, date(2026, 12, c.day));

        EXPECT_EQ(due, c.expected) << c.thisMonth << c.nextMonth << " day " << c.day;
    }
}

TEST(HolidayMonths, AdvancingAtStartWritesTheCalendarAndComputesTheMinimumTerm)
{
    test::RulesFixture f(date(2026, 12, 5)); // Saturday
    auto& rules = f.records().rules();
    rules = novemberCalendar(true);
    holiday(rules, 7, 3) = -1; // Monday 7 December, entered last month
    rules.AbreDomingo = false;
    f.state.PrazoMinimo = 0;

    const bool openEditor = advanceHolidayMonths(f.state);

    f.records().readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_EQ(f.records().rules().MesFeriados, 12);
    EXPECT_EQ(holiday(f.records().rules(), 7, 2), -1);
    EXPECT_EQ(f.state.PrazoMinimo, 3); // Sunday closed, Monday a holiday
    EXPECT_FALSE(openEditor);          // December entered, January not due before the 15th
}

using namespace std::chrono;

constexpr year_month kDecember = year{2026} / December;
constexpr year_month kJanuary = year{2027} / January;

TEST(HolidayEditor, MarksOnlyRealDaysOfThisAndNextMonth)
{
    GeneralRulesRecord rules;
    rules.MesFeriados = 12;
    holiday(rules, 25, 2) = -1;
    HolidayEditor editor(rules, year{2026} / 12 / 5);

    editor.setMarked(kJanuary, 1, true);
    editor.setMarked(kDecember, 31, true);
    editor.setMarked(year{2027} / February, 3, true); // not editable
    editor.setMarked(year{2027} / January, 32, true);
    editor.setMarked(kDecember, 25, false);

    EXPECT_EQ(editor.markedDays(2), (std::vector<unsigned>{31}));
    EXPECT_EQ(editor.markedDays(3), (std::vector<unsigned>{1}));
    EXPECT_FALSE(editor.isMarked(year{2027} / February, 3));
}

TEST(HolidayEditor, StartsBlankWhenTheCalendarStandsForAnotherMonth)
{
    GeneralRulesRecord rules;
    rules.MesFeriados = 11;
    holiday(rules, 15, 2) = -1;

    const HolidayEditor editor(rules, year{2026} / 12 / 5);

    EXPECT_TRUE(editor.markedDays(2).empty());
}

TEST(HolidayEditor, OkWritesTheMonthsKeepingLastMonthsAndSetsTheMinimumTerm)
{
    test::RulesFixture f(date(2026, 12, 24));
    auto& rules = f.records().rules();
    rules.AbreDomingo = true;
    rules.AbreSabado = true;
    holiday(rules, 4, 1) = -1;
    HolidayEditor editor(rules, year{2026} / 12 / 24);
    editor.setMarked(kDecember, 25, true);
    editor.setMarked(kJanuary, 1, true);

    confirmHolidays(f.state, editor);

    EXPECT_EQ(f.dialogs.shownTexts(),
              std::vector<std::string>{"Feriados\n   Mês Atual : 25\n   Próximo Mês : 1"});
    EXPECT_EQ(f.state.PrazoMinimo, 2); // Christmas is closed
    rules = GeneralRulesRecord{};
    f.records().readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_EQ(holiday(rules, 25, 2), -1);
    EXPECT_EQ(holiday(rules, 1, 3), -1);
    EXPECT_EQ(holiday(rules, 4, 1), -1);
}

} // namespace
} // namespace tavolim::core
