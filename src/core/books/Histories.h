#pragma once

#include "core/books/HistoryRecords.h"
#include "core/store/FileKind.h"
#include "core/store/Money.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

namespace tavolim::core {

class RecordStore;

// The slots of a history ring from oldest to newest. The ring has wrapped when any slot
// after the newest is used; a slot emptied since (a forgotten tape or product) stays in
// the order and readers skip it. A newest slot below 2 means an empty history.
std::vector<int> historyOrder(int newestSlot, const std::function<bool(int slot)>& isUsed);

// Reads and writes of HistFita.tvl and HistProd.tvl by history record number. A number
// below 1 is never read or written; a number beyond the end of the file reads as an
// all-zero record.
class Histories {
public:
    explicit Histories(std::filesystem::path folder);

    TapeHistoryRecord readTape(std::int32_t number) const;
    bool writeTape(std::int32_t number, const TapeHistoryRecord& record) const;
    ProductHistoryRecord readProduct(std::int32_t number) const;
    bool writeProduct(std::int32_t number, const ProductHistoryRecord& record) const;

    // One entry per tape; entry i carries firstBookRecord + i, the tape-book record
    // written for tape i. firstBookRecord is advanced past the last one.
    bool appendTapeHistory(std::int32_t number, std::span<const std::int16_t> tapes,
                           std::int32_t& firstBookRecord) const;
    bool appendProductHistory(std::int32_t number, std::int16_t product, std::int16_t quantity,
                              Money unitPrice, std::chrono::year_month_day day) const;

    bool tapeInHistory(std::int32_t number, std::int16_t tape) const;

    struct TapeEntry {
        std::int16_t Fita;
        std::int32_t RegLivro;
    };
    struct ProductEntry {
        std::int32_t Data;
        std::int16_t Produto;
        std::int16_t Qtd;
        Money Valor;
    };
    // Used entries, oldest first.
    std::vector<TapeEntry> tapeEntries(std::int32_t number) const;
    std::vector<ProductEntry> productEntries(std::int32_t number) const;
    // The tape codes of tapeEntries: the list the client situation shows.
    std::vector<std::int16_t> loadTapeHistory(std::int32_t number) const;

private:
    std::filesystem::path m_folder;
};

// A history record number for a new history (TapeHistory or ProductHistory): reused from the deleted list
// or appended. A reused record still holds its former owner's entries, so it is cleared
// here, before anything is appended to it. 0 when the record could not be cleared.
std::int32_t allocateHistory(RecordStore& records, FileKind kind);

} // namespace tavolim::core
