#include "core/reports/BookDays.h"

#include "core/books/PositionFile.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

BookDays readBookDays(const PositionFile& file, std::chrono::year_month_day first,
                      std::chrono::year_month_day last,
                      std::optional<std::chrono::year_month_day> heldThrough)
{
    BookDays out;
    const auto bookFirst = file.firstDay();
    if (!bookFirst) {
        out.start = BookDays::Start::NoHeader;
        return out;
    }
    const std::int32_t count = file.recordCount();
    const auto& info = bookFileInfo(file.book());
    const std::string positionName(info.positionFile);
    const std::string bookName(info.bookFile);

    const std::int64_t from = std::max<std::int64_t>(file.recordNumberOf(first), 2);
    if (from > count) {
        out.start = BookDays::Start::AfterLastDay;
        return out;
    }
    std::int64_t to = file.recordNumberOf(last);
    if (to > count) {
        const auto lastHeld = addDays(*bookFirst, count - 2);
        if (heldThrough && daysBetween(lastHeld, *heldThrough) > 0) {
            out.warnings.push_back("O arquivo " + positionName + " só tem dias até " +
                                   dateToText(fromYmd(lastHeld)) +
                                   "; os dias seguintes do período não puderam ser lidos.");
        }
        to = count;
    }
    if (to < from) {
        return out;
    }

    const std::int32_t bookCount = file.bookCount();
    const auto bytes = binaryfile::readAt(
        file.positionPath(), static_cast<std::uint64_t>(from - 1) * PositionRecord::Size,
        static_cast<std::size_t>(to - from + 1) * PositionRecord::Size);
    int badDays = 0;
    std::int64_t pastEnd = 0;
    PositionRecord day;
    for (std::size_t at = 0; at + PositionRecord::Size <= bytes.size();
         at += PositionRecord::Size) {
        day.decode(std::span(bytes).subspan(at, PositionRecord::Size));
        if (day.PrimeiroReg == 0 || day.QtdRegs == 0) {
            continue; // a day on which the program did not run, or ran and wrote nothing
        }
        if (day.PrimeiroReg < 0 || day.QtdRegs < 0) {
            ++badDays;
            continue;
        }
        const std::int64_t end = std::int64_t{day.PrimeiroReg} + day.QtdRegs - 1;
        for (std::int64_t n = day.PrimeiroReg; n <= std::min<std::int64_t>(end, bookCount); ++n) {
            out.records.push_back(static_cast<std::int32_t>(n));
        }
        pastEnd +=
            std::max<std::int64_t>(end - std::max<std::int64_t>(bookCount, day.PrimeiroReg - 1), 0);
    }
    if (badDays > 0) {
        out.warnings.push_back("O arquivo " + positionName + " tem " + std::to_string(badDays) +
                               (badDays == 1 ? " dia" : " dias") +
                               " com números inválidos no período; esses dias não foram lidos.");
    }
    if (pastEnd > 0) {
        out.warnings.push_back("O arquivo " + positionName + " indica " + std::to_string(pastEnd) +
                               (pastEnd == 1 ? " registro" : " registros") + " além do fim de " +
                               bookName + " (que tem " + std::to_string(bookCount) +
                               "); as linhas que puderam ser lidas estão na lista.");
    }
    return out;
}

} // namespace tavolim::core
