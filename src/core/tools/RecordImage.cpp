#include "core/tools/RecordImage.h"

#include "core/store/BinaryFile.h"
#include "core/store/RecordStore.h"

#include <algorithm>

namespace tavolim::core {

RecordImage::RecordImage(const std::filesystem::path& file, FileKind kind)
    : m_length(fileKindInfo(kind).recordLength), m_nameOffset(fileKindInfo(kind).nameOffset),
      m_nameWidth(fileKindInfo(kind).nameWidth)
{
    const std::uint64_t whole = binaryfile::size(file) / m_length;
    m_count = static_cast<std::int32_t>(std::min<std::uint64_t>(whole, RecordStore::MaxRecords));
    // Read straight into place: a full register is megabytes, not worth zeroing first.
    const auto length = static_cast<std::size_t>(m_count) * m_length;
    m_bytes.reserve(length);
    binaryfile::readBlocks(file, 0, length, 1 << 20, [this](std::span<const std::uint8_t> block) {
        m_bytes.insert(m_bytes.end(), block.begin(), block.end());
    });
    m_bytes.resize(length);
    m_count = static_cast<std::int32_t>(m_bytes.size() / m_length);
}

bool RecordImage::present(std::int32_t n) const
{
    return inRange(n) && int16(n, 0) != 0;
}

bool RecordImage::deleted(std::int32_t n) const
{
    return present(n) && m_nameWidth > 0 && bytes(n)[m_nameOffset] == '#';
}

std::int16_t RecordImage::int16(std::int32_t n, std::size_t at) const
{
    if (!inRange(n) || at + 2 > m_length) {
        return 0;
    }
    const auto b = bytes(n);
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

std::int32_t RecordImage::int32(std::int32_t n, std::size_t at) const
{
    if (!inRange(n) || at + 4 > m_length) {
        return 0;
    }
    const auto b = bytes(n);
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

Slots RecordImage::slots(std::int32_t n, std::size_t countOffset, std::size_t values, int max) const
{
    const int room = values < m_length ? static_cast<int>((m_length - values) / 2) : 0;
    const int count = std::clamp<int>(int16(n, countOffset), 0, std::min(max, room));
    return count == 0 ? Slots() : Slots(bytes(n).data() + values, count);
}

} // namespace tavolim::core
