#include "core/reports/RichDocument.h"

namespace tavolim::core {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";

} // namespace

void appendText(Paragraph& paragraph, std::string_view text, const TextFormat& format)
{
    if (text.empty()) {
        return;
    }
    if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
        paragraph.runs.back().text += text;
    } else {
        paragraph.runs.push_back({std::string(text), format});
    }
}

RichDocument documentFromPlainText(std::string_view utf8, const TextFormat& format)
{
    RichDocument document;
    Paragraph current;
    current.mark = format;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= utf8.size(); ++i) {
        const bool end = i == utf8.size();
        if (!end && utf8[i] != '\r' && utf8[i] != '\n') {
            continue;
        }
        appendText(current, utf8.substr(start, i - start), format);
        if (end) {
            break;
        }
        document.paragraphs.push_back(std::move(current));
        current = Paragraph{};
        current.mark = format;
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    document.paragraphs.push_back(std::move(current));
    return document;
}

std::string plainText(const RichDocument& document)
{
    std::string text;
    for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
        if (p > 0) {
            text += "\r\n";
        }
        for (const TextRun& run : document.paragraphs[p].runs) {
            std::size_t start = 0;
            for (std::size_t at = run.text.find(kLineSeparator); at != std::string::npos;
                 at = run.text.find(kLineSeparator, start)) {
                text.append(run.text, start, at - start);
                text += "\r\n";
                start = at + kLineSeparator.size();
            }
            text.append(run.text, start);
        }
    }
    return text;
}

} // namespace tavolim::core
