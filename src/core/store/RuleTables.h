#pragma once

#include <cstdint>

namespace tavolim::core {

// Indexing of the 45-element rule tables (3 day classes x 15 tape counts) and of the holiday
// calendar. Day class: 1 = Sunday to Thursday, 2 = Friday, 3 = Saturday. Count: tapes counted
// in the rental, 1..15. Out-of-range arguments are clamped, so a bad value read from a file
// can never index outside a table.

inline constexpr int DayClasses = 3;
inline constexpr int MaxRuleCount = 15;
inline constexpr int RuleTableSize = DayClasses * MaxRuleCount;
inline constexpr int HolidayDays = 31;
inline constexpr int HolidayMonthSlots = 3;
inline constexpr int HolidayTableSize = HolidayDays * HolidayMonthSlots;

namespace detail {
constexpr int clampTo(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}
} // namespace detail

// Count-major order, used by every Diarias, Prazos, Brindes and Promocoes table except the
// general terms: count 1 for classes 1, 2, 3, then count 2, ...
constexpr int classByCountIndex(int dayClass, int count)
{
    return (detail::clampTo(count, 1, MaxRuleCount) - 1) * DayClasses +
           (detail::clampTo(dayClass, 1, DayClasses) - 1);
}

// Class-major order of PrazosGerais in the general rules: 15 counts of class 1, then class 2, ...
constexpr int generalTermIndex(int dayClass, int count)
{
    return (detail::clampTo(dayClass, 1, DayClasses) - 1) * MaxRuleCount +
           (detail::clampTo(count, 1, MaxRuleCount) - 1);
}

// Feriados: day of month 1..31 by month slot 1..3 (slot 2 is MesFeriados, 1 the month before,
// 3 the month after).
constexpr int holidayIndex(int day, int monthSlot)
{
    return (detail::clampTo(day, 1, HolidayDays) - 1) * HolidayMonthSlots +
           (detail::clampTo(monthSlot, 1, HolidayMonthSlots) - 1);
}

enum class FreebieKind {
    None = 0,
    AnyTape = 1,
    Label = 2, // tapes of the label named by `code`
    Media = 3, // tapes of the media named by `code`
};

// A freebie code as stored in a Brindes table: bits 0-3 free units, bits 4-11 a label or media
// code, bits 12-13 the kind. Bits 14-15 carry nothing and are ignored.
struct FreebieCode {
    int units = 0;
    int code = 0;
    FreebieKind kind = FreebieKind::None;

    static constexpr FreebieCode decode(std::int16_t stored)
    {
        const auto bits = static_cast<std::uint16_t>(stored);
        return {bits & 0xF, (bits >> 4) & 0xFF, static_cast<FreebieKind>((bits >> 12) & 0x3)};
    }

    constexpr std::int16_t encode() const
    {
        return static_cast<std::int16_t>((units & 0xF) | ((code & 0xFF) << 4) |
                                         ((static_cast<int>(kind) & 0x3) << 12));
    }

    // Stored 0 is the documented "nothing"; units without a kind, or a kind without units,
    // have nothing to hand out either.
    constexpr bool grantsNothing() const { return units == 0 || kind == FreebieKind::None; }

    constexpr bool operator==(const FreebieCode&) const = default;
};

} // namespace tavolim::core
