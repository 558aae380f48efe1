#include "core/books/SalesBook.h"

#include "core/books/PositionFile.h"
#include "core/books/TodayPosition.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t kLen = SaleBookRecord::Size;

} // namespace

std::optional<std::int32_t> appendSales(AppState& state, std::span<const SoldLine> lines)
{
    if (lines.empty()) {
        return std::nullopt;
    }
    const PositionFile positions(state.dataFolder(), Book::Sales);
    const auto today = locateTodayRecord(state, positions);
    if (!today) {
        return std::nullopt;
    }
    const std::int32_t first = positions.bookCount() + 1;
    if (!positions.addEntries(*today, first, static_cast<int>(lines.size()))) {
        return std::nullopt;
    }

    std::vector<std::uint8_t> bytes(lines.size() * kLen, 0);
    SaleBookRecord r;
    r.Data = fromYmd(state.DataDia);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        r.Produto = lines[i].product;
        r.Qtd = lines[i].quantity;
        r.PrecoUnit = lines[i].unitPrice;
        r.encode(std::span<std::uint8_t>(bytes).subspan(i * kLen, kLen));
    }
    if (!binaryfile::writeAt(positions.bookPath(), static_cast<std::uint64_t>(first - 1) * kLen,
                             bytes)) {
        return std::nullopt;
    }
    return first;
}

SaleBookRecord readSaleEntry(const std::filesystem::path& folder, std::int32_t number)
{
    SaleBookRecord r;
    const PositionFile positions(folder, Book::Sales);
    if (number < 1 || number > positions.bookCount()) {
        return r;
    }
    r.decode(binaryfile::readAt(positions.bookPath(), static_cast<std::uint64_t>(number - 1) * kLen,
                                kLen));
    return r;
}

} // namespace tavolim::core
