#pragma once

#include "core/store/Money.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolim::core {

// Text pieces of a receipt. Texts are UTF-8; widths and lengths count characters, since a
// receipt printer prints one code-page byte per column.

inline constexpr std::string_view kLineBreak = "\r\n";

// "NCol": only 40 (fiscal) and 45 (common) exist; anything else prints at 40.
int receiptWidth(int nCol);

std::size_t charCount(std::string_view text);
// The first `count` characters.
std::string cutChars(std::string_view text, std::size_t count);

// "#,##0.00" right-aligned in 8 characters; a longer amount is not cut ("12.345,50").
std::string moneyField(Money value);
// The trimmed text after (width - length) / 2 spaces (none when it does not fit).
std::string centerText(int width, std::string_view text);
// The trimmed text right-aligned in width.
std::string rightText(int width, std::string_view text);
// Body line of the operations: label right-aligned in 21, "     R$" and moneyField.
std::string amountLine(std::string_view label, Money value);

// Margin spaces in front of the text and of every line after a CR LF; a CR LF followed by
// another gets a single space instead, so a printer does not swallow the empty line. With
// margin 0 only the last rule applies: the result always ends with a space.
std::string indentLines(std::string_view text, int margin);

// Plain letter for each accented Latin letter (À..Å, È..Ë, Ì..Ï, Ò..Ö, Ù..Ü, Ç, Ñ, either
// case); every other character stays.
std::string removeAccents(std::string_view text);

// "  Ass.:___...___  " exactly `width` (40 or 45) characters wide.
std::string signatureLine(int width);

enum class LineAlignment { Center, Left, Right };

// Aligns line `line` (0-based) of a text whose lines end in CR LF or a lone LF; the text comes
// back with CR LF. A line number out of range changes nothing.
std::string alignLine(std::string_view text, int line, LineAlignment alignment, int width);
// True when no line is longer than width characters.
bool linesFit(std::string_view text, int width);

} // namespace tavolim::core
