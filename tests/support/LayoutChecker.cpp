#include "support/LayoutChecker.h"

#include <algorithm>

namespace tavolim::test {

std::string LayoutChecker::tilingFault(std::size_t size, std::vector<Span> reserved) const
{
    std::vector<Span> all = spans;
    all.insert(all.end(), reserved.begin(), reserved.end());
    std::sort(all.begin(), all.end(),
              [](const Span& a, const Span& b) { return a.offset < b.offset; });
    std::size_t at = 0;
    for (const auto& s : all) {
        if (s.offset != at) {
            return "field " + s.name + " at " + std::to_string(s.offset) + ", expected " +
                   std::to_string(at);
        }
        at += s.length;
    }
    if (at != size) {
        return "fields end at " + std::to_string(at) + ", record is " + std::to_string(size);
    }
    return {};
}

long LayoutChecker::offsetOf(std::string_view name) const
{
    for (const auto& s : spans) {
        if (s.name == name) {
            return static_cast<long>(s.offset);
        }
    }
    return -1;
}

} // namespace tavolim::test
