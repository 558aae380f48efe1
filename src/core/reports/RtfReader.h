#pragma once

#include "core/reports/RichDocument.h"

#include <string_view>

namespace tavolim::core {

struct RtfReadResult {
    RichDocument document;
    // The bytes began with "{\rtf"; anything else is not rich text at all.
    bool isRtf = false;
    // The outermost group was closed. A cut file still gives the text it held.
    bool complete = false;
};

// Reads the rich text the editor writes and the store's old files hold: font and colour
// tables, bold, italic, underline, size, colour, alignment, paragraphs, tabs, line breaks,
// bullets, "\'hh" in Windows-1252 and "\uN". Unknown control words are ignored and unknown
// destinations (groups starting with "\*" or a known skippable word) are skipped. Any bytes
// are accepted: nothing is fatal, nothing is thrown, and the work is linear in the input.
RtfReadResult parseRtf(std::string_view bytes);

} // namespace tavolim::core
