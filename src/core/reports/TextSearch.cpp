#include "core/reports/TextSearch.h"

#include <algorithm>

namespace tavolim::core {

namespace {

// Lower case for ASCII, Latin-1 and Latin Extended-A, the letters a Brazilian store types.
char16_t fold(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c == 0x178) {
        return 0xFF; // Ÿ
    }
    if (c >= 0x100 && c <= 0x17F) {
        // Pairs upper/lower, even/odd, except the run from Ĺ to Ň and from Ź to Ž which
        // start on an odd code point; ı, ĸ, ŉ and ſ have no pair here.
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) {
            return c;
        }
        const bool upper = oddPairs ? (c % 2 == 1) : (c % 2 == 0);
        return upper ? static_cast<char16_t>(c + 1) : c;
    }
    return c;
}

bool matchesAt(std::u16string_view text, std::size_t at, std::u16string_view what, bool matchCase)
{
    for (std::size_t i = 0; i < what.size(); ++i) {
        const char16_t a = text[at + i];
        const char16_t b = what[i];
        if (a != b && (matchCase || fold(a) != fold(b))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<TextSpan> findText(std::u16string_view text, std::u16string_view what,
                                 std::size_t selectionStart, std::size_t selectionEnd,
                                 SearchDirection direction, bool matchCase)
{
    if (what.empty() || what.size() > text.size()) {
        return std::nullopt;
    }
    const std::size_t lastStart = text.size() - what.size();
    if (direction == SearchDirection::Down) {
        for (std::size_t at = std::min(selectionEnd, text.size()); at <= lastStart; ++at) {
            if (matchesAt(text, at, what, matchCase)) {
                return TextSpan{at, at + what.size()};
            }
        }
        return std::nullopt;
    }
    const std::size_t limit = std::min(selectionStart, text.size());
    if (limit < what.size()) {
        return std::nullopt;
    }
    for (std::size_t at = limit - what.size() + 1; at-- > 0;) {
        if (matchesAt(text, at, what, matchCase)) {
            return TextSpan{at, at + what.size()};
        }
    }
    return std::nullopt;
}

} // namespace tavolim::core
