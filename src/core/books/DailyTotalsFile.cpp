#include "core/books/DailyTotalsFile.h"

#include "core/books/BookFiles.h"
#include "core/store/BinaryFile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t kLen = DailyTotalsRecord::Size;

} // namespace

DailyTotalsFile::DailyTotalsFile(const std::filesystem::path& folder)
    : m_path(folder / std::string(kDailyTotalsFile))
{
}

std::optional<std::chrono::year_month_day> DailyTotalsFile::base() const
{
    if (recordCount() < 1) {
        return std::nullopt;
    }
    DailyTotalsRecord header;
    header.decode(binaryfile::readAt(m_path, 0, kLen));
    const auto day = header.headerDate();
    return day && plausibleBookDay(*day) ? day : std::nullopt;
}

std::int32_t DailyTotalsFile::recordCount() const
{
    const auto n = binaryfile::size(m_path) / kLen;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(n, 0x7FFFFFFF));
}

RollOutcome DailyTotalsFile::rollTo(std::chrono::year_month_day day) const
{
    if (!day.ok()) {
        return RollOutcome::Failed;
    }
    std::int32_t n = recordCount();
    auto first = base();
    if (!first) {
        // As a position file's header: rebuilt to end where the books end.
        if (n >= 2) {
            if (const auto last = lastDayOfSiblings(m_path.parent_path(), m_path)) {
                first = addDays(*last, -(n - 2));
            }
        }
        first = first.value_or(n < 2 ? day : addDays(day, -(n - 1)));
        if (!binaryfile::writeAt(m_path, 0, DailyTotalsRecord::header(*first).encoded())) {
            return RollOutcome::Failed;
        }
        n = std::max(n, 1);
    }
    const auto lastHeld = addDays(*first, n - 2);
    const std::int64_t gap = daysBetween(lastHeld, day);
    if (gap < 0) {
        return RollOutcome::ClockWentBack;
    }
    if (gap == 0) {
        return RollOutcome::UpToDate;
    }
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(gap) * kLen, 0);
    return binaryfile::writeAt(m_path, static_cast<std::uint64_t>(n) * kLen, zeros)
               ? RollOutcome::Rolled
               : RollOutcome::Failed;
}

std::optional<std::int64_t> DailyTotalsFile::recordNumberOf(std::chrono::year_month_day day) const
{
    const auto first = base();
    if (!first || !day.ok()) {
        return std::nullopt;
    }
    const auto n = daysBetween(*first, day) + 2;
    // Record 1 is never a day.
    if (n < 2 || n > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return n;
}

std::optional<DailyTotalsRecord> DailyTotalsFile::read(std::chrono::year_month_day day) const
{
    const auto n = recordNumberOf(day);
    if (!n) {
        return std::nullopt;
    }
    DailyTotalsRecord r;
    r.decode(binaryfile::readAt(m_path, static_cast<std::uint64_t>(*n - 1) * kLen, kLen));
    return r;
}

bool DailyTotalsFile::write(std::chrono::year_month_day day, const DailyTotalsRecord& totals) const
{
    const auto n = recordNumberOf(day);
    if (!n) {
        return false;
    }
    return binaryfile::writeAt(m_path, static_cast<std::uint64_t>(*n - 1) * kLen, totals.encoded());
}

} // namespace tavolim::core
