#include "core/rules/RuleCells.h"

#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tavolim::core {
namespace {

constexpr const char* kNotANumber = "O valor digitado não é um número.";
constexpr const char* kNegative = "O valor não pode ser negativo.";

// Sign and digits of a typed whole number, or the refusal.
CellValue<std::int64_t> wholeNumber(std::string_view typed)
{
    const std::string text = trim(typed);
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return CellRefusal{kNotANumber};
    }
    if (negative && digits.find_first_not_of('0') != std::string_view::npos) {
        return CellRefusal{kNegative};
    }
    // Past 18 digits it fits no field, whatever it is.
    const auto significant = digits.substr(std::min(digits.size(), digits.find_first_not_of('0')));
    if (significant.size() > 18) {
        return std::int64_t{999'999'999'999'999'999};
    }
    std::int64_t value = 0;
    std::from_chars(significant.data(), significant.data() + significant.size(), value);
    return value;
}

// Money typed with "," or "." as the decimal point (a "R$" in front is allowed), in cents.
CellValue<std::int64_t> moneyCents(std::string_view typed)
{
    std::string text = trim(typed);
    if (text.rfind("R$", 0) == 0) {
        text = trim(std::string_view(text).substr(2));
    }
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view body = std::string_view(text).substr(negative ? 1 : 0);
    const bool digitsOnly = !body.empty() && std::all_of(body.begin(), body.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ',' || c == '.';
    });
    if (!digitsOnly || body.find_first_of("0123456789") == std::string_view::npos) {
        return CellRefusal{kNotANumber};
    }
    // Whole digits beyond what any price may hold need not be read.
    const auto point = body.find_last_of(",.");
    const auto whole = body.substr(0, point);
    if (std::count_if(whole.begin(), whole.end(), [](char c) { return c != ',' && c != '.'; }) >
        12) {
        return negative ? CellValue<std::int64_t>{CellRefusal{kNegative}}
                        : CellValue<std::int64_t>{std::int64_t{999'999'999'999'999}};
    }
    const auto cents = parseMoney(body).roundedCents();
    if (negative && cents != 0) {
        return CellRefusal{kNegative};
    }
    return cents;
}

template <class T>
CellValue<T> inRange(const CellValue<std::int64_t>& typed, std::int64_t low, std::int64_t high,
                     const std::string& belowLow, const std::string& aboveHigh)
{
    if (const auto* refusal = std::get_if<CellRefusal>(&typed)) {
        return *refusal;
    }
    const std::int64_t value = std::get<std::int64_t>(typed);
    if (value < low) {
        return CellRefusal{belowLow};
    }
    if (value > high) {
        return CellRefusal{aboveHigh};
    }
    return static_cast<T>(value);
}

CellValue<Money> moneyInRange(std::string_view text, std::int64_t lowCents,
                              const std::string& belowLow)
{
    const auto cents = inRange<std::int64_t>(moneyCents(text), lowCents, kMaxRuleMoneyCents,
                                             belowLow, "O valor não pode passar de R$ 99.999,99.");
    if (const auto* refusal = std::get_if<CellRefusal>(&cents)) {
        return *refusal;
    }
    return Money::fromCents(std::get<std::int64_t>(cents));
}

} // namespace

CellValue<Money> typedPrice(std::string_view text)
{
    return moneyInRange(text, 1, "O valor da diária nao pode ser nulo.");
}

CellValue<Money> typedFineValue(std::string_view text)
{
    return moneyInRange(text, 0, kNegative);
}

CellValue<int> typedTerm(std::string_view text)
{
    // A term typed negative is below one day like 0 is; the text says what is wanted.
    auto typed = wholeNumber(text);
    if (const auto* refusal = std::get_if<CellRefusal>(&typed);
        refusal && refusal->text == kNegative) {
        typed = std::int64_t{0};
    }
    return inRange<int>(typed, 1, kMaxTermDays, "O prazo deve ser no mínimo de um dia.",
                        "O prazo não pode passar de 9999 dias.");
}

CellValue<int> typedMaxDays(std::string_view text)
{
    return inRange<int>(wholeNumber(text), 0, kMaxTermDays, kNegative,
                        "O número máximo de dias não pode passar de 9999.");
}

CellValue<int> typedFineTime(std::string_view text)
{
    return inRange<int>(wholeNumber(text), 0, kMaxTermDays, kNegative,
                        "O tempo da multa não pode passar de 9999.");
}

CellValue<std::int32_t> typedReceiptNumber(std::string_view text)
{
    return inRange<std::int32_t>(wholeNumber(text), 0, 2'147'483'647, kNegative,
                                 "O número do recibo não pode passar de 2147483647.");
}

CellValue<int> typedFreebieCount(std::string_view text)
{
    return inRange<int>(wholeNumber(text), 1, 15, "O número de fitas não pode ser nulo.",
                        "O número de fitas não pode ser maior que 15.");
}

CellValue<int> typedFreebieUnits(std::string_view text)
{
    return inRange<int>(wholeNumber(text), 1, 15, "O número de brindes não pode ser nulo.",
                        "O número de brindes não pode ser maior que 15.");
}

CellValue<int> typedFreebieLimit(std::string_view text, int every)
{
    if (trim(text).empty()) {
        return every;
    }
    return inRange<int>(wholeNumber(text), every, 15,
                        "O número máximo não pode ser menor que o número de fitas.",
                        "O número máximo não pode ser maior que 15.");
}

std::string moneyCellText(Money value)
{
    return formatMoneyPlain(value);
}

} // namespace tavolim::core
