#pragma once

#include <cstdint>
#include <optional>

namespace tavolim::core {

class AppState;
class PositionFile;

// The position record that today's entries are counted in; a file not yet rolled to the
// current day is rolled first. Callers run the date-change check before calling into the books,
// so the current day is the calendar's. nullopt only when the file cannot be brought up to the
// day.
std::optional<std::int32_t> locateTodayRecord(AppState& state, const PositionFile& file);

} // namespace tavolim::core
