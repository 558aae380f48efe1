#include "core/rules/StoreCalendar.h"

#include "core/ports/Clock.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/RuleTables.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kMaxClosedRun = 366;

unsigned monthOf(sys_days date)
{
    return static_cast<unsigned>(year_month_day(date).month());
}

} // namespace

sys_days workingDay(const AppState& state)
{
    if (state.DataDia.ok()) {
        return state.DataDia;
    }
    return state.ports().clock.today();
}

int dayClass(sys_days date)
{
    const std::chrono::weekday w(date);
    if (w == std::chrono::Friday) {
        return 2;
    }
    if (w == std::chrono::Saturday) {
        return 3;
    }
    return 1;
}

int dayClass(std::string_view dateText, sys_days today)
{
    if (trim(dateText).empty()) {
        return dayClass(today);
    }
    const auto date = toYmd(textToDate(dateText));
    return date ? dayClass(sys_days(*date)) : 1;
}

int holidayMonthSlot(sys_days date, sys_days today)
{
    if (monthOf(date) == monthOf(today)) {
        return 2;
    }
    return date > today ? 3 : 1;
}

bool isHoliday(const GeneralRulesRecord& rules, sys_days date, sys_days today)
{
    const auto day = static_cast<int>(static_cast<unsigned>(year_month_day(date).day()));
    const auto index = holidayIndex(day, holidayMonthSlot(date, today));
    return rules.Feriados[static_cast<std::size_t>(index)] == -1;
}

bool isOpenDay(const GeneralRulesRecord& rules, sys_days date, sys_days today)
{
    if (isHoliday(rules, date, today)) {
        return false;
    }
    const std::chrono::weekday w(date);
    if (w == std::chrono::Sunday && !rules.AbreDomingo) {
        return false;
    }
    return !(w == std::chrono::Saturday && !rules.AbreSabado);
}

int nextOpenDays(const GeneralRulesRecord& rules, sys_days today, sys_days base, int days)
{
    for (int extra = 0; extra <= kMaxClosedRun; ++extra) {
        if (isOpenDay(rules, base + std::chrono::days(days + extra), today)) {
            return days + extra;
        }
    }
    return days;
}

int minimumTerm(const GeneralRulesRecord& rules, sys_days today)
{
    return nextOpenDays(rules, today, today, 1);
}

} // namespace tavolim::core
