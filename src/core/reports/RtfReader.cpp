#include "core/reports/RtfReader.h"

#include "core/reports/Utf.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

namespace tavolim::core {

namespace {

enum class Destination {
    Text,        // the document's text
    Skip,        // an unknown or unwanted destination: everything inside is dropped
    FontTable,   // \fonttbl
    ColourTable, // \colortbl
    Numbering,   // \pn: says whether the paragraph is bulleted
    NumberText,  // \pntext, \listtext: the bullet or number as the writer drew it
};

struct CharState {
    int font = -1; // font number; -1 is the default font (\deff)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = -1; // colour table index; -1 is the default colour
};

struct GroupState {
    CharState chars;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: bytes of fallback text after each \uN
    bool starred = false; // "\*": the group is skipped unless its first word is known
};

struct FontEntry {
    std::string name;
    int charset = 0;
};

// Beyond this depth groups are only counted: a hostile file cannot make the reader grow
// without bound, and real files never come near it.
constexpr std::size_t kMaxDepth = 200;
constexpr int kSymbolCharset = 2;
constexpr std::size_t kMaxWordLength = 32;

// Destinations whose contents are never text of the document.
constexpr std::string_view kSkippedDestinations[] = {
    "annotation", "atnauthor",   "atnid",        "atrfend",      "atrfstart",
    "author",     "bkmkend",     "bkmkstart",    "blipuid",      "colorschememapping",
    "comment",    "company",     "datastore",    "doccomm",      "filetbl",
    "fldinst",    "footer",      "footerf",      "footerl",      "footerr",
    "footnote",   "generator",   "header",       "headerf",      "headerl",
    "headerr",    "info",        "keywords",     "latentstyles", "listoverridetable",
    "listtable",  "mmathPr",     "nonshppict",   "objclass",     "objdata",
    "object",     "operator",    "passwordhash", "pgdsctbl",     "pict",
    "pnseclvl",   "protusertbl", "revtbl",       "rsidtbl",      "rxe",
    "shp",        "shpinst",     "stylesheet",   "subject",      "tc",
    "template",   "themedata",   "title",        "xmlnstbl",
};

bool isSkippedDestination(std::string_view word)
{
    return std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
           std::end(kSkippedDestinations);
}

bool isUnderlineWord(std::string_view word)
{
    // \ulc is the underline's colour, \ulnone handled apart; every other \ul... is a style.
    return word.starts_with("ul") && word != "ulc" && word != "ulnone";
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Reader {
public:
    explicit Reader(std::string_view in) : m_in(in) { m_groups.emplace_back(); }

    RtfReadResult run()
    {
        RtfReadResult result;
        result.isRtf = m_in.starts_with("{\\rtf");
        while (m_at < m_in.size() && !m_complete) {
            const char c = m_in[m_at++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                escape();
                break;
            case '\r':
            case '\n':
                break;
            case '\t':
                text("\t");
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) {
                    byteChar(static_cast<unsigned char>(c));
                }
                break;
            }
        }
        flush();
        if (!m_paragraph.runs.empty() || m_document.paragraphs.empty()) {
            endParagraph(true);
        }
        result.document = std::move(m_document);
        result.complete = m_complete;
        return result;
    }

private:
    GroupState& top() { return m_groups.back(); }

    void openGroup()
    {
        flush();
        m_skipFallback = 0;
        m_highSurrogate = 0;
        if (m_groups.size() > kMaxDepth) {
            ++m_overflow;
            return;
        }
        GroupState inner = top();
        inner.starred = false;
        m_groups.push_back(inner);
    }

    void closeGroup()
    {
        flush();
        m_skipFallback = 0;
        m_highSurrogate = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_groups.size() == 1) {
            return; // a stray brace outside every group
        }
        if (top().destination == Destination::FontTable) {
            endFontEntry();
        }
        m_groups.pop_back();
        m_complete = m_groups.size() == 1;
    }

    void escape()
    {
        if (m_at >= m_in.size()) {
            return;
        }
        if (!isLetter(m_in[m_at])) {
            controlSymbol(m_in[m_at++]);
            return;
        }
        const std::size_t start = m_at;
        while (m_at < m_in.size() && isLetter(m_in[m_at])) {
            ++m_at;
        }
        const std::string_view word = m_in.substr(start, std::min(m_at - start, kMaxWordLength));
        bool hasParam = false;
        bool negative = false;
        long long value = 0;
        if (m_at < m_in.size() && m_in[m_at] == '-' && m_at + 1 < m_in.size() &&
            isDigit(m_in[m_at + 1])) {
            negative = true;
            ++m_at;
        }
        while (m_at < m_in.size() && isDigit(m_in[m_at])) {
            hasParam = true;
            value = std::min(value * 10 + (m_in[m_at] - '0'), 1'000'000'000LL);
            ++m_at;
        }
        if (m_at < m_in.size() && m_in[m_at] == ' ') {
            ++m_at;
        }
        const int param = static_cast<int>(negative ? -value : value);
        if (word == "bin") {
            // Raw bytes follow; they are no text in any destination.
            m_at += std::min<std::size_t>(static_cast<std::size_t>(std::max(param, 0)),
                                          m_in.size() - m_at);
            return;
        }
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            byteChar(static_cast<unsigned char>(c));
            break;
        case '\'': {
            if (m_at + 1 < m_in.size()) {
                const int high = hexValue(m_in[m_at]);
                const int low = hexValue(m_in[m_at + 1]);
                if (high >= 0 && low >= 0) {
                    m_at += 2;
                    byteChar(static_cast<unsigned char>(high * 16 + low));
                }
            }
            break;
        }
        case '*':
            top().starred = true;
            break;
        case '~':
            text("\xC2\xA0");
            break;
        case '_':
            text("-");
            break;
        case '\r':
        case '\n':
            flush();
            endParagraph(false);
            break;
        default:
            break; // \- optional hyphen, \| and the rest carry no text
        }
    }

    void controlWord(std::string_view word, bool hasParam, int param)
    {
        flush();
        if (word != "u") {
            m_skipFallback = 0;
            m_highSurrogate = 0;
        }
        GroupState& group = top();
        if (group.starred) {
            group.starred = false;
            if (word != "pn") {
                group.destination = Destination::Skip;
                return;
            }
        }
        switch (group.destination) {
        case Destination::Skip:
            return;
        case Destination::Numbering:
            if (word == "pnlvlblt") {
                m_paragraph.bullet = true;
            }
            return;
        case Destination::FontTable:
            fontTableWord(word, param);
            return;
        case Destination::ColourTable:
            colourTableWord(word, param);
            return;
        case Destination::Text:
        case Destination::NumberText:
            break;
        }
        if (isSkippedDestination(word)) {
            group.destination = Destination::Skip;
        } else if (!characterWord(group.chars, word, hasParam, param) && !paragraphWord(word)) {
            otherWord(group, word, param);
        }
    }

    void fontTableWord(std::string_view word, int param)
    {
        if (word == "f") {
            endFontEntry();
            m_fontEntry = param;
            m_fonts.try_emplace(param);
        } else if (word == "fcharset" && m_fontEntry) {
            m_fonts[*m_fontEntry].charset = param;
        } else if (word == "u") {
            unicode(param);
        }
    }

    void colourTableWord(std::string_view word, int param)
    {
        const auto component = static_cast<std::uint8_t>(std::clamp(param, 0, 255));
        if (word == "red") {
            m_colour.red = component;
        } else if (word == "green") {
            m_colour.green = component;
        } else if (word == "blue") {
            m_colour.blue = component;
        } else {
            return;
        }
        m_colourGiven = true;
    }

    // Words that change the character format; false when the word is not one.
    static bool characterWord(CharState& chars, std::string_view word, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        if (word == "plain") {
            chars = CharState{};
        } else if (word == "f") {
            chars.font = param;
        } else if (word == "fs") {
            chars.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (isUnderlineWord(word)) {
            chars.underline = on;
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "cf") {
            chars.colour = std::max(param, -1);
        } else {
            return false;
        }
        return true;
    }

    bool paragraphWord(std::string_view word)
    {
        if (word == "pard") {
            m_paragraph.alignment = Alignment::Left;
            m_paragraph.bullet = false;
        } else if (word == "ql") {
            m_paragraph.alignment = Alignment::Left;
        } else if (word == "qc") {
            m_paragraph.alignment = Alignment::Centre;
        } else if (word == "qr") {
            m_paragraph.alignment = Alignment::Right;
        } else if (word == "qj") {
            m_paragraph.alignment = Alignment::Justify;
        } else if (word == "par" || word == "page" || word == "row") {
            endParagraph(false);
        } else {
            return false;
        }
        return true;
    }

    void otherWord(GroupState& group, std::string_view word, int param)
    {
        struct Character {
            std::string_view word;
            std::string_view utf8;
        };
        static constexpr Character kCharacters[] = {
            {"tab", "\t"},
            {"cell", "\t"},
            {"nestcell", "\t"},
            {"line", "\xE2\x80\xA8"},
            {"emdash", "\xE2\x80\x94"},
            {"endash", "\xE2\x80\x93"},
            {"bullet", "\xE2\x80\xA2"},
            {"lquote", "\xE2\x80\x98"},
            {"rquote", "\xE2\x80\x99"},
            {"ldblquote", "\xE2\x80\x9C"},
            {"rdblquote", "\xE2\x80\x9D"},
            {"emspace", " "},
            {"enspace", " "},
            {"qmspace", " "},
        };
        for (const Character& c : kCharacters) {
            if (c.word == word) {
                text(c.utf8);
                return;
            }
        }
        if (word == "deff") {
            m_defaultFont = param;
        } else if (word == "fonttbl") {
            group.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            group.destination = Destination::ColourTable;
        } else if (word == "pn") {
            group.destination = Destination::Numbering;
        } else if (word == "pntext" || word == "listtext") {
            group.destination = Destination::NumberText;
            m_numberText.clear();
            m_numberFormat = format(group.chars);
        } else if (word == "u") {
            unicode(param);
        } else if (word == "uc") {
            group.unicodeSkip = std::clamp(param, 0, 16);
        }
        // Anything else is a word this reader has no use for.
    }

    void unicode(int param)
    {
        // A signed 16-bit unit; anything out of range is the last code unit there is.
        param = std::clamp(param, -32768, 65535);
        const auto unit = static_cast<char32_t>(param < 0 ? param + 65536 : param);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = unit;
        } else {
            char32_t cp = unit;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                cp = m_highSurrogate
                         ? 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00)
                         : kReplacementCharacter;
            }
            m_highSurrogate = 0;
            if (cp >= 0x20 && cp != 0x7F) {
                std::string utf8;
                appendUtf8(utf8, cp);
                text(utf8);
            } else if (cp == '\t') {
                text("\t");
            }
        }
        m_skipFallback = top().unicodeSkip;
    }

    // One byte of text, in the code page of the current font.
    void byteChar(unsigned char b)
    {
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        m_highSurrogate = 0;
        if ((b < 0x20 && b != '\t') || b == 0x7F) {
            return; // control characters are no text
        }
        if (b < 0x80) {
            const char c = static_cast<char>(b);
            text(std::string_view(&c, 1));
        } else if (b == 0xB7 && charsetOf(top().chars) == kSymbolCharset) {
            text("\xE2\x80\xA2"); // the Symbol font's bullet
        } else {
            const char c = static_cast<char>(b);
            text(fromCp1252(std::string_view(&c, 1)));
        }
    }

    void text(std::string_view utf8)
    {
        switch (top().destination) {
        case Destination::Text:
            m_pending += utf8;
            break;
        case Destination::NumberText:
            m_numberText += utf8;
            break;
        case Destination::FontTable:
            // A font name is one line: a tab or a line break in it could not be written back.
            if (utf8 == "\t" || utf8 == "\xE2\x80\xA8") {
                break;
            }
            for (const char c : utf8) {
                if (c == ';') {
                    endFontEntry();
                } else {
                    m_fontName += c;
                }
            }
            break;
        case Destination::ColourTable:
            if (utf8 == ";") {
                m_colours.push_back(m_colourGiven ? std::optional(m_colour) : std::nullopt);
                m_colour = {};
                m_colourGiven = false;
            }
            break;
        case Destination::Skip:
        case Destination::Numbering:
            break;
        }
    }

    void endFontEntry()
    {
        if (m_fontEntry && !trim(m_fontName).empty()) {
            m_fonts[*m_fontEntry].name = trim(m_fontName);
        }
        m_fontName.clear();
    }

    const FontEntry* fontOf(const CharState& chars) const
    {
        // A font number missing from the table is the default font.
        auto found = m_fonts.find(chars.font < 0 ? m_defaultFont : chars.font);
        if (found == m_fonts.end()) {
            found = m_fonts.find(m_defaultFont);
        }
        return found == m_fonts.end() ? nullptr : &found->second;
    }

    int charsetOf(const CharState& chars) const
    {
        const FontEntry* font = fontOf(chars);
        return font ? font->charset : 0;
    }

    TextFormat format(const CharState& chars) const
    {
        TextFormat f;
        if (const FontEntry* font = fontOf(chars)) {
            f.font = font->name;
        }
        f.halfPoints = chars.halfPoints;
        f.bold = chars.bold;
        f.italic = chars.italic;
        f.underline = chars.underline;
        if (chars.colour >= 0 && static_cast<std::size_t>(chars.colour) < m_colours.size()) {
            f.colour = m_colours[static_cast<std::size_t>(chars.colour)];
        }
        return f;
    }

    void flush()
    {
        if (!m_pending.empty()) {
            appendText(m_paragraph, m_pending, format(top().chars));
            m_pending.clear();
        }
    }

    void endParagraph(bool atEnd)
    {
        if (!atEnd && top().destination != Destination::Text) {
            return;
        }
        m_paragraph.mark = format(top().chars);
        // A number drawn by the writer is kept as text; a bullet is the paragraph's own.
        if (!m_paragraph.bullet && !m_numberText.empty()) {
            auto& runs = m_paragraph.runs;
            if (!runs.empty() && runs.front().format == m_numberFormat) {
                runs.front().text.insert(0, m_numberText);
            } else {
                runs.insert(runs.begin(), {m_numberText, m_numberFormat});
            }
        }
        m_numberText.clear();
        m_document.paragraphs.push_back(m_paragraph);
        m_paragraph.runs.clear();
    }

    std::string_view m_in;
    std::size_t m_at = 0;
    bool m_complete = false;
    std::vector<GroupState> m_groups;
    int m_overflow = 0;

    std::map<int, FontEntry> m_fonts;
    int m_defaultFont = 0;
    std::optional<int> m_fontEntry;
    std::string m_fontName;
    std::vector<std::optional<RgbColour>> m_colours;
    RgbColour m_colour;
    bool m_colourGiven = false;

    RichDocument m_document;
    Paragraph m_paragraph;
    std::string m_pending;
    std::string m_numberText;
    TextFormat m_numberFormat;
    int m_skipFallback = 0;
    char32_t m_highSurrogate = 0;
};

} // namespace

RtfReadResult parseRtf(std::string_view bytes)
{
    return Reader(bytes).run();
}

} // namespace tavolim::core
