#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tavolim::core {

// The three day-indexed books, each with its position file.
enum class Book {
    Rentals, // LivroFts.tvl, by day of rental
    Returns, // FitasDev.tvl, by day of return
    Sales,   // LivroCx.tvl, by day of sale
};

struct BookFileInfo {
    std::string_view positionFile;
    std::string_view bookFile;
    std::size_t bookRecordLength;
    // Temporary names used while old months are cut away.
    std::string_view positionTemp;
    std::string_view bookTemp;
};

const BookFileInfo& bookFileInfo(Book book);

inline constexpr std::string_view kDailyTotalsFile = "Caixa.tvl";
inline constexpr std::string_view kTapeHistoryFile = "HistFita.tvl";
inline constexpr std::string_view kProductHistoryFile = "HistProd.tvl";

// The years a day-indexed file's first day may fall in: a header outside them is damaged, and
// no roll ever runs from it (a year 32767 would add millions of empty days).
bool plausibleBookDay(std::chrono::year_month_day day);

// The last day the other day-indexed files of the folder hold (the first with a sound header):
// they are rolled together, so a damaged header is rebuilt to end on the same day.
std::optional<std::chrono::year_month_day> lastDayOfSiblings(const std::filesystem::path& folder,
                                                             const std::filesystem::path& except);

// Creates the books of a new store: empty books, position files holding only their header
// with `firstDay` as the first day, and the daily totals with `firstDay` as base. Files
// already present are left alone.
bool createBookFiles(const std::filesystem::path& folder, std::chrono::year_month_day firstDay);

} // namespace tavolim::core
