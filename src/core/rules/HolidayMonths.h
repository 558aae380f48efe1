#pragma once

#include <chrono>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;

// The holiday calendar keeps three month slots around MesFeriados. When the month changes
// the slots move one month forward, but only once next month's holidays were entered
// (FeriadosOk3): a calendar never filled in is left for the holiday editor to set up.
// Returns true when the slots moved; the caller writes the rules record.
bool shiftHolidayMonths(GeneralRulesRecord& rules, std::chrono::year_month_day today);

// The holiday editor must be opened: this month's holidays were never entered, or after the
// 14th next month's are still missing.
bool holidayEditorDue(const GeneralRulesRecord& rules, std::chrono::year_month_day today);

// AdvanceHolidayMonths, run when the business day starts: moves the calendar to the working
// date (writing the rules record when it moved) and computes state.PrazoMinimo. Returns true
// when the caller must open the holiday editor; after it closes, call refreshMinimumTerm.
bool advanceHolidayMonths(AppState& state);

// Recomputes state.PrazoMinimo from the current rules record and the working date.
void refreshMinimumTerm(AppState& state);

} // namespace tavolim::core
