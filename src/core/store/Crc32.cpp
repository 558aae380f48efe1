#include "core/store/Crc32.h"

#include <array>

namespace tavolim::core {
namespace {

constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr auto kTable = makeTable();

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous)
{
    std::uint32_t c = previous ^ 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) {
        c = kTable[(c ^ b) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

} // namespace tavolim::core
