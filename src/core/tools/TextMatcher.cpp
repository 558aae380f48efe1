#include "core/tools/TextMatcher.h"

#include "core/registers/NameMatch.h"
#include "core/store/TextHelpers.h"

#include <array>

namespace tavolim::core {
namespace {

// Upper case of every code-page byte, made once.
const std::array<std::uint8_t, 256>& upperTable()
{
    static const auto table = [] {
        std::array<std::uint8_t, 256> t{};
        for (int c = 0; c < 256; ++c) {
            t[static_cast<std::size_t>(c)] = upperCp1252(static_cast<std::uint8_t>(c));
        }
        return t;
    }();
    return table;
}

std::uint8_t byteAt(std::string_view text, std::size_t i)
{
    return static_cast<std::uint8_t>(text[i]);
}

// Between "A" and "z" in character order: a letter for the word rule, "_" included.
bool insideWord(char c)
{
    return c >= 'A' && c <= 'z';
}

bool isPadding(char c)
{
    return c == ' ' || c == '\0';
}

} // namespace

std::string_view trimField(std::string_view field)
{
    std::size_t first = 0;
    std::size_t last = field.size();
    while (first < last && isPadding(field[first])) {
        ++first;
    }
    while (last > first && isPadding(field[last - 1])) {
        --last;
    }
    return field.substr(first, last - first);
}

std::string toolPattern(std::string_view typed, bool wholeWords)
{
    const std::string text = trim(typed);
    return wholeWords ? text : "*" + text + "*";
}

TextMatcher::TextMatcher(std::string_view pattern, bool matchCase) : m_matchCase(matchCase)
{
    if (!pattern.empty() && pattern.front() == '*') {
        m_freeBefore = true;
        pattern.remove_prefix(1);
    }
    if (!pattern.empty() && pattern.back() == '*') {
        m_freeAfter = true;
        pattern.remove_suffix(1);
    }
    m_text = std::string(pattern);
    m_folded = m_text;
    if (!m_matchCase) {
        const auto& upper = upperTable();
        for (char& c : m_folded) {
            c = static_cast<char>(upper[static_cast<std::uint8_t>(c)]);
        }
    }
}

std::size_t TextMatcher::find(std::string_view field, std::size_t start) const
{
    return findTrimmed(trimField(field), start);
}

std::size_t TextMatcher::findTrimmed(std::string_view field, std::size_t start) const
{
    const std::size_t m = m_folded.size();
    const std::size_t n = field.size();
    if (m == 0 || n == 0 || m > n) {
        return 0;
    }
    const auto& upper = upperTable();
    const auto first = static_cast<std::uint8_t>(m_folded[0]);
    for (std::size_t at = start > 0 ? start - 1 : 0; at + m <= n; ++at) {
        const std::uint8_t c = byteAt(field, at);
        if ((m_matchCase ? c : upper[c]) != first) {
            continue;
        }
        std::size_t i = 1;
        if (m_matchCase) {
            while (i < m && field[at + i] == m_folded[i]) {
                ++i;
            }
        } else {
            while (i < m &&
                   upper[byteAt(field, at + i)] == static_cast<std::uint8_t>(m_folded[i])) {
                ++i;
            }
        }
        if (i < m) {
            continue;
        }
        const std::size_t end = at + m;
        if (!m_freeAfter && end < n && insideWord(field[end])) {
            continue;
        }
        if (!m_freeBefore && at > 0 && insideWord(field[at - 1])) {
            continue;
        }
        return at + 1;
    }
    return 0;
}

std::string TextMatcher::replaceAll(std::string_view field, std::string_view replacement,
                                    int* count) const
{
    std::string text(trimField(field));
    int replaced = 0;
    for (std::size_t at = findTrimmed(text, 1); at != 0;
         at = findTrimmed(text, at + replacement.size())) {
        text.replace(at - 1, m_text.size(), replacement);
        ++replaced;
    }
    if (count) {
        *count = replaced;
    }
    return std::string(trimField(text));
}

} // namespace tavolim::core
