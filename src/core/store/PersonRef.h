#pragma once

#include <cstdint>

namespace tavolim::core {

// A client (titular) or a dependent: codes are separate ranges, so the flag travels along.
struct PersonRef {
    std::int16_t code = 0;
    bool titular = true;

    bool operator==(const PersonRef&) const = default;
};

} // namespace tavolim::core
