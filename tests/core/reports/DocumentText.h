#pragma once

#include "core/reports/RichDocument.h"

#include <cstdio>
#include <string>

namespace tavolim::test {

// A document as one line a test can compare: paragraphs joined by " | ", "<c>", "<r>" or
// "<j>" for the alignment and "* " for a bullet; plain runs as their text, formatted runs
// as [text:flags] with b, i, u and the colour as #rrggbb. Fonts and sizes are left to the
// tests that are about them.
inline std::string describe(const core::RichDocument& document)
{
    std::string out;
    for (const core::Paragraph& p : document.paragraphs) {
        if (!out.empty()) {
            out += " | ";
        }
        const char* alignments[] = {"", "<c>", "<r>", "<j>"};
        out += alignments[static_cast<int>(p.alignment)];
        if (p.bullet) {
            out += "* ";
        }
        for (const core::TextRun& run : p.runs) {
            std::string flags;
            flags += run.format.bold ? "b" : "";
            flags += run.format.italic ? "i" : "";
            flags += run.format.underline ? "u" : "";
            if (run.format.colour) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "#%02x%02x%02x", run.format.colour->red,
                              run.format.colour->green, run.format.colour->blue);
                flags += hex;
            }
            out += flags.empty() ? run.text : "[" + run.text + ":" + flags + "]";
        }
    }
    return out;
}

} // namespace tavolim::test
