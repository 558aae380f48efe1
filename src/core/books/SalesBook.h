#pragma once

#include "core/books/BookRecords.h"
#include "core/store/Money.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tavolim::core {

class AppState;

struct SoldLine {
    std::int16_t product = 0;
    std::int16_t quantity = 0;
    Money unitPrice;
};

// Appends one sales-book record (LivroCx.tvl) per line, dated the current day, and counts
// them in today's PosLivCx.tvl record. Returns the number of the first record written, or
// nullopt when nothing could be written.
std::optional<std::int32_t> appendSales(AppState& state, std::span<const SoldLine> lines);

// One sales-book record; a number outside the book reads as zeros.
SaleBookRecord readSaleEntry(const std::filesystem::path& folder, std::int32_t number);

} // namespace tavolim::core
