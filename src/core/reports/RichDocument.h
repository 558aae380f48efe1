#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

// A text of the text editor as the rich-text files hold it: paragraphs of runs, each run a
// piece of text with one character format. Text is UTF-8; a tab is "\t" and a line break
// inside a paragraph is U+2028 (the line separator), never "\n".

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

struct TextFormat {
    std::string font;    // font family name; empty means the reader's default
    int halfPoints = 24; // size in half points, as the files keep it (24 = 12 pt)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<RgbColour> colour; // none: the default text colour

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

struct TextRun {
    std::string text;
    TextFormat format;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

enum class Alignment { Left, Centre, Right, Justify };

struct Paragraph {
    Alignment alignment = Alignment::Left;
    bool bullet = false;
    std::vector<TextRun> runs;
    // The format at the paragraph's end: what typing in an empty paragraph gets.
    TextFormat mark;

    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// Never empty once built by the reader or the helpers below: an empty text is one empty
// paragraph.
struct RichDocument {
    std::vector<Paragraph> paragraphs;

    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// The rich text of a new, empty document, as the editor has always written it.
inline constexpr std::string_view kEmptyDocumentRtf =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}}"
    "{\\colortbl\\red0\\green0\\blue0;}"
    "\\deflang1046\\pard\\plain\\f2\\fs17"
    "\\par }";

// Appends text to the paragraph, joining it to the last run when the format is the same.
void appendText(Paragraph& paragraph, std::string_view text, const TextFormat& format);

// One paragraph per line in the given format; lines end at CR LF, LF or CR.
RichDocument documentFromPlainText(std::string_view utf8, const TextFormat& format);

// The text with paragraphs ended by CR LF (none after the last), tabs kept and line breaks
// inside a paragraph written as CR LF too.
std::string plainText(const RichDocument& document);

} // namespace tavolim::core
