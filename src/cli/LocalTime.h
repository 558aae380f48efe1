#pragma once

#include <chrono>
#include <ctime>

namespace tavolim::cli {

// The store's calendar and clock are the local ones.
std::tm localTime();
std::chrono::year_month_day localToday();

} // namespace tavolim::cli
