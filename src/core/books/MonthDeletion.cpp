#include "core/books/MonthDeletion.h"

#include "core/books/BookRecords.h"
#include "core/books/HistoryRecords.h"
#include "core/books/PositionFile.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace tavolim::core {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A book and its position file as they will be after the cut, held in memory until both
// are written.
struct Cut {
    std::int32_t dropped = 0; // K: book records cut from the start
    Bytes position;           // empty: the position file stays as it is
    Bytes book;
};

std::vector<std::chrono::year_month> monthsOf(const PositionFile& file,
                                              std::chrono::year_month_day today)
{
    std::vector<std::chrono::year_month> months;
    const auto first = file.firstDay();
    if (!first || !today.ok()) {
        return months;
    }
    const auto last = today.year() / today.month();
    for (auto m = first->year() / first->month(); m <= last; m += std::chrono::months(1)) {
        months.push_back(m);
    }
    return months;
}

// The cut of the days from the book's first day through `lastDay`. A book whose first day
// comes after lastDay is kept whole (dropped 0, position unchanged).
std::optional<Cut> planCut(const PositionFile& file, std::chrono::year_month_day lastDay)
{
    const auto first = file.firstDay();
    if (!first) {
        return std::nullopt;
    }
    const std::size_t bookLen = bookFileInfo(file.book()).bookRecordLength;
    Cut cut;
    cut.book = binaryfile::readAll(file.bookPath());
    cut.book.resize(cut.book.size() / bookLen * bookLen);
    const auto bookCount = static_cast<std::int64_t>(cut.book.size() / bookLen);

    const std::int64_t days = daysBetween(*first, lastDay) + 1;
    if (days < 1) {
        return cut;
    }
    auto positions = binaryfile::readAll(file.positionPath());
    const auto count = static_cast<std::int64_t>(positions.size() / PositionRecord::Size);
    const std::int64_t dropDays =
        std::min<std::int64_t>(days, std::max<std::int64_t>(count - 1, 0));
    auto record = [&](std::int64_t n) {
        return std::span<std::uint8_t>(positions).subspan(
            static_cast<std::size_t>(n - 1) * PositionRecord::Size, PositionRecord::Size);
    };

    std::int64_t k = 0;
    PositionRecord day;
    for (std::int64_t n = 2; n < 2 + dropDays; ++n) {
        day.decode(record(n));
        k += std::max<std::int16_t>(day.QtdRegs, 0);
    }
    k = std::min(k, bookCount);
    cut.dropped = static_cast<std::int32_t>(k);

    PositionRecord header;
    header.PrimeiroReg = fromYmd(addDays(lastDay, 1));
    cut.position = header.encoded();
    for (std::int64_t n = 2 + dropDays; n <= count; ++n) {
        day.decode(record(n));
        day.PrimeiroReg = static_cast<std::int32_t>(day.PrimeiroReg - k);
        if (day.PrimeiroReg < 1) {
            day.PrimeiroReg = 0;
            day.QtdRegs = 0;
        }
        const auto bytes = day.encoded();
        cut.position.insert(cut.position.end(), bytes.begin(), bytes.end());
    }
    cut.book.erase(cut.book.begin(), cut.book.begin() + static_cast<std::ptrdiff_t>(k * bookLen));
    return cut;
}

// A tape-book reference after K records were cut: moved down, or 0 when it pointed into
// the cut.
std::int32_t shifted(std::int32_t reference, std::int32_t k)
{
    return reference <= k ? 0 : reference - k;
}

void shiftReturnLog(Bytes& log, std::int32_t k)
{
    ReturnedTapeRecord entry;
    for (std::size_t at = 0; at + ReturnedTapeRecord::Size <= log.size();
         at += ReturnedTapeRecord::Size) {
        const auto bytes = std::span<std::uint8_t>(log).subspan(at, ReturnedTapeRecord::Size);
        entry.decode(bytes);
        entry.setBookRecord(shifted(entry.bookRecord(), k));
        entry.encode(bytes);
    }
}

// Slot 1 of RegLivro is the newest slot, not a reference: only slots 2..100 move.
void shiftTapeHistories(Bytes& histories, std::int32_t k)
{
    TapeHistoryRecord record;
    for (std::size_t at = 0; at + TapeHistoryRecord::Size <= histories.size();
         at += TapeHistoryRecord::Size) {
        const auto bytes = std::span<std::uint8_t>(histories).subspan(at, TapeHistoryRecord::Size);
        record.decode(bytes);
        for (int slot = HistoryFirstSlot; slot <= HistoryLastSlot; ++slot) {
            auto& ref = record.RegLivro[static_cast<std::size_t>(slot - 1)];
            if (ref > 0) {
                ref = shifted(ref, k);
            }
        }
        record.encode(bytes);
    }
}

// Keeps the name of the file whose write failed for the caller's message; always false.
bool failed(const std::filesystem::path& file, std::filesystem::path* failedFile)
{
    if (failedFile) {
        *failedFile = file;
    }
    return false;
}

// A whole file written under its temporary name, then renamed over the original.
bool writeThrough(const std::filesystem::path& temp, const std::filesystem::path& target,
                  const Bytes& bytes, std::filesystem::path* failedFile)
{
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    if (!binaryfile::writeAt(temp, 0, bytes)) {
        return failed(temp, failedFile);
    }
    return binaryfile::replace(temp, target) || failed(target, failedFile);
}

bool writeCut(const std::filesystem::path& folder, const PositionFile& file, const Cut& cut,
              std::filesystem::path* failedFile)
{
    const auto& info = bookFileInfo(file.book());
    bool ok =
        writeThrough(folder / std::string(info.bookTemp), file.bookPath(), cut.book, failedFile);
    if (ok && !cut.position.empty()) {
        ok = writeThrough(folder / std::string(info.positionTemp), file.positionPath(),
                          cut.position, failedFile);
    }
    return ok;
}

std::optional<std::chrono::year_month_day> lastDayToDelete(std::chrono::year_month lastMonth,
                                                           std::chrono::year_month_day today)
{
    if (!lastMonth.ok() || !today.ok() || lastMonth >= today.year() / today.month()) {
        return std::nullopt;
    }
    return std::chrono::year_month_day(lastMonth / std::chrono::last);
}

} // namespace

std::vector<std::chrono::year_month> tapeBookMonths(const std::filesystem::path& folder,
                                                    std::chrono::year_month_day today)
{
    return monthsOf(PositionFile(folder, Book::Rentals), today);
}

std::vector<std::chrono::year_month> salesBookMonths(const std::filesystem::path& folder,
                                                     std::chrono::year_month_day today)
{
    return monthsOf(PositionFile(folder, Book::Sales), today);
}

bool deleteOldestTapeMonths(const std::filesystem::path& folder, std::chrono::year_month lastMonth,
                            std::chrono::year_month_day today, std::filesystem::path* failedFile)
{
    const auto lastDay = lastDayToDelete(lastMonth, today);
    if (!lastDay) {
        return false;
    }
    const PositionFile rentals(folder, Book::Rentals);
    const PositionFile returns(folder, Book::Returns);
    auto rentalCut = planCut(rentals, *lastDay);
    auto returnCut = planCut(returns, *lastDay);
    if (!rentalCut || !returnCut || (rentalCut->position.empty() && returnCut->position.empty())) {
        return false;
    }

    const std::int32_t k = rentalCut->dropped;
    const auto historyPath = folder / std::string(kTapeHistoryFile);
    Bytes histories;
    if (k > 0) {
        shiftReturnLog(returnCut->book, k);
        histories = binaryfile::readAll(historyPath);
        shiftTapeHistories(histories, k);
    }
    bool ok = writeCut(folder, rentals, *rentalCut, failedFile) &&
              writeCut(folder, returns, *returnCut, failedFile);
    if (ok && k > 0) {
        ok = binaryfile::writeAllAtomic(historyPath, histories) || failed(historyPath, failedFile);
    }
    return ok;
}

bool deleteOldestSalesMonths(const std::filesystem::path& folder, std::chrono::year_month lastMonth,
                             std::chrono::year_month_day today, std::filesystem::path* failedFile)
{
    const auto lastDay = lastDayToDelete(lastMonth, today);
    if (!lastDay) {
        return false;
    }
    const PositionFile sales(folder, Book::Sales);
    const auto cut = planCut(sales, *lastDay);
    if (!cut || cut->position.empty()) {
        return false;
    }
    return writeCut(folder, sales, *cut, failedFile);
}

} // namespace tavolim::core
