#include "core/reports/ReportLines.h"

#include "core/printing/ReceiptText.h"

#include <cmath>
#include <cstdio>

namespace tavolim::core {

std::string fitChars(std::string_view text, std::size_t width)
{
    std::string out = cutChars(text, width);
    out.append(width - charCount(out), ' ');
    return out;
}

std::string underscoreLine(std::size_t width)
{
    return std::string(width, '_');
}

void addLine(std::string& report, std::string_view line)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t lf = line.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? line.size() : lf;
        if (end > start && line[end - 1] == '\r') {
            --end;
        }
        report.append(line.substr(start, end - start));
        report.append(kReportLineEnd);
        if (lf == std::string_view::npos) {
            return;
        }
        start = lf + 1;
    }
}

std::string formatQuantity(float value)
{
    const long long hundredths = std::llround(static_cast<double>(value) * 100.0);
    const long long whole = std::llabs(hundredths) / 100;
    const long long cents = std::llabs(hundredths) % 100;
    std::string out = hundredths < 0 ? "-" : "";
    out += std::to_string(whole);
    if (cents != 0) {
        out += ',';
        out += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            out += static_cast<char>('0' + cents % 10);
        }
    }
    return out;
}

std::string zeroPadded(long long value, int width)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return buffer;
}

} // namespace tavolim::core
