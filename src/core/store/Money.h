#pragma once

#include <compare>
#include <cstdint>

namespace tavolim::core {

// An exact amount of money in thousandths of a real. The files hold money as a 4-byte float;
// conversion happens only at the record boundary (fromSingle/toSingle), so sums and
// comparisons in memory never drift: a payment equal to the total compares equal.
//
// A damaged Single can hold anything: amounts stay within +-Limit, and sums and products of
// damaged amounts stop there instead of overflowing.
class Money {
public:
    // 2^49 reais (about 563 trillion), in thousandths: far inside the int64 range, and a Single
    // holds it exactly, so an amount stopped there reads back the same after a write.
    static constexpr std::int64_t Limit = (std::int64_t{1} << 49) * 1000;

    constexpr Money() = default;

    static constexpr Money fromThousandths(std::int64_t t) { return Money(clamp(t)); }
    static constexpr Money fromCents(std::int64_t c) { return fromThousandths(c) * 10; }
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
    // Both within +-Limit, so the sum cannot overflow before it is clamped.
    constexpr Money operator+(Money o) const
    {
        return Money(clamp(m_thousandths + o.m_thousandths));
    }
    constexpr Money operator-(Money o) const
    {
        return Money(clamp(m_thousandths - o.m_thousandths));
    }
    constexpr Money operator*(std::int64_t k) const
    {
        if (m_thousandths == 0 || k == 0) {
            return Money();
        }
        const bool negative = (m_thousandths < 0) != (k < 0);
        const std::int64_t a = m_thousandths < 0 ? -m_thousandths : m_thousandths;
        // |k| > Limit would overflow its own negation; any such factor is past the limit anyway.
        if (k > Limit || k < -Limit || a > Limit / (k < 0 ? -k : k)) {
            return Money(negative ? -Limit : Limit);
        }
        return Money(m_thousandths * k);
    }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t t) : m_thousandths(t) {}
    static constexpr std::int64_t clamp(std::int64_t t)
    {
        return t > Limit ? Limit : (t < -Limit ? -Limit : t);
    }
    std::int64_t m_thousandths = 0;
};

} // namespace tavolim::core
