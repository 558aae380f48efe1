#include "cli/JsonRecord.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tavolim::cli {

Json JsonFields::toJson(float v)
{
    if (!std::isfinite(v)) {
        return nullptr; // JSON has no NaN or infinity
    }
    // Widening 0.1f would print 0.10000000149011612; the float's own shortest form reads
    // back as the same float.
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, v).ptr;
    *end = '\0';
    return std::strtod(buf, nullptr);
}

Json JsonFields::toJson(core::Money v)
{
    return static_cast<double>(v.thousandths()) / 1000.0;
}

std::string jsonLine(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace tavolim::cli
