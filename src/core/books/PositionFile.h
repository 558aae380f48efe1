#pragma once

#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavolim::core {

// What bringing a day-indexed file up to a day did.
enum class RollOutcome {
    UpToDate,      // the day was already held
    Rolled,        // records were added up to the day
    ClockWentBack, // the day lies before the last day held: nothing written
    Failed,        // the file could not be written
};

// Whole days from a to b (negative when b is earlier).
inline std::int64_t daysBetween(std::chrono::year_month_day a, std::chrono::year_month_day b)
{
    return (std::chrono::sys_days(b) - std::chrono::sys_days(a)).count();
}

inline std::chrono::year_month_day addDays(std::chrono::year_month_day d, std::int64_t n)
{
    return std::chrono::sys_days(d) + std::chrono::days(n);
}

// A position file with its book. Each call opens, works and closes.
//
// A file without a header (missing, empty) or with a header that is not a date is
// repaired by the roll: the first day becomes the rolled day, or, when day records are
// already there, the day before it is taken as the last day held so that no record is
// overwritten.
class PositionFile {
public:
    PositionFile(std::filesystem::path folder, Book book);

    Book book() const { return m_book; }
    std::filesystem::path positionPath() const;
    std::filesystem::path bookPath() const;

    // DataInicial of the header; nullopt when missing or not a date.
    std::optional<std::chrono::year_month_day> firstDay() const;
    // Whole records, header included.
    std::int32_t recordCount() const;
    // Whole records of the book; the next entry gets this + 1.
    std::int32_t bookCount() const;
    std::optional<std::chrono::year_month_day> lastDayHeld() const;

    // Record number of a day, counted from the header (may lie outside the file).
    std::int64_t recordNumberOf(std::chrono::year_month_day day) const;
    // The day's record when the file holds it.
    std::optional<PositionRecord> dayRecord(std::chrono::year_month_day day) const;
    PositionRecord read(std::int32_t number) const;
    bool write(std::int32_t number, const PositionRecord& record) const;

    // Adds the records of the days on which the program did not run (PrimeiroReg 0) and the
    // day itself, whose PrimeiroReg is the number its first entry will get.
    RollOutcome rollTo(std::chrono::year_month_day day) const;

    // The record that entries written on `day` are counted in: the day's own, or, when the
    // clock went back behind the last day held, that last day's, since only the last
    // day's entries may grow at the end of the book. nullopt when the day is not rolled.
    std::optional<std::int32_t> appendRecordFor(std::chrono::year_month_day day) const;

    // Counts `count` new entries, the first numbered `firstEntry`, in a day's record; a
    // record without a first entry yet takes `firstEntry`, and one whose entries do not end
    // right before it is set to (see the .cpp).
    bool addEntries(std::int32_t record, std::int32_t firstEntry, int count) const;

    // New header after old months were cut: DataInicial = firstDay, QtdRegs 0.
    bool setBookBase(std::chrono::year_month_day firstDay) const;

private:
    std::filesystem::path m_folder;
    Book m_book;
};

} // namespace tavolim::core
