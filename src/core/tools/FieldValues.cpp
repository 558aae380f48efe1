#include "core/tools/FieldValues.h"

#include "core/store/RecordCodec.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace tavolim::core {
namespace {

template <class T>
T decodeAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    T value{};
    RecordDecoder decoder(bytes);
    decoder.field({}, offset, value);
    return value;
}

} // namespace

std::int16_t typedWholeNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), 100000);
    }
    return static_cast<std::int16_t>(
        std::clamp<std::int64_t>(negative ? -value : value, -32768, 32767));
}

Scalar typedScalar(const FieldInfo& field, const ValueBox& value)
{
    Scalar s;
    const std::string& text = value.txtConteudo;
    switch (field.type) {
    case FieldType::Date:
        s.integer = textToDate(text);
        break;
    case FieldType::Time:
        s.integer = textToTime(text);
        break;
    case FieldType::Cep:
        s.integer = textToCep(text);
        break;
    case FieldType::Number:
        s.integer = typedWholeNumber(text);
        break;
    case FieldType::Quantity:
        s.quantity = static_cast<float>(moneyTextToNumber(text));
        break;
    case FieldType::Money:
        s.money = parseMoney(text);
        break;
    case FieldType::YesNo:
        s.integer = value.Option1 ? 1 : 0;
        break;
    case FieldType::List:
        s.integer = std::clamp(value.cboConteudo, 0, 32767);
        break;
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::Synopsis:
        break;
    }
    return s;
}

Scalar clearedScalar(FieldType type)
{
    Scalar s;
    if (type == FieldType::Date) {
        s.integer = kClearedDate;
    }
    return s;
}

Scalar rawScalar(FieldType type, std::span<const std::uint8_t> bytes, std::size_t offset)
{
    Scalar s;
    switch (type) {
    case FieldType::Date:
    case FieldType::Cep:
    case FieldType::Memo:
    case FieldType::Synopsis:
        s.integer = decodeAt<std::int32_t>(bytes, offset);
        break;
    case FieldType::Time:
    case FieldType::Number:
    case FieldType::List:
        s.integer = decodeAt<std::int16_t>(bytes, offset);
        break;
    case FieldType::YesNo:
        s.integer = decodeAt<bool>(bytes, offset) ? 1 : 0;
        break;
    case FieldType::Quantity:
        s.quantity = decodeAt<float>(bytes, offset);
        break;
    case FieldType::Money:
        s.money = decodeAt<Money>(bytes, offset);
        break;
    case FieldType::Text:
        break;
    }
    return s;
}

Scalar scalarOf(const FieldRef& ref)
{
    Scalar s;
    if (const auto* p = std::get_if<std::int16_t*>(&ref)) {
        s.integer = **p;
    } else if (const auto* p32 = std::get_if<std::int32_t*>(&ref)) {
        s.integer = **p32;
    } else if (const auto* b = std::get_if<bool*>(&ref)) {
        s.integer = **b ? 1 : 0;
    } else if (const auto* f = std::get_if<float*>(&ref)) {
        s.quantity = **f;
    } else if (const auto* m = std::get_if<Money*>(&ref)) {
        s.money = **m;
    }
    return s;
}

void setScalar(const FieldRef& ref, const Scalar& value)
{
    if (const auto* p = std::get_if<std::int16_t*>(&ref)) {
        **p = static_cast<std::int16_t>(std::clamp<std::int64_t>(value.integer, -32768, 32767));
    } else if (const auto* p32 = std::get_if<std::int32_t*>(&ref)) {
        **p32 = static_cast<std::int32_t>(value.integer);
    } else if (const auto* b = std::get_if<bool*>(&ref)) {
        **b = value.integer != 0;
    } else if (const auto* f = std::get_if<float*>(&ref)) {
        **f = value.quantity;
    } else if (const auto* m = std::get_if<Money*>(&ref)) {
        **m = value.money;
    }
}

} // namespace tavolim::core
