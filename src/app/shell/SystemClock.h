#pragma once

#include "core/ports/Clock.h"

namespace tavolim::app {

// The computer's local date and time.
class SystemClock final : public core::Clock {
public:
    std::chrono::year_month_day today() const override;
    std::chrono::minutes timeOfDay() const override;
};

} // namespace tavolim::app
