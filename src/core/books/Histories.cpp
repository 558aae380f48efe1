#include "core/books/Histories.h"

#include "core/books/BookFiles.h"
#include "core/store/BinaryFile.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <string>

namespace tavolim::core {
namespace {

// The slot after s; slot 1 holds the newest index, so the ring goes 2..100 and round.
int nextSlot(int s)
{
    const int n = s + 1;
    return n < HistoryFirstSlot || n > HistoryLastSlot ? HistoryFirstSlot : n;
}

template <class R>
R readAt(const std::filesystem::path& file, std::int32_t number)
{
    R record;
    if (number >= 1) {
        record.decode(
            binaryfile::readAt(file, static_cast<std::uint64_t>(number - 1) * R::Size, R::Size));
    }
    return record;
}

template <class R>
bool writeAt(const std::filesystem::path& file, std::int32_t number, const R& record)
{
    if (number < 1) {
        return false;
    }
    return binaryfile::writeAt(file, static_cast<std::uint64_t>(number - 1) * R::Size,
                               record.encoded());
}

template <class R>
std::vector<int> orderOf(const R& record)
{
    return historyOrder(record.newestSlot(), [&](int slot) { return record.isUsed(slot); });
}

std::size_t idx(int slot)
{
    return static_cast<std::size_t>(slot - 1);
}

} // namespace

std::vector<int> historyOrder(int newestSlot, const std::function<bool(int slot)>& isUsed)
{
    std::vector<int> order;
    if (newestSlot < HistoryFirstSlot) {
        return order;
    }
    const int s = std::min(newestSlot, HistoryLastSlot);
    bool wrapped = false;
    for (int slot = s + 1; slot <= HistoryLastSlot && !wrapped; ++slot) {
        wrapped = isUsed(slot);
    }
    if (wrapped) {
        for (int slot = s + 1; slot <= HistoryLastSlot; ++slot) {
            order.push_back(slot);
        }
    }
    for (int slot = HistoryFirstSlot; slot <= s; ++slot) {
        order.push_back(slot);
    }
    return order;
}

Histories::Histories(std::filesystem::path folder) : m_folder(std::move(folder)) {}

TapeHistoryRecord Histories::readTape(std::int32_t number) const
{
    return readAt<TapeHistoryRecord>(m_folder / std::string(kTapeHistoryFile), number);
}

bool Histories::writeTape(std::int32_t number, const TapeHistoryRecord& record) const
{
    return writeAt(m_folder / std::string(kTapeHistoryFile), number, record);
}

ProductHistoryRecord Histories::readProduct(std::int32_t number) const
{
    return readAt<ProductHistoryRecord>(m_folder / std::string(kProductHistoryFile), number);
}

bool Histories::writeProduct(std::int32_t number, const ProductHistoryRecord& record) const
{
    return writeAt(m_folder / std::string(kProductHistoryFile), number, record);
}

bool Histories::appendTapeHistory(std::int32_t number, std::span<const std::int16_t> tapes,
                                  std::int32_t& firstBookRecord) const
{
    if (number < 1) {
        return false;
    }
    auto record = readTape(number);
    int s = record.newestSlot();
    for (const auto tape : tapes) {
        s = nextSlot(s);
        record.Fita[idx(s)] = tape;
        record.RegLivro[idx(s)] = firstBookRecord++;
    }
    record.setNewestSlot(s);
    return writeTape(number, record);
}

bool Histories::appendProductHistory(std::int32_t number, std::int16_t product,
                                     std::int16_t quantity, Money unitPrice,
                                     std::chrono::year_month_day day) const
{
    if (number < 1) {
        return false;
    }
    auto record = readProduct(number);
    const int s = nextSlot(record.newestSlot());
    record.Data[idx(s)] = fromYmd(day);
    record.Produto[idx(s)] = product;
    record.Qtd[idx(s)] = quantity;
    record.Valor[idx(s)] = unitPrice;
    record.setNewestSlot(s);
    return writeProduct(number, record);
}

bool Histories::tapeInHistory(std::int32_t number, std::int16_t tape) const
{
    if (number < 1 || tape == 0) {
        return false;
    }
    const auto record = readTape(number);
    for (const int slot : orderOf(record)) {
        if (record.Fita[idx(slot)] == tape) {
            return true;
        }
    }
    return false;
}

std::vector<Histories::TapeEntry> Histories::tapeEntries(std::int32_t number) const
{
    std::vector<TapeEntry> out;
    if (number < 1) {
        return out;
    }
    const auto record = readTape(number);
    for (const int slot : orderOf(record)) {
        if (record.isUsed(slot)) {
            out.push_back({record.Fita[idx(slot)], record.RegLivro[idx(slot)]});
        }
    }
    return out;
}

std::vector<Histories::ProductEntry> Histories::productEntries(std::int32_t number) const
{
    std::vector<ProductEntry> out;
    if (number < 1) {
        return out;
    }
    const auto record = readProduct(number);
    for (const int slot : orderOf(record)) {
        if (record.isUsed(slot)) {
            const auto i = idx(slot);
            out.push_back({record.Data[i], record.Produto[i], record.Qtd[i], record.Valor[i]});
        }
    }
    return out;
}

std::vector<std::int16_t> Histories::loadTapeHistory(std::int32_t number) const
{
    std::vector<std::int16_t> codes;
    for (const auto& e : tapeEntries(number)) {
        codes.push_back(e.Fita);
    }
    return codes;
}

std::int32_t allocateHistory(RecordStore& records, FileKind kind)
{
    if (kind != FileKind::TapeHistory && kind != FileKind::ProductHistory) {
        return 0;
    }
    const auto number = records.nextRecordNumber(kind).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return 0;
    }
    const Histories histories(records.dataFolder());
    const bool cleared = kind == FileKind::TapeHistory
                             ? histories.writeTape(number, TapeHistoryRecord{})
                             : histories.writeProduct(number, ProductHistoryRecord{});
    return cleared ? number : 0;
}

} // namespace tavolim::core
