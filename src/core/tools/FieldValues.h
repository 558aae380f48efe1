#pragma once

#include "core/store/Money.h"
#include "core/tools/DataFields.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tavolim::core {

// The value controls of the data tool windows as the operator leaves them: the typed text
// (txtConteudo), the list entry chosen (cboConteudo: position + 1, 0 = none) and the option
// pair (Option1 true, Option2 false).
struct ValueBox {
    std::string txtConteudo;
    int cboConteudo = 0;
    bool Option1 = true;
};

// A stored value that is no text, widened so one type compares and assigns every kind: Int,
// Long and Bool (true = 1) as an integer, money exact, quantities as the Single they are.
struct Scalar {
    std::int64_t integer = 0;
    Money money;
    float quantity = 0;

    bool operator==(const Scalar&) const = default;
};

// The value given for a field that is no text, converted as the register converts it:
// dates, times and the CEP through the text helpers (what is not a date or time gives 0),
// money with either decimal point, numbers as whole numbers, the option pair, the list
// position. Textual fields give 0.
Scalar typedScalar(const FieldInfo& field, const ValueBox& value);

// The cleared value: dates 01/01/1900, everything else 0 or false.
Scalar clearedScalar(FieldType type);

inline constexpr std::int32_t kClearedDate = 1011900; // 01/01/1900

// The field of type `type` read straight from a record's bytes at `offset`.
Scalar rawScalar(FieldType type, std::span<const std::uint8_t> bytes, std::size_t offset);

// A record field reached by the name its record gives it.
using FieldRef =
    std::variant<std::monostate, std::string*, std::int16_t*, std::int32_t*, bool*, float*, Money*>;

namespace detail {
struct RefFinder {
    std::string_view wanted;
    FieldRef found;

    template <class V>
    void field(std::string_view name, std::size_t, V& value)
    {
        if (name == wanted) {
            found = &value;
        }
    }
    void text(std::string_view name, std::size_t, std::size_t, std::string& value)
    {
        if (name == wanted) {
            found = &value;
        }
    }
    template <class V, std::size_t N>
    void array(std::string_view, std::size_t, std::array<V, N>&)
    {
    }
    template <std::size_t N>
    void textArray(std::string_view, std::size_t, std::size_t, std::array<std::string, N>&)
    {
    }
};
} // namespace detail

// Monostate when the record has no such field.
template <class R>
FieldRef fieldRef(R& record, std::string_view recordField)
{
    detail::RefFinder finder{recordField, {}};
    R::fields(record, finder);
    return finder.found;
}

Scalar scalarOf(const FieldRef& ref);
// Int fields take the value clamped to their range.
void setScalar(const FieldRef& ref, const Scalar& value);

// Whole number as typed: leading spaces and sign, then the digits up to the first other
// character; clamped to the Int range ("12a" gives 12, "abc" 0).
std::int16_t typedWholeNumber(std::string_view text);

} // namespace tavolim::core
