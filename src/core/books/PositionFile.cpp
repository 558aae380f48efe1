#include "core/books/PositionFile.h"

#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t kLen = PositionRecord::Size;

} // namespace

PositionFile::PositionFile(std::filesystem::path folder, Book book)
    : m_folder(std::move(folder)), m_book(book)
{
}

std::filesystem::path PositionFile::positionPath() const
{
    return m_folder / std::string(bookFileInfo(m_book).positionFile);
}

std::filesystem::path PositionFile::bookPath() const
{
    return m_folder / std::string(bookFileInfo(m_book).bookFile);
}

std::optional<std::chrono::year_month_day> PositionFile::firstDay() const
{
    if (recordCount() < 1) {
        return std::nullopt;
    }
    const auto day = toYmd(read(1).PrimeiroReg);
    return day && plausibleBookDay(*day) ? day : std::nullopt;
}

std::int32_t PositionFile::recordCount() const
{
    const auto n = binaryfile::size(positionPath()) / kLen;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(n, 0x7FFFFFFF));
}

std::int32_t PositionFile::bookCount() const
{
    const auto n = binaryfile::size(bookPath()) / bookFileInfo(m_book).bookRecordLength;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(n, 0x7FFFFFFE));
}

std::optional<std::chrono::year_month_day> PositionFile::lastDayHeld() const
{
    const auto first = firstDay();
    if (!first) {
        return std::nullopt;
    }
    return addDays(*first, recordCount() - 2);
}

std::int64_t PositionFile::recordNumberOf(std::chrono::year_month_day day) const
{
    const auto first = firstDay();
    if (!first || !day.ok()) {
        return 0;
    }
    return daysBetween(*first, day) + 2;
}

std::optional<PositionRecord> PositionFile::dayRecord(std::chrono::year_month_day day) const
{
    const auto n = recordNumberOf(day);
    if (n < 2 || n > recordCount()) {
        return std::nullopt;
    }
    return read(static_cast<std::int32_t>(n));
}

PositionRecord PositionFile::read(std::int32_t number) const
{
    PositionRecord r;
    if (number >= 1) {
        r.decode(binaryfile::readAt(positionPath(), static_cast<std::uint64_t>(number - 1) * kLen,
                                    kLen));
    }
    return r;
}

bool PositionFile::write(std::int32_t number, const PositionRecord& record) const
{
    if (number < 1) {
        return false;
    }
    return binaryfile::writeAt(positionPath(), static_cast<std::uint64_t>(number - 1) * kLen,
                               record.encoded());
}

RollOutcome PositionFile::rollTo(std::chrono::year_month_day day) const
{
    if (!day.ok()) {
        return RollOutcome::Failed;
    }
    std::int32_t n = recordCount();
    if (!firstDay()) {
        // No usable header: the records already there end where the other books end, or,
        // with none to go by, are taken as the days just before.
        std::optional<std::chrono::year_month_day> first;
        if (n >= 2) {
            if (const auto last = lastDayOfSiblings(m_folder, positionPath())) {
                first = addDays(*last, -(n - 2));
            }
        }
        first = first.value_or(n < 2 ? day : addDays(day, -(n - 1)));
        PositionRecord header;
        header.PrimeiroReg = fromYmd(*first);
        if (!write(1, header)) {
            return RollOutcome::Failed;
        }
        n = std::max(n, 1);
    }
    const auto last = *lastDayHeld();
    const std::int64_t gap = daysBetween(last, day);
    if (gap < 0 || (gap == 0 && n < 2)) {
        return RollOutcome::ClockWentBack;
    }
    const std::int32_t next = bookCount() + 1;
    if (gap == 0) {
        PositionRecord today = read(n);
        if (today.PrimeiroReg != 0) {
            return RollOutcome::UpToDate;
        }
        today.PrimeiroReg = next;
        today.QtdRegs = 0;
        return write(n, today) ? RollOutcome::Rolled : RollOutcome::Failed;
    }
    // Empty days are all zero bytes; the new day goes last. One write for the whole gap.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(gap) * kLen, 0);
    PositionRecord today;
    today.PrimeiroReg = next;
    today.encode(std::span<std::uint8_t>(bytes).subspan(bytes.size() - kLen));
    return binaryfile::writeAt(positionPath(), static_cast<std::uint64_t>(n) * kLen, bytes)
               ? RollOutcome::Rolled
               : RollOutcome::Failed;
}

std::optional<std::int32_t> PositionFile::appendRecordFor(std::chrono::year_month_day day) const
{
    const std::int32_t count = recordCount();
    if (count < 2 || !firstDay()) {
        return std::nullopt;
    }
    const auto n = recordNumberOf(day);
    if (!day.ok() || n > count) {
        return std::nullopt;
    }
    return count;
}

bool PositionFile::addEntries(std::int32_t record, std::int32_t firstEntry, int count) const
{
    if (record < 2) {
        return false;
    }
    auto day = read(record);
    // A day's entries are contiguous and the new ones follow them. A record that says otherwise
    // (damaged, or its book cut short) would leave the new entries outside the day, where a
    // return never finds them: it is made to end where they begin.
    const std::int64_t held = static_cast<std::int64_t>(firstEntry) - day.PrimeiroReg;
    if (day.PrimeiroReg < 1 || held < 0 || held + count > 32767) {
        day.PrimeiroReg = firstEntry;
        day.QtdRegs = 0;
    } else {
        day.QtdRegs = static_cast<std::int16_t>(held);
    }
    day.QtdRegs = static_cast<std::int16_t>(std::clamp(day.QtdRegs + count, 0, 32767));
    return write(record, day);
}

bool PositionFile::setBookBase(std::chrono::year_month_day firstDay) const
{
    PositionRecord header;
    header.PrimeiroReg = fromYmd(firstDay);
    header.QtdRegs = 0;
    return write(1, header);
}

} // namespace tavolim::core
