#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;
struct DailyTotalsRecord;

inline constexpr std::string_view kDailySummaryTitle = "Resumo do Dia";

// The daily summary of a day's totals, one item per line (lines end in "\n"): the counters,
// the amounts by kind, what came in and what went on account, and the averages per person.
// An average over no rental or no sale is 0.
std::string dailySummaryText(const DailyTotalsRecord& totals);

// mnuHistResumoDia: saves CaixaDia, runs the date-change check (a new day shows its own
// zeros) and gives the summary of the current day. nullopt, after telling the operator,
// when the totals could not be saved.
std::optional<std::string> dailySummary(AppState& state);

} // namespace tavolim::core
