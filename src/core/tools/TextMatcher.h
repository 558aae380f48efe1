#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolim::core {

// The text matcher of the data tools, on the Western code page bytes the files hold. The sought
// text may carry a leading "*" (any text may come before the match) and a trailing "*" (any
// text may come after it). An occurrence counts only when each side not freed by a star is a
// word boundary: the end or start of the field, or a character outside "A".."z" in character
// order (digits, spaces and accented letters are boundaries; "_" and "^" are letters).
//
// Fields are compared trimmed of spaces (and of NULs, which read as spaces). An empty sought
// text or an empty field never matches.
class TextMatcher {
public:
    // `pattern` is code-page bytes, stars included. Without `matchCase` letters match in
    // either case, accented ones too.
    TextMatcher(std::string_view pattern, bool matchCase);

    // 1-based position in the trimmed `field` of the first accepted occurrence starting at
    // or after `start`; 0 when there is none.
    std::size_t find(std::string_view field, std::size_t start = 1) const;
    bool matches(std::string_view field) const;

    // The trimmed field with every accepted occurrence replaced by `replacement`, searching
    // on after each replacement; `count` receives how many were replaced.
    std::string replaceAll(std::string_view field, std::string_view replacement,
                           int* count = nullptr) const;

    // The sought text without its stars.
    const std::string& text() const { return m_text; }

private:
    std::size_t findTrimmed(std::string_view field, std::size_t start) const;
    // The first byte in [from, end) that may start a match, or null.
    const char* nextFirst(const char* from, const char* end) const;

    std::string m_text;
    std::string m_folded; // m_text as compared
    std::string m_firsts; // every byte that matches the first character
    bool m_freeBefore = false;
    bool m_freeAfter = false;
    bool m_matchCase = false;
    bool m_untrimmedOk = false; // the text has no padding at its ends
};

// The pattern the windows match with: the typed text trimmed, wrapped in stars unless only
// whole words count, so that any occurrence is accepted.
std::string toolPattern(std::string_view typed, bool wholeWords);

// A field's bytes trimmed of spaces and NULs.
std::string_view trimField(std::string_view field);

} // namespace tavolim::core
