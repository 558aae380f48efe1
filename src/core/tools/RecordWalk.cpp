#include "core/tools/RecordWalk.h"

#include "core/store/BinaryFile.h"
#include "core/store/RecordCodec.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

// Records read at a time: a few hundred kilobytes.
constexpr std::size_t kBlockRecords = 1024;

// A bound as typed: a whole number, sign allowed; too large a number stays too large.
std::optional<std::int64_t> typedBound(std::string_view text)
{
    const std::string trimmed = trim(text);
    std::size_t i = 0;
    const bool negative = !trimmed.empty() && trimmed[0] == '-';
    if (negative || (!trimmed.empty() && trimmed[0] == '+')) {
        ++i;
    }
    if (i == trimmed.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9') {
            return std::nullopt;
        }
        value = std::min<std::int64_t>(value * 10 + (trimmed[i] - '0'), 1000000000);
    }
    return negative ? -value : value;
}

std::int16_t intAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

} // namespace

std::optional<RecordRange> rangeFromForm(bool all, std::string_view from, std::string_view to,
                                         std::int32_t count)
{
    if (all) {
        return RecordRange{1, count};
    }
    const auto first = typedBound(from);
    const auto last = typedBound(to);
    if (!first || !last || *first < 1 || *last < 1 || *first > count || *last > count ||
        *first > *last) {
        return std::nullopt;
    }
    return RecordRange{static_cast<std::int32_t>(*first), static_cast<std::int32_t>(*last)};
}

RecordWalk::RecordWalk(const RecordStore& records, DataKind kind, RecordRange range)
    : m_records(records), m_file(dataKindInfo(kind).file), m_range(range)
{
    const FileKindInfo& info = fileKindInfo(m_file);
    m_size = info.recordLength;
    m_nameOffset = info.nameOffset;
    m_range.last = std::min(m_range.last, records.recordCount(m_file));
    m_people = kind == DataKind::Clients;
    if (m_people) {
        const auto count = static_cast<std::size_t>(records.recordCount(FileKind::Dependents));
        m_seen.assign(count + 1, 0);
        m_dependentBlocks.resize((count + kBlockRecords - 1) / kBlockRecords);
        m_numDep = fieldSlot(FileKind::Clients, "NumDep")->offset;
        m_dep = fieldSlot(FileKind::Clients, "Dep")->offset;
    }
}

int RecordWalk::dependentCount(std::span<const std::uint8_t> holder) const
{
    return m_people ? clampCount(intAt(holder, m_numDep), 10) : 0;
}

WalkStep RecordWalk::takeDependent(std::span<const std::uint8_t> holder, int slot) const
{
    const std::int32_t code = intAt(holder, m_dep + 2 * static_cast<std::size_t>(slot));
    if (code < 1 || static_cast<std::size_t>(code) >= m_seen.size() ||
        m_seen[static_cast<std::size_t>(code)]) {
        return {FileKind::Dependents, 0, {}};
    }
    m_seen[static_cast<std::size_t>(code)] = 1;
    const FileKindInfo& info = fileKindInfo(FileKind::Dependents);
    const auto index = static_cast<std::size_t>(code - 1);
    auto& block = m_dependentBlocks[index / kBlockRecords];
    if (block.empty()) {
        block = binaryfile::readAt(m_records.filePath(FileKind::Dependents),
                                   static_cast<std::uint64_t>(index - index % kBlockRecords) *
                                       info.recordLength,
                                   kBlockRecords * info.recordLength);
    }
    const auto bytes = std::span<const std::uint8_t>(block).subspan(
        index % kBlockRecords * info.recordLength, info.recordLength);
    return {FileKind::Dependents, listed(bytes, info.nameOffset) ? code : 0, bytes};
}

void RecordWalk::readBlocks(const std::function<void(std::span<const std::uint8_t>)>& f) const
{
    if (m_range.first < 1 || m_range.last < m_range.first) {
        return;
    }
    binaryfile::readBlocks(
        m_records.filePath(m_file), static_cast<std::uint64_t>(m_range.first - 1) * m_size,
        static_cast<std::uint64_t>(m_range.size()) * m_size, kBlockRecords * m_size, f);
}

} // namespace tavolim::core
