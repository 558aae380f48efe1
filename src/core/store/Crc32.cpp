#include "core/store/Crc32.h"

#include <array>

namespace tavolim::core {
namespace {

// Eight tables: the checksum of a whole store is taken twice per backup, so it runs eight
// bytes a step (slicing-by-8) rather than one.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables makeTables()
{
    Tables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
        for (std::size_t k = 1; k < 8; ++k) {
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
        }
    }
    return t;
}

constexpr Tables kTables = makeTables();

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous)
{
    std::uint32_t c = previous ^ 0xFFFFFFFFu;
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    const auto& t = kTables;
    while (n >= 8) {
        const std::uint32_t lo =
            c ^ (static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                 static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
            t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
        p += 8;
        n -= 8;
    }
    while (n-- > 0) {
        c = t[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

} // namespace tavolim::core
