#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolim::core {

// Line pieces shared by the lists' listings and the sheets. Texts are UTF-8; widths count
// characters, as a printed column holds one character whatever its bytes.

// Every report line ends with CR LF.
inline constexpr std::string_view kReportLineEnd = "\r\n";

// The text cut or padded with spaces to exactly `width` characters.
std::string fitChars(std::string_view text, std::size_t width);

// "_" repeated.
std::string underscoreLine(std::size_t width);

// Appends one line and its CR LF. Line breaks inside the text (a note typed over several
// lines) become CR LF too, so that every line of the report ends the same way.
void addLine(std::string& report, std::string_view line);

// A count held as a Single (stock, a tax rate): no decimals when whole, else up to two with
// a decimal comma ("12", "12,5", "0,25").
std::string formatQuantity(float value);

// Digits of a code with leading zeros ("00000" for width 5).
std::string zeroPadded(long long value, int width);

} // namespace tavolim::core
