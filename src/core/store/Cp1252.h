#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

// The record files hold text in the Western code page (Windows-1252); memory holds UTF-8.

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed sequence, becomes "?".
std::string toCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to the C1 control
// of the same value, so a round trip keeps them.
std::string fromCp1252(std::string_view bytes);

// Encodes a text field: UTF-8 in, exactly `width` code-page bytes out, cut to the width and
// padded with spaces; NUL characters become spaces.
std::string encodeField(std::string_view utf8, std::size_t width);

// Decodes a text field: NULs read as spaces, trailing spaces trimmed, result in UTF-8.
std::string decodeField(std::string_view bytes);

} // namespace tavolim::core
