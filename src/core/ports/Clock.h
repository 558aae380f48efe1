#pragma once

#include <chrono>

namespace tavolim::core {

class Clock {
public:
    virtual ~Clock() = default;

    virtual std::chrono::year_month_day today() const = 0;
    // Time of day, from midnight.
    virtual std::chrono::minutes timeOfDay() const = 0;
};

} // namespace tavolim::core
