#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavolim::test {

// A signed little-endian integer of `width` bytes, read straight from a file's bytes.
inline std::int64_t readLe(std::span<const std::uint8_t> bytes, std::size_t offset,
                           std::size_t width)
{
    std::uint64_t u = 0;
    for (std::size_t i = width; i-- > 0;) {
        u = (u << 8) | bytes[offset + i];
    }
    const std::uint64_t sign = std::uint64_t{1} << (8 * width - 1);
    return static_cast<std::int64_t>((u ^ sign) - sign);
}

// Writes `value` as a little-endian integer of `width` bytes, growing `bytes` as needed.
inline void writeLe(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int64_t value,
                    std::size_t width)
{
    if (bytes.size() < offset + width) {
        bytes.resize(offset + width);
    }
    for (std::size_t i = 0; i < width; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
    }
}

} // namespace tavolim::test
