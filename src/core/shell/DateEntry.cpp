#include "core/shell/DateEntry.h"

#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {

std::string typeDateChar(std::string_view text, char typed)
{
    std::string out(text);
    const auto slashes = std::count(out.begin(), out.end(), '/');
    const auto lastSlash = out.rfind('/');
    const std::size_t fieldLength =
        lastSlash == std::string::npos ? out.size() : out.size() - lastSlash - 1;

    if (typed == '-' || typed == '.' || typed == ',') {
        typed = '/';
    }
    if (typed == '/') {
        // Closes a day or month of one digit; an empty field or a third slash is refused.
        if (slashes < 2 && fieldLength > 0) {
            out += '/';
        }
        return out;
    }
    if (typed < '0' || typed > '9') {
        return out;
    }
    const std::size_t maxLength = slashes < 2 ? 2 : 4;
    if (fieldLength >= maxLength) {
        return out;
    }
    out += typed;
    if (slashes < 2 && fieldLength + 1 == 2) {
        out += '/';
    }
    return out;
}

std::optional<std::chrono::year_month_day> readDateEntry(std::string_view text)
{
    const std::string trimmed = trim(text);
    if (trimmed.empty() || trimmed == "/  /") {
        return std::nullopt;
    }
    return toYmd(textToDate(trimmed));
}

std::string dateEntryText(std::chrono::year_month_day date)
{
    return dateToText(fromYmd(date));
}

} // namespace tavolim::core
