#pragma once

namespace tavolim::core {

class AppState;

// The start of the business day. A restart (the calendar moved on under a running program)
// first saves the old day's totals under the old day. Then the current day (DataDia)
// becomes the clock's date, the daily totals and the books are rolled up to it, CaixaDia is
// loaded, the holiday hook runs, expired reservations are removed ("Removendo Reservas
// Antigas..."), the synopsis and memo stores are compacted when more than 50 blocks were
// abandoned, and the menus hook runs. A clock behind the last day held writes no roll and
// shows "A data do sistema regrediu..." once.
void startDay(AppState& state, bool restart);

// Run before any operation that writes the books: when the clock's date is no longer the
// current day, warns and restarts the day, unless the operator put the clock back while
// the warning was shown. Returns true when the day was restarted.
bool checkDateChange(AppState& state);

// What counter work checks before it writes the books, after the date-change check: a program
// open only for looking, and a current day earlier than the first day the books hold (a clock
// put back before the store began), are refused with their messages. True when refused.
bool refuseCounterWork(AppState& state);

} // namespace tavolim::core
