#pragma once

#include <cstdint>
#include <span>

namespace tavolim::core {

// The CRC-32 of zip and PNG (reflected, polynomial 0xEDB88320): a torn or damaged journal or
// archive entry does not pass for a whole one.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0);

} // namespace tavolim::core
