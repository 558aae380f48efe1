#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavolim::core {

enum class SearchDirection { Up, Down };

// Where a found text starts and ends, in UTF-16 units (the editor's text positions).
struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// Searches `text` for `what` from the cursor (the selection [selectionStart, selectionEnd)):
// down, the first match starting at or after the selection's end; up, the last match ending
// at or before its start. Without `matchCase`, letters of the Latin alphabets (accented
// ones included) match either case. Nothing is found for an empty `what`.
std::optional<TextSpan> findText(std::u16string_view text, std::u16string_view what,
                                 std::size_t selectionStart, std::size_t selectionEnd,
                                 SearchDirection direction, bool matchCase);

} // namespace tavolim::core
