#include "core/books/BookFiles.h"

#include "core/books/BookRecords.h"
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
