#pragma once

#include <chrono>
#include <optional>

namespace tavolim::core {

class AppState;
class Backup;

// Whether "FlagsAskBak" offers a backup today. Its mode bits (value AND 48): 0 when today
// is not the last backup's day; 16 when N = value AND 15 days have passed since it; 32 on
// weekday N (1 = Sunday) unless the last backup was today; 48 never. No known last backup
// counts as long ago.
bool backupDueToday(int flags, std::chrono::year_month_day today,
                    std::optional<std::chrono::year_month_day> lastBackup);

// The first step of closing: offers the backup when the operator may make one, the option
// asks for it and the schedule says so. False when the operator cancelled the exit.
bool queryExit(AppState& state, Backup& backup);

// The last step: writes the general rules record, the seven receipt print choices and the
// day's totals.
void finishExit(AppState& state);

} // namespace tavolim::core
