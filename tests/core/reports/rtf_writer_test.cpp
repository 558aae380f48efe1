#include "core/reports/RtfWriter.h"

#include "core/reports/DocumentText.h"
#include "core/reports/RtfReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::describe;

TextFormat fmt(std::string font, int halfPoints, std::string_view flags = {},
               std::optional<RgbColour> colour = {})
{
    TextFormat f;
    f.font = std::move(font);
    f.halfPoints = halfPoints;
    f.bold = flags.find('b') != std::string_view::npos;
    f.italic = flags.find('i') != std::string_view::npos;
    f.underline = flags.find('u') != std::string_view::npos;
    f.colour = colour;
    return f;
}

Paragraph para(std::vector<TextRun> runs, Alignment alignment = Alignment::Left,
               bool bullet = false, TextFormat mark = fmt("Arial", 20))
{
    Paragraph p;
    p.alignment = alignment;
    p.bullet = bullet;
    p.mark = runs.empty() ? std::move(mark) : runs.back().format;
    p.runs = std::move(runs);
    return p;
}

const RgbColour kRed{255, 0, 0};
const RgbColour kBlue{0, 0, 200};

TEST(RtfWriter, WhatItWritesReadsBackAsTheSameDocument)
{
    struct Case {
        const char* what;
        RichDocument document;
    };
    const std::vector<Case> cases = {
        {"formats, colours and alignments",
         {{para({{"plain ", fmt("Arial", 20)},
                 {"bold", fmt("Arial", 20, "b")},
                 {" italic", fmt("Arial", 20, "i")},
                 {" under", fmt("Arial", 20, "u", kRed)},
                 {" all", fmt("Times New Roman", 28, "biu", kBlue)}}),
           para({{"centre", fmt("Arial", 20, "", kRed)}}, Alignment::Centre),
           para({{"right", fmt("Courier New", 17)}}, Alignment::Right),
           para({{"justified", fmt("Arial", 20)}}, Alignment::Justify)}}},
        {"bullets between plain paragraphs",
         {{para({{"list:", fmt("Arial", 20)}}), para({{"one", fmt("Arial", 20)}}, {}, true),
           para({{"two", fmt("Arial", 20, "b")}}, {}, true), para({{"end", fmt("Arial", 20)}})}}},
        {"text that needs escapes",
         {{para({{"{braces} \\back\tslash\xE2\x80\xA8line", fmt("Arial", 20)},
                 {"acentuação € “aspas” 中文 😀 ÿ", fmt("Arial", 20, "i")}})}}},
        {"empty paragraphs keep their own format",
         {{para({}, Alignment::Left, false, fmt("Arial", 40, "b")), para({{"x", fmt("Arial", 20)}}),
           para({}, Alignment::Centre, true, fmt("Courier New", 17, "u", kBlue))}}},
        {"one empty paragraph", {{para({})}}},
        {"runs without a font name, and Symbol as a plain font",
         {{para({{"abc\xC2\xB7", fmt("Symbol", 20)}, {"sem fonte", fmt("", 20)}})}}},
    };

    for (const Case& c : cases) {
        const std::string rtf = writeRtf(c.document);
        const RtfReadResult read = parseRtf(rtf);

        EXPECT_TRUE(read.isRtf && read.complete) << c.what;
        EXPECT_EQ(read.document, c.document) << c.what << "\n" << rtf;
    }
}

TEST(RtfWriter, AnOldFileReadAndWrittenKeepsItsFormatting)
{
    // As the store's older editor wrote it: the default colour first in the table, the
    // paragraph format carried from one paragraph to the next.
    const std::string old =
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
        "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}{\\f3\\froman Arial;}}\r\n"
        "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
        "\\deflang1046\\pard\\qc\\plain\\f3\\fs28\\b LOCADORA\\plain\\f3\\fs28\\b\\cf1 "
        "VIDEO\\par\r\n\\pard\\plain\\f2\\fs17 Fitas \\plain\\f2\\fs17\\i em\\i0  \\ul "
        "atraso\\ulnone :\\tab 3\\par\r\n"
        "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
        "\\fi-200\\li200\\plain\\f2\\fs17\\cf2 Matrix\\par\r\n"
        "\\pard\\qr\\plain\\f2\\fs17 R$ 3,50\\par }";

    const RichDocument first = parseRtf(old).document;
    const RichDocument second = parseRtf(writeRtf(first)).document;

    EXPECT_EQ(describe(first), "<c>[LOCADORA:b][VIDEO:b#ff0000] | Fitas [em:i] [atraso:u]:\t3 | "
                               "* [Matrix:#008000] | <r>R$ 3,50");
    EXPECT_EQ(second, first);
    EXPECT_EQ(second.paragraphs[0].runs[0].format.font, "Arial");
    EXPECT_EQ(second.paragraphs[0].runs[0].format.halfPoints, 28);
}

TEST(RtfWriter, WritesTheCodePageAsHexAndTheRestAsUnicode)
{
    const RichDocument document{{para({{"é€{}\\ 中😀", fmt("Arial", 20)}})}};

    const std::string rtf = writeRtf(document);

    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf;
    EXPECT_NE(rtf.find("\\'e9\\'80\\{\\}\\\\ \\u20013?\\u-10179?\\u-8704?"), std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"), std::string::npos) << rtf;
}

} // namespace
} // namespace tavolim::core
