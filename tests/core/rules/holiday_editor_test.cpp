#include "core/rules/HolidayEditor.h"

#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using namespace std::chrono;
using test::date;

constexpr year_month kDecember = year{2026} / December;
constexpr year_month kJanuary = year{2027} / January;

TEST(HolidayEditor, MarksOnlyRealDaysOfThisAndNextMonth)
{
    GeneralRulesRecord rules;
    rules.MesFeriados = 12;
    rules.Feriados[static_cast<std::size_t>(holidayIndex(25, 2))] = -1;
    HolidayEditor editor(rules, year{2026} / 12 / 5);

    editor.setMarked(kJanuary, 1, true);
    editor.setMarked(kDecember, 31, true);
    editor.setMarked(year{2027} / February, 3, true); // not editable
    editor.setMarked(year{2027} / January, 32, true);
    editor.setMarked(kDecember, 25, false);

    EXPECT_EQ(editor.markedDays(2), (std::vector<unsigned>{31}));
    EXPECT_EQ(editor.markedDays(3), (std::vector<unsigned>{1}));
    EXPECT_TRUE(editor.isMarked(kJanuary, 1));
    EXPECT_FALSE(editor.isMarked(year{2027} / February, 3));
}

TEST(HolidayEditor, StartsBlankWhenTheCalendarStandsForAnotherMonth)
{
    GeneralRulesRecord rules;
    rules.MesFeriados = 11;
    rules.Feriados[static_cast<std::size_t>(holidayIndex(15, 2))] = -1;

    const HolidayEditor editor(rules, year{2026} / 12 / 5);

    EXPECT_TRUE(editor.markedDays(2).empty());
}

TEST(HolidayEditor, OkWritesTheRulesRecordAndShowsTheSummary)
{
    test::RulesFixture f(date(2026, 12, 24));
    auto& rules = f.records().rules();
    rules.AbreDomingo = true;
    rules.AbreSabado = true;
    rules.Feriados[static_cast<std::size_t>(holidayIndex(4, 1))] = -1;
    HolidayEditor editor(rules, year{2026} / 12 / 24);
    editor.setMarked(kDecember, 25, true);
    editor.setMarked(kDecember, 8, true);
    editor.setMarked(kJanuary, 1, true);

    confirmHolidays(f.state, editor);

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "Feriados\n   Mês Atual : 8, 25\n   Próximo Mês : 1");
    EXPECT_EQ(f.dialogs.messages[0].title, "Feriados");
    EXPECT_EQ(f.state.PrazoMinimo, 2); // Christmas is closed
    rules = GeneralRulesRecord{};
    f.records().readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_TRUE(rules.FeriadosOk2);
    EXPECT_TRUE(rules.FeriadosOk3);
    EXPECT_EQ(rules.MesFeriados, 12);
    EXPECT_EQ(rules.Feriados[static_cast<std::size_t>(holidayIndex(25, 2))], -1);
    EXPECT_EQ(rules.Feriados[static_cast<std::size_t>(holidayIndex(1, 3))], -1);
    EXPECT_EQ(rules.Feriados[static_cast<std::size_t>(holidayIndex(4, 1))], -1);
}

} // namespace
} // namespace tavolim::core
