#pragma once

#include <chrono>
#include <filesystem>
#include <vector>

namespace tavolim::core {

// Deleting the oldest months of the books. The months through `lastMonth` are cut from the
// start of a book and of its position file (through the ".x" temporary files), the kept
// day records are renumbered and the header gets the first kept day (SetBookBase). The
// current month is never deleted: the current day must keep its record. Both return false
// when nothing was deleted (a month before the book's first day, the current month or
// later, a file that could not be written); `failedFile`, when given, then receives the file
// whose write failed, or stays as it was.
//
// The tape book is referred to by position from FitasDev.tvl and from RegLivro of the
// tape histories. Cutting K records moves every later record down by K, so those
// references are moved down by K in the same operation; one that pointed into the cut
// months becomes 0 ("no tape-book record") rather than pointing at somebody else's rental.

// The months a book covers, oldest first: from its first day's month to today's month.
std::vector<std::chrono::year_month> tapeBookMonths(const std::filesystem::path& folder,
                                                    std::chrono::year_month_day today);
std::vector<std::chrono::year_month> salesBookMonths(const std::filesystem::path& folder,
                                                     std::chrono::year_month_day today);

// The tape book, the returned-tape log, their position files and the tape histories.
bool deleteOldestTapeMonths(const std::filesystem::path& folder, std::chrono::year_month lastMonth,
                            std::chrono::year_month_day today,
                            std::filesystem::path* failedFile = nullptr);

// The sales book and its position file.
bool deleteOldestSalesMonths(const std::filesystem::path& folder, std::chrono::year_month lastMonth,
                             std::chrono::year_month_day today,
                             std::filesystem::path* failedFile = nullptr);

} // namespace tavolim::core
