#include "core/rules/HolidayEditor.h"

#include "core/ports/Dialogs.h"
#include "core/rules/HolidayMonths.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"

namespace tavolim::core {
namespace {

std::size_t at(unsigned day, int slot)
{
    return static_cast<std::size_t>(holidayIndex(static_cast<int>(day), slot));
}

std::string joinDays(const std::vector<unsigned>& days)
{
    std::string out;
    for (const unsigned day : days) {
        out += (out.empty() ? "" : ", ") + std::to_string(day);
    }
    return out;
}

} // namespace

HolidayEditor::HolidayEditor(const GeneralRulesRecord& rules, std::chrono::year_month_day today)
    : m_current(today.year() / today.month())
{
    if (static_cast<unsigned>(rules.MesFeriados) == static_cast<unsigned>(today.month())) {
        m_days = rules.Feriados;
    }
}

int HolidayEditor::slotOf(std::chrono::year_month month) const
{
    if (month == m_current) {
        return 2;
    }
    return month == nextMonth() ? 3 : 0;
}

bool HolidayEditor::isMarked(std::chrono::year_month month, unsigned day) const
{
    const int slot = slotOf(month);
    return slot != 0 && day >= 1 && day <= HolidayDays && m_days[at(day, slot)] == -1;
}

void HolidayEditor::setMarked(std::chrono::year_month month, unsigned day, bool holiday)
{
    const int slot = slotOf(month);
    if (slot == 0 || !(month / std::chrono::day{day}).ok()) {
        return;
    }
    m_days[at(day, slot)] = holiday ? -1 : 0;
}

std::vector<unsigned> HolidayEditor::markedDays(int slot) const
{
    std::vector<unsigned> days;
    for (unsigned day = 1; day <= HolidayDays; ++day) {
        if (m_days[at(day, slot)] == -1) {
            days.push_back(day);
        }
    }
    return days;
}

std::string HolidayEditor::summary() const
{
    return "Feriados\n   Mês Atual : " + joinDays(markedDays(2)) +
           "\n   Próximo Mês : " + joinDays(markedDays(3));
}

void HolidayEditor::applyTo(GeneralRulesRecord& rules) const
{
    for (unsigned day = 1; day <= HolidayDays; ++day) {
        for (const int slot : {2, 3}) {
            rules.Feriados[at(day, slot)] = m_days[at(day, slot)];
        }
    }
    rules.FeriadosOk2 = true;
    rules.FeriadosOk3 = true;
    rules.MesFeriados = static_cast<std::int16_t>(static_cast<unsigned>(m_current.month()));
}

void confirmHolidays(AppState& state, const HolidayEditor& editor)
{
    editor.applyTo(state.records().rules());
    state.saveRules();
    state.ports().dialogs.message(editor.summary(), msg::Information, "Feriados");
    refreshMinimumTerm(state);
}

} // namespace tavolim::core
