#pragma once

#include <compare>
#include <cstdint>

namespace tavolim::core {

// An exact amount of money in thousandths of a real. The files hold money as a 4-byte float;
// conversion happens only at the record boundary (fromSingle/toSingle), so sums and
// comparisons in memory never drift: a payment equal to the total compares equal.
class Money {
public:
    constexpr Money() = default;

    static constexpr Money fromThousandths(std::int64_t t) { return Money(t); }
    static constexpr Money fromCents(std::int64_t c) { return Money(c * 10); }
    // Rounds to the nearest thousandth, halves away from zero.
    static Money fromReais(double reais);
    static Money fromSingle(float value) { return fromReais(static_cast<double>(value)); }

    constexpr std::int64_t thousandths() const { return m_thousandths; }
    double toDouble() const { return static_cast<double>(m_thousandths) / 1000.0; }
    float toSingle() const { return static_cast<float>(toDouble()); }
    // The amount rounded to whole cents, halves away from zero (what a money mask shows).
    std::int64_t roundedCents() const;

    constexpr bool isZero() const { return m_thousandths == 0; }
    constexpr bool isPositive() const { return m_thousandths > 0; }
    constexpr bool isNegative() const { return m_thousandths < 0; }

    constexpr Money operator-() const { return Money(-m_thousandths); }
    constexpr Money operator+(Money o) const { return Money(m_thousandths + o.m_thousandths); }
    constexpr Money operator-(Money o) const { return Money(m_thousandths - o.m_thousandths); }
    constexpr Money operator*(std::int64_t k) const { return Money(m_thousandths * k); }
    constexpr Money& operator+=(Money o)
    {
        m_thousandths += o.m_thousandths;
        return *this;
    }
    constexpr Money& operator-=(Money o)
    {
        m_thousandths -= o.m_thousandths;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t t) : m_thousandths(t) {}
    std::int64_t m_thousandths = 0;
};

} // namespace tavolim::core
