#include "core/store/Money.h"

#include <cmath>

namespace tavolim::core {

Money Money::fromReais(double reais)
{
    if (!std::isfinite(reais)) {
        return Money();
    }
    // A damaged Single can hold anything; keep far inside the int64 range.
    constexpr double limit = static_cast<double>(Limit) / 1000.0;
    if (reais > limit) {
        reais = limit;
    } else if (reais < -limit) {
        reais = -limit;
    }
    return fromThousandths(std::llround(reais * 1000.0));
}

std::int64_t Money::roundedCents() const
{
    const std::int64_t t = m_thousandths;
    return t >= 0 ? (t + 5) / 10 : -((-t + 5) / 10);
}

} // namespace tavolim::core
