#include "core/printing/ReceiptText.h"

#include "core/store/TextHelpers.h"

#include <algorithm>
#include <vector>

namespace tavolim::core {
namespace {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        std::size_t end = lf;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += kLineBreak;
        }
        out += lines[i];
    }
    return out;
}

std::string spaces(long count)
{
    return std::string(static_cast<std::size_t>(std::max(0L, count)), ' ');
}

struct Accent {
    std::string_view from;
    char to;
};

constexpr Accent kAccents[] = {
    {"À", 'A'}, {"Á", 'A'}, {"Â", 'A'}, {"Ã", 'A'}, {"Ä", 'A'}, {"Å", 'A'}, {"È", 'E'}, {"É", 'E'},
    {"Ê", 'E'}, {"Ë", 'E'}, {"Ì", 'I'}, {"Í", 'I'}, {"Î", 'I'}, {"Ï", 'I'}, {"Ò", 'O'}, {"Ó", 'O'},
    {"Ô", 'O'}, {"Õ", 'O'}, {"Ö", 'O'}, {"Ù", 'U'}, {"Ú", 'U'}, {"Û", 'U'}, {"Ü", 'U'}, {"Ç", 'C'},
    {"Ñ", 'N'}, {"à", 'a'}, {"á", 'a'}, {"â", 'a'}, {"ã", 'a'}, {"ä", 'a'}, {"å", 'a'}, {"è", 'e'},
    {"é", 'e'}, {"ê", 'e'}, {"ë", 'e'}, {"ì", 'i'}, {"í", 'i'}, {"î", 'i'}, {"ï", 'i'}, {"ò", 'o'},
    {"ó", 'o'}, {"ô", 'o'}, {"õ", 'o'}, {"ö", 'o'}, {"ù", 'u'}, {"ú", 'u'}, {"û", 'u'}, {"ü", 'u'},
    {"ç", 'c'}, {"ñ", 'n'},
};

} // namespace

int receiptWidth(int nCol)
{
    return nCol == 45 ? 45 : 40;
}

std::size_t charCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string cutChars(std::string_view text, std::size_t count)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == count) {
            return std::string(text.substr(0, i));
        }
    }
    return std::string(text);
}

std::string moneyField(Money value)
{
    const std::string text = formatMoney(value);
    return spaces(8 - static_cast<long>(charCount(text))) + text;
}

std::string centerText(int width, std::string_view text)
{
    const std::string trimmed = trim(text);
    return spaces((width - static_cast<long>(charCount(trimmed))) / 2) + trimmed;
}

std::string rightText(int width, std::string_view text)
{
    const std::string trimmed = trim(text);
    return spaces(width - static_cast<long>(charCount(trimmed))) + trimmed;
}

std::string amountLine(std::string_view label, Money value)
{
    return rightText(21, label) + "     R$" + moneyField(value);
}

std::string indentLines(std::string_view text, int margin)
{
    const std::string pad = spaces(margin);
    std::string out = pad;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (margin >= 1 && text.substr(i, 2) == kLineBreak) {
            out += '\n';
            ++i;
            out += text.substr(i + 1, 2) == kLineBreak ? std::string(" ") : pad;
        }
    }
    if (out.empty() || out.back() != ' ') {
        out += ' ';
    }
    return out;
}

std::string removeAccents(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto match =
            std::find_if(std::begin(kAccents), std::end(kAccents),
                         [&](const Accent& a) { return text.substr(i, a.from.size()) == a.from; });
        if (match != std::end(kAccents)) {
            out += match->to;
            i += match->from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string signatureLine(int width)
{
    // "  Ass.:" and two closing spaces around the line to sign on.
    return "  Ass.:" + std::string(static_cast<std::size_t>(width - 9), '_') + "  ";
}

std::string alignLine(std::string_view text, int line, LineAlignment alignment, int width)
{
    std::vector<std::string> lines = splitLines(text);
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) {
        return joinLines(lines);
    }
    std::string& target = lines[static_cast<std::size_t>(line)];
    switch (alignment) {
    case LineAlignment::Center:
        target = centerText(width, target);
        break;
    case LineAlignment::Left:
        target = trim(target);
        break;
    case LineAlignment::Right:
        target = rightText(width, target);
        break;
    }
    return joinLines(lines);
}

bool linesFit(std::string_view text, int width)
{
    const auto lines = splitLines(text);
    return std::all_of(lines.begin(), lines.end(), [&](const std::string& l) {
        return charCount(l) <= static_cast<std::size_t>(width);
    });
}

} // namespace tavolim::core
