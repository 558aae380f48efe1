#include "core/rules/HolidayMonths.h"

#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/RuleTables.h"

namespace tavolim::core {

bool shiftHolidayMonths(GeneralRulesRecord& rules, std::chrono::year_month_day today)
{
    const auto month = static_cast<std::int16_t>(static_cast<unsigned>(today.month()));
    if (month == rules.MesFeriados || !rules.FeriadosOk3) {
        return false;
    }
    for (int day = 1; day <= HolidayDays; ++day) {
        auto slot = [&](int s) -> std::int16_t& {
            return rules.Feriados[static_cast<std::size_t>(holidayIndex(day, s))];
        };
        slot(1) = slot(2);
        slot(2) = slot(3);
        slot(3) = 0;
    }
    rules.MesFeriados = month;
    rules.FeriadosOk1 = rules.FeriadosOk2;
    rules.FeriadosOk2 = rules.FeriadosOk3;
    rules.FeriadosOk3 = false;
    return true;
}

bool holidayEditorDue(const GeneralRulesRecord& rules, std::chrono::year_month_day today)
{
    if (!rules.FeriadosOk2) {
        return true;
    }
    return static_cast<unsigned>(today.day()) > 14 && !rules.FeriadosOk3;
}

bool advanceHolidayMonths(AppState& state)
{
    const std::chrono::year_month_day today(workingDay(state));
    auto& rules = state.records().rules();
    if (shiftHolidayMonths(rules, today)) {
        state.saveRules();
    }
    refreshMinimumTerm(state);
    return holidayEditorDue(rules, today);
}

void refreshMinimumTerm(AppState& state)
{
    state.PrazoMinimo = minimumTerm(state.records().rules(), workingDay(state));
}

} // namespace tavolim::core
