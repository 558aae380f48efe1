#pragma once

#include "core/store/Money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tavolim::core {

// What the rules editor's boxes and grid cells accept. A value is taken or refused with the
// text the operator is shown; nothing is stored on a refusal. Every value must fit its record
// field: terms and days are Ints, the receipt number a Long, money a Single with its cents.

// A refusal: the message to show.
struct CellRefusal {
    std::string text;

    bool operator==(const CellRefusal&) const = default;
};

template <class T>
using CellValue = std::variant<T, CellRefusal>;

template <class T>
const T* accepted(const CellValue<T>& value)
{
    return std::get_if<T>(&value);
}

inline constexpr std::int64_t kMaxRuleMoneyCents = 9'999'999; // R$ 99.999,99
inline constexpr int kMaxTermDays = 9999;

// A daily price: more than 0, at most R$ 99.999,99; "," or "." as the decimal point.
CellValue<Money> typedPrice(std::string_view text);
// The fine value: 0 allowed here (OK refuses it while fines are charged).
CellValue<Money> typedFineValue(std::string_view text);
// A term in days: 1 to 9999.
CellValue<int> typedTerm(std::string_view text);
// The longest term of a label: 0 to 9999 (OK refuses 0).
CellValue<int> typedMaxDays(std::string_view text);
// The length of a fine period: 0 (no fine) to 9999.
CellValue<int> typedFineTime(std::string_view text);
// The last receipt number: 0 up to the largest Long.
CellValue<std::int32_t> typedReceiptNumber(std::string_view text);
// The tapes a freebie rule counts ("A cada"): 1 to 15.
CellValue<int> typedFreebieCount(std::string_view text);
// The free tapes a rule grants: 1 to 15.
CellValue<int> typedFreebieUnits(std::string_view text);
// The count a freebie rule repeats up to: empty for none, else `every` to 15.
CellValue<int> typedFreebieLimit(std::string_view text, int every);

// How the editor shows them: money "0.00" with a decimal comma, whole numbers plainly.
std::string moneyCellText(Money value);

} // namespace tavolim::core
