#pragma once

#include <cstdint>
#include <optional>

namespace tavolim::core {

class AppState;
class PositionFile;

// The position record that today's entries are counted in. When the current day has not
// been rolled yet, the date-change check runs (it restarts the day when the calendar
// moved on) and, if the day is still missing, the file is rolled to it. nullopt only when
// the file cannot be brought up to the day.
std::optional<std::int32_t> locateTodayRecord(AppState& state, const PositionFile& file);

} // namespace tavolim::core
