#pragma once

#include "core/store/BinaryFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

class PositionFile;

// The book records of a run of days, found through the book's position file.
struct BookDays {
    enum class Start {
        Held,         // the first day has its position record
        AfterLastDay, // the first day lies after the last day the file holds
        NoHeader,     // the position file has no first day
    };
    Start start = Start::Held;
    // Record numbers in the position file's own book, day by day, each day's in order.
    std::vector<std::int32_t> records;
    // What could not be read, for the operator; the records above are still good.
    std::vector<std::string> warnings;
};

// Days `first`..`last` of the book. Days before the book's first day hold nothing. When the
// file ends before `last` the days it holds are read; that is only worth a warning when the
// missing days are not after `heldThrough` (the day every day-indexed file has been brought
// up to), since nothing can have been written on a day not yet begun. Day records whose
// numbers are not usable and records past the end of the book are left out with a warning.
BookDays readBookDays(const PositionFile& file, std::chrono::year_month_day first,
                      std::chrono::year_month_day last,
                      std::optional<std::chrono::year_month_day> heldThrough);

// Records `numbers` (1-based, each inside the file) of a file of fixed-length records R, in
// the order given, through one read of the span they cover.
template <class R>
std::vector<R> readRecordsAt(const std::filesystem::path& file,
                             std::span<const std::int32_t> numbers)
{
    std::vector<R> out(numbers.size());
    if (numbers.empty()) {
        return out;
    }
    const auto [lo, hi] = std::minmax_element(numbers.begin(), numbers.end());
    const auto bytes = binaryfile::readAt(file, static_cast<std::uint64_t>(*lo - 1) * R::Size,
                                          static_cast<std::size_t>(*hi - *lo + 1) * R::Size);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto at = static_cast<std::size_t>(numbers[i] - *lo) * R::Size;
        out[i].decode(std::span(bytes).subspan(at, R::Size));
    }
    return out;
}

} // namespace tavolim::core
