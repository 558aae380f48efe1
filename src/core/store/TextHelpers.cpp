#include "core/store/TextHelpers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tavolim::core {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Runs of digits of the text, each as a number (at most 9 digits kept per run).
std::vector<std::pair<long, int>> digitRuns(std::string_view text)
{
    std::vector<std::pair<long, int>> runs;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isDigit(text[i])) {
            ++i;
            continue;
        }
        long value = 0;
        int length = 0;
        while (i < text.size() && isDigit(text[i])) {
            if (length < 9) {
                value = value * 10 + (text[i] - '0');
            }
            ++length;
            ++i;
        }
        runs.emplace_back(value, length);
    }
    return runs;
}

std::string groupThousands(std::int64_t whole)
{
    std::string digits = std::to_string(whole);
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += '.';
        }
        out += digits[static_cast<std::size_t>(i)];
    }
    return out;
}

std::string formatCents(std::int64_t cents, bool grouped)
{
    const bool negative = cents < 0;
    const std::int64_t abs = negative ? -cents : cents;
    const std::int64_t whole = abs / 100;
    const std::int64_t frac = abs % 100;
    std::string out = negative ? "-" : "";
    out += grouped ? groupThousands(whole) : std::to_string(whole);
    out += ',';
    out += static_cast<char>('0' + frac / 10);
    out += static_cast<char>('0' + frac % 10);
    return out;
}

} // namespace

std::string dateToText(std::int32_t ddmmyyyy)
{
    char buf[16];
    const long v = ddmmyyyy < 0 ? -static_cast<long>(ddmmyyyy) : ddmmyyyy;
    std::snprintf(buf, sizeof buf, "%08ld", v);
    std::string digits = buf;
    const std::size_t n = digits.size();
    std::string out = (ddmmyyyy < 0 ? "-" : "") + digits.substr(0, n - 6) + "/" +
                      digits.substr(n - 6, 2) + "/" + digits.substr(n - 4);
    return out;
}

std::string dateToScreen(std::int32_t ddmmyyyy)
{
    return ddmmyyyy == 0 ? std::string() : dateToText(ddmmyyyy);
}

std::optional<std::chrono::year_month_day> toYmd(std::int32_t ddmmyyyy)
{
    if (ddmmyyyy <= 0) {
        return std::nullopt;
    }
    const int day = ddmmyyyy / 1000000;
    const int month = (ddmmyyyy / 10000) % 100;
    const int year = ddmmyyyy % 10000;
    // chrono keeps a day or month in one byte: 257 would read back as 1.
    if (day > 31 || month > 12) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok() || year < 100) {
        return std::nullopt;
    }
    return ymd;
}

std::int32_t fromYmd(std::chrono::year_month_day date)
{
    if (!date.ok()) {
        return 0;
    }
    const int year = static_cast<int>(date.year());
    if (year < 0 || year > 9999) {
        return 0;
    }
    return static_cast<std::int32_t>(static_cast<unsigned>(date.day())) * 1000000 +
           static_cast<std::int32_t>(static_cast<unsigned>(date.month())) * 10000 + year;
}

std::int32_t textToDate(std::string_view text)
{
    const auto runs = digitRuns(text);
    if (runs.size() != 3) {
        return 0;
    }
    const long day = runs[0].first;
    const long month = runs[1].first;
    long year = runs[2].first;
    if (runs[0].second > 2 || runs[1].second > 2 || runs[2].second > 4 || runs[2].second == 3) {
        return 0;
    }
    if (runs[2].second <= 2) {
        year += year < 30 ? 2000 : 1900;
    }
    const std::chrono::year_month_day ymd{std::chrono::year{static_cast<int>(year)},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok() || year < 100) {
        return 0;
    }
    return fromYmd(ymd);
}

std::string timeToText(std::int16_t hhmm)
{
    char buf[16];
    const int v = hhmm < 0 ? -hhmm : hhmm;
    std::snprintf(buf, sizeof buf, "%s%02d:%02d", hhmm < 0 ? "-" : "", v / 100, v % 100);
    return buf;
}

std::int16_t textToTime(std::string_view text)
{
    const auto runs = digitRuns(text);
    if (runs.size() < 2 || runs.size() > 3 || runs[0].second > 2 || runs[1].second > 2) {
        return 0;
    }
    const long hours = runs[0].first;
    const long minutes = runs[1].first;
    if (hours > 23 || minutes > 59) {
        return 0;
    }
    return static_cast<std::int16_t>(hours * 100 + minutes);
}

std::string cepToText(std::int32_t cep)
{
    if (cep <= 0) {
        return "";
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08d", static_cast<int>(cep));
    std::string digits = buf;
    return digits.substr(0, digits.size() - 3) + "-" + digits.substr(digits.size() - 3);
}

std::int32_t textToCep(std::string_view text)
{
    std::int32_t value = 0;
    int count = 0;
    for (const char c : text) {
        if (isDigit(c) && count < 8) {
            value = value * 10 + (c - '0');
            ++count;
        }
    }
    return value;
}

double moneyTextToNumber(std::string_view text)
{
    std::string s(text);
    const auto point = s.find_last_of(",.");
    if (point != std::string::npos) {
        std::string left;
        for (std::size_t i = 0; i < point; ++i) {
            if (s[i] != ',' && s[i] != '.') {
                left += s[i];
            }
        }
        s = left + "." + s.substr(point + 1);
    }
    // The leading number, as a lenient reader of typed text would take it.
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    double value = 0;
    bool any = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        value = value * 10 + (s[i] - '0');
        any = true;
    }
    if (i < s.size() && s[i] == '.') {
        double scale = 0.1;
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            value += (s[i] - '0') * scale;
            scale /= 10;
            any = true;
        }
    }
    if (!any) {
        return 0;
    }
    return negative ? -value : value;
}

Money parseMoney(std::string_view text)
{
    return Money::fromReais(moneyTextToNumber(text));
}

std::string formatMoney(Money value)
{
    return formatCents(value.roundedCents(), true);
}

std::string formatMoneyPlain(Money value)
{
    return formatCents(value.roundedCents(), false);
}

std::string trimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string trim(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) {
        ++begin;
    }
    return trimRight(text.substr(begin));
}

std::string firstWord(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ') {
        ++begin;
    }
    const std::string_view rest = text.substr(begin);
    const auto space = rest.find(' ');
    return space == std::string_view::npos ? std::string() : std::string(rest.substr(0, space));
}

std::string restAfterFirstWord(std::string_view text)
{
    const std::string t = trim(text);
    const auto space = t.find(' ');
    return space == std::string::npos ? std::string() : trim(std::string_view(t).substr(space));
}

std::pair<std::string, std::string> splitFullName(std::string_view fullName)
{
    const std::string t = trim(fullName);
    const auto space = t.find(' ');
    if (space == std::string::npos) {
        return {t, ""};
    }
    return {t.substr(0, space), trim(std::string_view(t).substr(space))};
}

std::string joinFullName(std::string_view first, std::string_view surname)
{
    const std::string a = trim(first);
    const std::string b = trim(surname);
    if (b.empty()) {
        return a;
    }
    if (a.empty()) {
        return b;
    }
    return a + " " + b;
}

} // namespace tavolim::core
