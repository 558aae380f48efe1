#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolim::core {

// Small UTF-8 and UTF-16 conversions for the editor's texts. A malformed sequence reads as
// U+FFFD, one byte at a time, so every input has an answer.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, char32_t codePoint);

// The code point starting at `at`, moving `at` past it; `at` must be inside the text.
char32_t nextCodePoint(std::string_view utf8, std::size_t& at);

bool isValidUtf8(std::string_view bytes);

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

} // namespace tavolim::core
