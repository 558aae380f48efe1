#pragma once

#include "core/reports/RichDocument.h"

#include <string>

namespace tavolim::core {

// The document as rich text that the editor, the store's older programs and word processors
// read back: a font table (the first font used is the default; the Symbol font is added for
// bullets), a colour table whose first entry is the default colour, and each paragraph with
// its alignment, bullet and runs. Text outside ASCII is written as "\'hh" in Windows-1252
// when the code page has it, else as "\uN" with "?" for older readers; control characters
// other than the tab are left out. A run without a font name keeps a nameless font.
std::string writeRtf(const RichDocument& document);

} // namespace tavolim::core
