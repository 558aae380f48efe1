#include "core/reports/RtfReader.h"
#include "core/reports/RtfWriter.h"

#include "core/reports/DocumentText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::describe;

TEST(RtfReader, TheEditorsEmptyDocumentIsOneEmptyParagraphInItsFont)
{
    const RtfReadResult read = parseRtf(kEmptyDocumentRtf);

    EXPECT_TRUE(read.isRtf);
    EXPECT_TRUE(read.complete);
    ASSERT_EQ(read.document.paragraphs.size(), 1u);
    const Paragraph& only = read.document.paragraphs[0];
    EXPECT_TRUE(only.runs.empty());
    EXPECT_EQ(only.mark.font, "MS Sans Serif");
    EXPECT_EQ(only.mark.halfPoints, 17);
    EXPECT_EQ(only.mark.colour, std::nullopt) << "no \\cf: the default colour";
}

TEST(RtfReader, ReadsTextFormatsAndParagraphsOfHandWrittenSamples)
{
    struct Case {
        const char* what;
        std::string rtf;
        std::string expected;
    };
    const std::string head = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
                             "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}";
    const std::vector<Case> cases = {
        {"nested groups restore the outer format", head + "a{\\b b{\\i c}d}e\\par}",
         "a[b:b][c:bi][d:b]e"},
        {"toggles with 0 and \\plain", head + "\\b\\i\\ul x\\b0 y\\i0\\ulnone z\\ul w\\plain v}",
         "[x:biu][y:iu]z[w:u]v"},
        {"underline styles and \\ul0", head + "\\uldb a\\ul0 b\\ulw c\\ulc1 d\\par}",
         "[a:u]b[cd:u]"},
        {"colours by table index, auto and out of range",
         head + "\\cf1 r\\cf2 n\\cf0 a\\cf9 o\\par}", "[r:#ff0000][n:#000080]ao"},
        {"unknown control words are ignored, their delimiter eaten",
         head + "x \\foo12 y\\bar-5 z\\zzz\\par}", "x yz"},
        {"unknown and unwanted destinations are skipped",
         head + "a{\\*\\unknown hidden {\\b deeper}}b{\\stylesheet{\\s0 Normal;}}c"
                "{\\info{\\title T}{\\author A}}d{\\*\\generator Msftedit;}e"
                "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par}",
         "abcdelink"},
        {"escapes in Windows-1252 and Unicode",
         head + "\\'e9\\'c7\\'80 \\{\\}\\\\ \\u8364?\\u-3? \\'93q\\'94\\par}",
         "éÇ€ {}\\ €\xEF\xBF\xBD “q”"},
        {"\\uc sets how many fallback bytes follow",
         head + "\\uc2\\u20013\\'3f\\'3fx\\uc0\\u233 y}", "中xéy"},
        {"a surrogate pair", head + "\\u-10179?\\u-8704?!}", "\xF0\x9F\x98\x80!"},
        {"symbols and special characters",
         head + "a\\tab b\\line c\\~d\\-e\\_f\\emdash\\endash\\bullet\\lquote\\rquote}",
         "a\tb\xE2\x80\xA8"
         "c\xC2\xA0"
         "de-f—–•‘’"},
        {"paragraph alignment is kept until \\pard",
         head + "\\qc a\\par b\\par\\pard c\\par\\qr d\\par\\qj e\\par\\ql f\\par}",
         "<c>a | <c>b | c | <r>d | <j>e | f"},
        {"source line breaks are no text, an escaped one ends a paragraph",
         head + "a\r\nb\\\nc\\par}", "ab | c"},
        {"text after the last \\par is a paragraph of its own", head + "a\\par b}", "a | b"},
        {"an empty paragraph between two", head + "a\\par\\par b\\par}", "a |  | b"},
        {"bullets as the editor writes them",
         head + "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
                "\\fi-200\\li200 one\\par{\\pntext\\f1\\'b7\\tab}two\\par\\pard three\\par}",
         "* one | * two | three"},
        {"a numbered list keeps its numbers as text",
         head + "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec}item\\par"
                "{\\listtext\\pard\\plain 2.\\tab}next\\par}",
         "1.\titem | 2.\tnext"},
        {"table cells as tabs, rows as paragraphs", head + "\\trowd a\\cell b\\cell\\row c\\par}",
         "a\tb\t | c"},
        {"binary data is skipped by its length", head + "a{\\*\\blipuid x}\\bin3 {}\\b\\par}",
         "ab"},
        {"a stray closing brace ends the document", head + "a\\par}} more text", "a"},
    };

    for (const Case& c : cases) {
        const RtfReadResult read = parseRtf(c.rtf);

        EXPECT_TRUE(read.isRtf) << c.what;
        EXPECT_EQ(describe(read.document), c.expected) << c.what;
    }
}

TEST(RtfReader, TakesFontsAndSizesFromTheTablesAndTheDefault)
{
    const RtfReadResult read = parseRtf(
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss{\\*\\panose 020b}Arial;}"
        "{\\f1\\froman\\fcharset0 Times New Roman;}\\f2\\fnil Courier;\\f3\\fnil Tah\\'f4ma;}"
        "a\\f0\\fs20 b\\f2\\fs0 c\\f3\\fs99999999999 d\\f7 e\\plain f\\par}");

    ASSERT_EQ(read.document.paragraphs.size(), 1u);
    std::vector<std::pair<std::string, int>> fonts;
    for (const TextRun& run : read.document.paragraphs[0].runs) {
        fonts.emplace_back(run.format.font, run.format.halfPoints);
    }
    const std::vector<std::pair<std::string, int>> expected = {
        {"Times New Roman", 24},
        {"Arial", 20},
        {"Courier", 24},
        {"Tahôma", 3276},
        {"Times New Roman", 3276} /* an unknown font number is the default font */,
        {"Times New Roman", 24},
    };
    EXPECT_EQ(fonts, expected);
}

TEST(RtfReader, FontNamesHoldNoTabsOrLineBreaks)
{
    // Tabs and line separators in a font table are no part of the name, so the name the
    // writer puts back reads the same.
    const RtfReadResult read = parseRtf("{\\rtf1{\\fonttbl{\\f0 Ari\tal\\u8232?;}}\\f0 x\\par}");

    ASSERT_EQ(read.document.paragraphs.size(), 1u);
    ASSERT_EQ(read.document.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(read.document.paragraphs[0].runs[0].format.font, "Arial");
    EXPECT_EQ(parseRtf(writeRtf(read.document)).document, read.document);
}

TEST(RtfReader, BrokenInputGivesWhatItHeldAndNeverFails)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool isRtf;
        bool complete;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"cut inside a group", "{\\rtf1 abc{\\b def", true, false, "abc[def:b]"},
        {"cut inside a control word", "{\\rtf1 abc\\par de\\", true, false, "abc | de"},
        {"cut inside an escape", "{\\rtf1 abc\\'e", true, false, "abce"},
        {"a bad hex escape", "{\\rtf1 a\\'zzb}", true, true, "azzb"},
        {"cut inside the font table", "{\\rtf1{\\fonttbl{\\f0 Ari", true, false, ""},
        {"a negative \\bin length", "{\\rtf1 a\\bin-5 b}", true, true, "ab"},
        {"a \\bin longer than the file", "{\\rtf1 a\\bin999 b}", true, false, "a"},
        {"closing before opening", "}}{\\rtf1 a}", false, true, "a"},
        {"plain text", "just text\r\nand more", false, false, "just textand more"},
        {"nothing at all", "", false, false, ""},
        {"control characters", std::string("{\\rtf1 a\0\x01\x1f b}", 14), true, true, "a b"},
        {"control characters by escape", "{\\rtf1 a\\'01\\u2?\\'7f\\u9?b}", true, true, "a\tb"},
        {"a huge \\u", "{\\rtf1 \\u99999999999 ?x}", true, true, "\xEF\xBF\xBFx"},
        {"a lone low surrogate", "{\\rtf1 \\u-8704?x}", true, true, "\xEF\xBF\xBDx"},
    };

    for (const Case& c : cases) {
        const RtfReadResult read = parseRtf(c.bytes);

        EXPECT_EQ(read.isRtf, c.isRtf) << c.what;
        EXPECT_EQ(read.complete, c.complete) << c.what;
        EXPECT_EQ(describe(read.document), c.expected) << c.what;
        EXPECT_FALSE(read.document.paragraphs.empty()) << c.what;
    }
}

TEST(RtfReader, DeepNestingIsCountedNotFollowed)
{
    const std::string deep =
        "{\\rtf1 a" + std::string(100000, '{') + "\\b b" + std::string(100000, '}') + "c\\par}";

    const RtfReadResult read = parseRtf(deep);

    EXPECT_TRUE(read.complete);
    EXPECT_EQ(describe(read.document), "a[b:b]c");
}

} // namespace
} // namespace tavolim::core
