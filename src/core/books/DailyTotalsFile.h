#pragma once

#include "core/books/PositionFile.h"
#include "core/store/DailyTotalsRecord.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavolim::core {

// Caixa.tvl: one daily-totals record per calendar day from the base date of its header.
// A header that is missing or not a date is repaired by the roll the way position files
// are (see PositionFile).
class DailyTotalsFile {
public:
    explicit DailyTotalsFile(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return m_path; }
    std::optional<std::chrono::year_month_day> base() const;
    // Whole records, header included.
    std::int32_t recordCount() const;

    // Appends zeroed records for every day after the last held, up to `day`.
    RollOutcome rollTo(std::chrono::year_month_day day) const;

    // The day's record; nullopt for a day before the base or without a header.
    std::optional<DailyTotalsRecord> read(std::chrono::year_month_day day) const;
    // Writes the day's record; a day past the end extends the file with zeroed days,
    // which is what the roll would have written for them.
    bool write(std::chrono::year_month_day day, const DailyTotalsRecord& totals) const;

private:
    std::optional<std::int64_t> recordNumberOf(std::chrono::year_month_day day) const;

    std::filesystem::path m_path;
};

} // namespace tavolim::core
