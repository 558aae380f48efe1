#include "core/store/DeletedList.h"

#include "core/store/BinaryFile.h"

#include <algorithm>
#include <array>

namespace tavolim::core {
namespace {

std::int32_t readInt32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

std::array<std::uint8_t, 4> int32Bytes(std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

} // namespace

std::vector<std::int32_t> DeletedList::entries() const
{
    const auto bytes = binaryfile::readAll(m_file);
    if (bytes.size() < 4) {
        return {};
    }
    const std::int64_t stored = readInt32(bytes.data());
    const std::int64_t available = static_cast<std::int64_t>((bytes.size() - 4) / 4);
    const std::int64_t count = std::clamp<std::int64_t>(stored, 0, available);
    std::vector<std::int32_t> out;
    out.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        out.push_back(readInt32(bytes.data() + 4 + i * 4));
    }
    return out;
}

void DeletedList::add(std::int32_t number)
{
    auto list = entries();
    if (std::find(list.begin(), list.end(), number) != list.end()) {
        return;
    }
    list.insert(list.begin(), number);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(4 + list.size() * 4);
    const auto count = int32Bytes(static_cast<std::int32_t>(list.size()));
    bytes.insert(bytes.end(), count.begin(), count.end());
    for (const auto e : list) {
        const auto b = int32Bytes(e);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    binaryfile::writeAt(m_file, 0, bytes);
}

void DeletedList::remove(std::int32_t number)
{
    auto list = entries();
    const auto it = std::find(list.begin(), list.end(), number);
    if (it == list.end()) {
        return;
    }
    list.erase(it);
    // The freed last slot keeps its old bytes; the count says it no longer counts.
    std::vector<std::uint8_t> bytes;
    const auto count = int32Bytes(static_cast<std::int32_t>(list.size()));
    bytes.insert(bytes.end(), count.begin(), count.end());
    for (const auto e : list) {
        const auto b = int32Bytes(e);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    binaryfile::writeAt(m_file, 0, bytes);
}

void DeletedList::dropLast()
{
    const auto list = entries();
    if (list.empty()) {
        return;
    }
    const std::uint8_t zero[2] = {0, 0};
    binaryfile::writeAt(m_file, 4 + (list.size() - 1) * 4, zero);
    writeCount(static_cast<std::int32_t>(list.size() - 1));
}

std::int32_t DeletedList::takeOldest(const std::function<bool(std::int32_t)>& isFree, bool remove)
{
    auto bytes = binaryfile::readAll(m_file);
    const auto list = entries();
    std::size_t count = list.size();
    std::int32_t found = 0;
    while (count > 0) {
        const std::int32_t number = list[count - 1];
        const bool free = isFree(number);
        if (free && !remove) {
            found = number;
            break;
        }
        bytes[4 + (count - 1) * 4] = 0;
        bytes[4 + (count - 1) * 4 + 1] = 0;
        --count;
        if (free) {
            found = number;
            break;
        }
    }
    if (count != list.size()) {
        const auto c = int32Bytes(static_cast<std::int32_t>(count));
        std::copy(c.begin(), c.end(), bytes.begin());
        binaryfile::writeAt(m_file, 0, std::span(bytes).first(4 + list.size() * 4));
    }
    return found;
}

void DeletedList::writeCount(std::int32_t count) const
{
    binaryfile::writeAt(m_file, 0, int32Bytes(count));
}

} // namespace tavolim::core
