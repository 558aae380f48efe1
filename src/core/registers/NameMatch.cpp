#include "core/registers/NameMatch.h"

#include "core/store/Cp1252.h"

#include <array>

namespace tavolim::core {
namespace {

constexpr std::array<std::uint8_t, 256> makeUpperTable()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        int u = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
            u = c - 0x20;
        } else if (c == 0x9A || c == 0x9C || c == 0x9E) { // š œ ž
            u = c - 0x10;
        } else if (c == 0xFF) { // ÿ
            u = 0x9F;
        }
        t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(u);
    }
    return t;
}

constexpr auto kUpper = makeUpperTable();

bool isBlank(std::uint8_t c)
{
    return c == ' ' || c == 0;
}

std::span<const std::uint8_t> trimmed(std::span<const std::uint8_t> s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(s[b])) {
        ++b;
    }
    while (e > b && isBlank(s[e - 1])) {
        --e;
    }
    return s.subspan(b, e - b);
}

std::span<const std::uint8_t> bytesOf(std::string_view s)
{
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

std::uint8_t upperCp1252(std::uint8_t c)
{
    return kUpper[c];
}

bool wildcardMatch(std::string_view pattern, std::span<const std::uint8_t> text)
{
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() &&
                   static_cast<std::uint8_t>(pattern[p]) == kUpper[text[t]]) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            // Let the last star swallow one more byte and retry from there.
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

NameMatch::NameMatch(std::string_view typed, bool partial, std::size_t width)
    : m_partial(partial)
{
    std::string bytes = toCp1252(typed);
    if (!partial && bytes.size() > width) {
        bytes.resize(width);
    }
    const auto core = trimmed(bytesOf(bytes));
    std::string text;
    if (partial) {
        text.push_back('*');
    }
    for (const auto c : core) {
        // Runs of stars mean the same as one and would only slow the matcher.
        if (c == '*' && !text.empty() && text.back() == '*' && partial) {
            continue;
        }
        text.push_back(static_cast<char>(kUpper[c]));
    }
    if (partial && text.back() != '*') {
        text.push_back('*');
    }
    m_text = std::move(text);
}

bool NameMatch::matches(std::span<const std::uint8_t> field) const
{
    const auto stored = trimmed(field);
    if (m_partial) {
        return wildcardMatch(m_text, stored);
    }
    if (stored.size() != m_text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (kUpper[stored[i]] != static_cast<std::uint8_t>(m_text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace tavolim::core
