#include "core/books/BookFiles.h"

#include "core/books/BookRecords.h"
#include "core/books/DailyTotalsFile.h"
#include "core/books/PositionFile.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/TextHelpers.h"

#include <array>
#include <string>

namespace tavolim::core {
namespace {

constexpr std::array<BookFileInfo, 3> kBooks = {{
    {"PosLivFt.tvl", "LivroFts.tvl", TapeBookRecord::Size, "PosLivFt.x", "LivroFts.x"},
    {"PosFtDev.tvl", "FitasDev.tvl", ReturnedTapeRecord::Size, "PosFtDev.x", "FitasDev.x"},
    {"PosLivCx.tvl", "LivroCx.tvl", SaleBookRecord::Size, "PosLivCx.x", "LivroCx.x"},
}};

bool createIfMissing(const std::filesystem::path& file, std::span<const std::uint8_t> bytes)
{
    if (std::filesystem::exists(file)) {
        return true;
    }
    return binaryfile::writeAllAtomic(file, bytes);
}

} // namespace

const BookFileInfo& bookFileInfo(Book book)
{
    return kBooks[static_cast<std::size_t>(book)];
}

bool plausibleBookDay(std::chrono::year_month_day day)
{
    return day.ok() && day.year() >= std::chrono::year{1980} &&
           day.year() <= std::chrono::year{2100};
}

std::optional<std::chrono::year_month_day> lastDayOfSiblings(const std::filesystem::path& folder,
                                                             const std::filesystem::path& except)
{
    for (const Book book : {Book::Rentals, Book::Returns, Book::Sales}) {
        const PositionFile file(folder, book);
        if (file.positionPath() != except && file.recordCount() >= 2) {
            if (const auto last = file.lastDayHeld()) {
                return last;
            }
        }
    }
    const DailyTotalsFile totals(folder);
    if (totals.path() != except && totals.recordCount() >= 2) {
        if (const auto first = totals.base()) {
            return addDays(*first, totals.recordCount() - 2);
        }
    }
    return std::nullopt;
}

bool createBookFiles(const std::filesystem::path& folder, std::chrono::year_month_day firstDay)
{
    PositionRecord header;
    header.PrimeiroReg = fromYmd(firstDay);
    const auto headerBytes = header.encoded();
    bool ok = true;
    for (const auto& info : kBooks) {
        ok = createIfMissing(folder / std::string(info.bookFile), {}) && ok;
        ok = createIfMissing(folder / std::string(info.positionFile), headerBytes) && ok;
    }
    ok = createIfMissing(folder / std::string(kDailyTotalsFile),
                         DailyTotalsRecord::header(firstDay).encoded()) &&
         ok;
    return ok;
}

} // namespace tavolim::core
