#include "core/reports/RtfWriter.h"

#include "core/reports/Utf.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tavolim::core {

namespace {

constexpr std::string_view kDefaultFont = "MS Sans Serif";
constexpr std::string_view kSymbolFont = "Symbol";

class Writer {
public:
    explicit Writer(const RichDocument& document) : m_document(document) { collectTables(); }

    std::string run()
    {
        m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl";
        for (std::size_t i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + std::to_string(i);
            m_out += m_bullets && i == m_symbolFont ? "\\froman\\fcharset2 " : "\\fnil\\fcharset0 ";
            fontName(m_fonts[i]);
            m_out += ";}";
        }
        m_out += "}\r\n{\\colortbl ;";
        for (const RgbColour& c : m_colours) {
            m_out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) +
                     "\\blue" + std::to_string(c.blue) + ";";
        }
        m_out += "}\r\n\\deflang1046";
        for (const Paragraph& paragraph : m_document.paragraphs) {
            writeParagraph(paragraph);
        }
        m_out += "}\r\n";
        return std::move(m_out);
    }

private:
    void collectTables()
    {
        for (const Paragraph& paragraph : m_document.paragraphs) {
            m_bullets = m_bullets || paragraph.bullet;
            for (const TextRun& run : paragraph.runs) {
                addFormat(run.format);
            }
            addFormat(paragraph.mark);
        }
        if (m_fonts.empty()) {
            m_fonts.emplace_back(kDefaultFont);
        }
        if (m_bullets) {
            m_symbolFont = m_fonts.size();
            m_fonts.emplace_back(kSymbolFont);
        }
    }

    void addFormat(const TextFormat& format)
    {
        if (std::find(m_fonts.begin(), m_fonts.end(), format.font) == m_fonts.end()) {
            m_fonts.push_back(format.font);
        }
        if (format.colour &&
            std::find(m_colours.begin(), m_colours.end(), *format.colour) == m_colours.end()) {
            m_colours.push_back(*format.colour);
        }
    }

    std::size_t fontIndex(const std::string& name) const
    {
        const auto found = std::find(m_fonts.begin(), m_fonts.end(), name);
        return found == m_fonts.end() ? 0 : static_cast<std::size_t>(found - m_fonts.begin());
    }

    void writeFormat(const TextFormat& format)
    {
        m_out += "\\plain\\f" + std::to_string(fontIndex(format.font)) + "\\fs" +
                 std::to_string(format.halfPoints);
        if (format.bold) {
            m_out += "\\b";
        }
        if (format.italic) {
            m_out += "\\i";
        }
        if (format.underline) {
            m_out += "\\ul";
        }
        if (format.colour) {
            const auto found = std::find(m_colours.begin(), m_colours.end(), *format.colour);
            m_out += "\\cf" + std::to_string(found - m_colours.begin() + 1);
        }
        m_out += ' ';
    }

    void writeParagraph(const Paragraph& paragraph)
    {
        m_out += "\\pard";
        switch (paragraph.alignment) {
        case Alignment::Left:
            break;
        case Alignment::Centre:
            m_out += "\\qc";
            break;
        case Alignment::Right:
            m_out += "\\qr";
            break;
        case Alignment::Justify:
            m_out += "\\qj";
            break;
        }
        if (paragraph.bullet) {
            const std::string symbol = std::to_string(m_symbolFont);
            m_out += "{\\pntext\\f" + symbol + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + symbol +
                     "\\pnindent0{\\pntxtb\\'b7}}\\fi-200\\li200";
        }
        m_out += ' ';
        const TextFormat* last = nullptr;
        for (const TextRun& run : paragraph.runs) {
            if (run.text.empty()) {
                continue;
            }
            if (!last || !(*last == run.format)) {
                writeFormat(run.format);
            }
            text(run.text);
            last = &run.format;
        }
        if (!last || !(*last == paragraph.mark)) {
            writeFormat(paragraph.mark);
        }
        m_out += "\\par\r\n";
    }

    // A font name ends at ";" and is read back trimmed, so it is written that way.
    void fontName(const std::string& name)
    {
        std::string cleaned;
        for (const char c : name) {
            if (c != ';') {
                cleaned += c;
            }
        }
        text(trim(cleaned));
    }

    void text(std::string_view utf8)
    {
        std::size_t at = 0;
        while (at < utf8.size()) {
            const std::size_t start = at;
            const char32_t cp = nextCodePoint(utf8, at);
            if (cp == '\\' || cp == '{' || cp == '}') {
                m_out += '\\';
                m_out += static_cast<char>(cp);
            } else if (cp == '\t') {
                m_out += "\\tab ";
            } else if (cp == 0x2028) {
                m_out += "\\line ";
            } else if (cp < 0x20 || cp == 0x7F) {
                continue; // control characters have no place in the text
            } else if (cp < 0x80) {
                m_out += static_cast<char>(cp);
            } else {
                nonAscii(utf8.substr(start, at - start));
            }
        }
    }

    void nonAscii(std::string_view utf8)
    {
        const std::string byte = toCp1252(utf8);
        if (byte != "?") {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(byte[0]));
            m_out += hex;
            return;
        }
        // Outside the code page: \uN takes a signed 16-bit unit, two for the astral planes.
        for (const char16_t unit : utf8ToUtf16(utf8)) {
            m_out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + '?';
        }
    }

    const RichDocument& m_document;
    std::vector<std::string> m_fonts;
    bool m_bullets = false;
    std::size_t m_symbolFont = 0; // the Symbol font the bullets are drawn in
    std::vector<RgbColour> m_colours;
    std::string m_out;
};

} // namespace

std::string writeRtf(const RichDocument& document)
{
    return Writer(document).run();
}

} // namespace tavolim::core
