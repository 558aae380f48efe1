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
    m_bytes = binaryfile::readAt(file, 0, static_cast<std::size_t>(m_count) * m_length);
}

bool RecordImage::present(std::int32_t n) const
{
    if (!inRange(n)) {
        return false;
    }
    const auto b = bytes(n);
    return (b[0] | b[1]) != 0;
}

bool RecordImage::deleted(std::int32_t n) const
{
    return present(n) && m_nameWidth > 0 && bytes(n)[m_nameOffset] == '#';
}

} // namespace tavolim::core
