#include "core/registers/TypedNumbers.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RuleCells.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

constexpr const char* kNotANumber = "O valor digitado não é um número.";

bool numberShape(std::string_view text)
{
    const bool signedText = !text.empty() && text.front() == '-';
    const auto body = text.substr(signedText ? 1 : 0);
    return body.find_first_of("0123456789") != std::string_view::npos &&
           std::all_of(body.begin(), body.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; });
}

std::optional<double> typedDecimal(std::string_view typed, double low, double high,
                                   Dialogs& dialogs)
{
    const std::string text = trim(typed);
    if (text.empty()) {
        return 0.0;
    }
    if (!numberShape(text)) {
        dialogs.message(kNotANumber, msg::Exclamation);
        return std::nullopt;
    }
    const bool negative = text.front() == '-';
    const double value = (negative ? -1 : 1) * moneyTextToNumber(text.substr(negative ? 1 : 0));
    if (value < low) {
        dialogs.message("O valor não pode ser menor que " + formatMoney(Money::fromReais(low)) +
                            ".",
                        msg::Exclamation);
        return std::nullopt;
    }
    if (value > high) {
        dialogs.message("O valor não pode passar de " + formatMoney(Money::fromReais(high)) + ".",
                        msg::Exclamation);
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<Money> typedAmount(std::string_view text, Dialogs& dialogs)
{
    if (trim(text).empty()) {
        return Money();
    }
    const auto typed = typedFineValue(text);
    if (const auto* refused = std::get_if<CellRefusal>(&typed)) {
        dialogs.message(refused->text, msg::Exclamation);
        return std::nullopt;
    }
    return *accepted(typed);
}

std::optional<float> typedQuantity(std::string_view text, Dialogs& dialogs)
{
    const auto value = typedDecimal(text, -999999.0, 999999.0, dialogs);
    return value ? std::optional<float>(static_cast<float>(*value)) : std::nullopt;
}

std::optional<float> typedPercent(std::string_view text, Dialogs& dialogs)
{
    const auto value = typedDecimal(text, 0.0, 100.0, dialogs);
    return value ? std::optional<float>(static_cast<float>(*value)) : std::nullopt;
}

} // namespace tavolim::core
