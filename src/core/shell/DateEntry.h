#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

// The date prompt keeps its box in the form "dd/mm/yyyy" while the operator types.

inline constexpr std::string_view kInvalidDate = "Data Inválida!";

// The box text after `typed` is typed at its end: "-", "." and "," count as "/", a "/"
// follows a two-digit day and month by itself, and nothing goes past the year's four digits.
// A refused character leaves the text as it was.
std::string typeDateChar(std::string_view text, char typed);

// The date in the box; nullopt for the empty mask and for a text that is not a date.
std::optional<std::chrono::year_month_day> readDateEntry(std::string_view text);

// "dd/mm/yyyy".
std::string dateEntryText(std::chrono::year_month_day date);

} // namespace tavolim::core
