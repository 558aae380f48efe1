#pragma once

#include <chrono>
#include <string_view>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;

// The store's calendar as the rules see it: day classes, holidays and opening days. `today`
// is always the program's working date, never the clock's: the holiday calendar is kept
// relative to it.

// The working date: the current business day once it has started, else the clock's date.
std::chrono::sys_days workingDay(const AppState& state);

// Day class of the rule tables: 1 = Sunday to Thursday, 2 = Friday, 3 = Saturday.
int dayClass(std::chrono::sys_days date);
// Of the date written in `dateText` ("dd/mm/yyyy"), or of today when the text is empty.
// Text that is not a date is class 1.
int dayClass(std::string_view dateText, std::chrono::sys_days today);

// The holiday calendar holds three months: slot 2 is today's month, 3 the next, 1 the one
// before. A date of today's month number is slot 2, another later date slot 3, another
// earlier one slot 1; years are not compared.
int holidayMonthSlot(std::chrono::sys_days date, std::chrono::sys_days today);
bool isHoliday(const GeneralRulesRecord& rules, std::chrono::sys_days date,
               std::chrono::sys_days today);

// Not a holiday, and not a Saturday or Sunday on which the store stays closed.
bool isOpenDay(const GeneralRulesRecord& rules, std::chrono::sys_days date,
               std::chrono::sys_days today);

// `days` raised until base + days is a day the store is open. A calendar closed for more
// than a year running (a damaged file) leaves `days` as given rather than looping.
int nextOpenDays(const GeneralRulesRecord& rules, std::chrono::sys_days today,
                 std::chrono::sys_days base, int days);

// PrazoMinimo: the shortest term a rental can have, the days from today to the next day the
// store is open.
int minimumTerm(const GeneralRulesRecord& rules, std::chrono::sys_days today);

} // namespace tavolim::core
