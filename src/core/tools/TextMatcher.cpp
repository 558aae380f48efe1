#include "core/tools/TextMatcher.h"

#include "core/registers/NameMatch.h"
#include "core/store/TextHelpers.h"

#include <array>
#include <cstring>

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
    m_untrimmedOk = !m_text.empty() && !isPadding(m_text.front()) && !isPadding(m_text.back());
    m_folded = m_text;
    if (!m_matchCase) {
        const auto& upper = upperTable();
        for (char& c : m_folded) {
            c = static_cast<char>(upper[static_cast<std::uint8_t>(c)]);
        }
    }
    if (!m_folded.empty()) {
        for (int c = 0; c < 256; ++c) {
            const auto byte = static_cast<std::uint8_t>(c);
            if ((m_matchCase ? byte : upperTable()[byte]) ==
                static_cast<std::uint8_t>(m_folded[0])) {
                m_firsts.push_back(static_cast<char>(byte));
            }
        }
    }
}

std::size_t TextMatcher::find(std::string_view field, std::size_t start) const
{
    return findTrimmed(trimField(field), start);
}

bool TextMatcher::matches(std::string_view field) const
{
    // An occurrence of a text that neither starts nor ends with padding lies inside the trimmed
    // field, and padding is a word boundary as the field's ends are: no need to trim.
    return m_untrimmedOk ? findTrimmed(field, 1) != 0 : find(field) != 0;
}

std::size_t TextMatcher::findTrimmed(std::string_view field, std::size_t start) const
{
    const std::size_t m = m_folded.size();
    const std::size_t n = field.size();
    if (m == 0 || n == 0 || m > n) {
        return 0;
    }
    const auto& upper = upperTable();
    const char* data = field.data();
    std::size_t at = start > 0 ? start - 1 : 0;
    while (at + m <= n) {
        // The next place the first character stands, in either case.
        const char* next = nextFirst(data + at, data + n - m + 1);
        if (!next) {
            return 0;
        }
        at = static_cast<std::size_t>(next - data);
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
        const std::size_t end = at + m;
        const bool accepted = i == m && (m_freeAfter || end == n || !insideWord(field[end])) &&
                              (m_freeBefore || at == 0 || !insideWord(field[at - 1]));
        if (accepted) {
            return at + 1;
        }
        ++at;
    }
    return 0;
}

const char* TextMatcher::nextFirst(const char* from, const char* end) const
{
    if (m_firsts.size() == 1) {
        return static_cast<const char*>(std::memchr(from, m_firsts[0], end - from));
    }
    if (m_firsts.size() == 2 && (m_firsts[0] ^ m_firsts[1]) == 0x20) {
        // A letter and its other case differ only in this bit. Eight bytes at a time: a byte
        // equal to the key once the bit is set turns zero after the xor.
        const auto key = static_cast<std::uint8_t>(m_firsts[0] | 0x20);
        constexpr std::uint64_t ones = 0x0101010101010101ull;
        constexpr std::uint64_t highs = 0x8080808080808080ull;
        const std::uint64_t keys = ones * key;
        for (; end - from >= 8; from += 8) {
            std::uint64_t word;
            std::memcpy(&word, from, 8);
            const std::uint64_t x = (word | (ones * 0x20)) ^ keys;
            if (((x - ones) & ~x & highs) != 0) {
                break;
            }
        }
        for (; from < end; ++from) {
            if ((static_cast<std::uint8_t>(*from) | 0x20) == key) {
                return from;
            }
        }
        return nullptr;
    }
    for (; from < end; ++from) {
        if (m_firsts.find(*from) != std::string::npos) {
            return from;
        }
    }
    return nullptr;
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
