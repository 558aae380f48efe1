#pragma once

#include "core/store/RecordCodec.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::test {

// Walks a record's field list and collects (name, offset, length) of every field, so a test
// can check the fields tile the record exactly and find a field's documented offset.
class LayoutChecker {
public:
    struct Span {
        std::string name;
        std::size_t offset;
        std::size_t length;
    };

    template <class T>
    void field(std::string_view name, std::size_t offset, const T&)
    {
        spans.push_back({std::string(name), offset, core::storedSize<T>()});
    }
    void text(std::string_view name, std::size_t offset, std::size_t width, const std::string&)
    {
        spans.push_back({std::string(name), offset, width});
    }
    template <class T, std::size_t N>
    void array(std::string_view name, std::size_t offset, const std::array<T, N>&)
    {
        spans.push_back({std::string(name), offset, N * core::storedSize<T>()});
    }
    template <std::size_t N>
    void textArray(std::string_view name, std::size_t offset, std::size_t width,
                   const std::array<std::string, N>&)
    {
        spans.push_back({std::string(name), offset, N * width});
    }

    // Empty when the spans follow one another without gap or overlap from 0 to `size`;
    // otherwise a description of the first fault. `reserved` lists gaps that are allowed.
    std::string tilingFault(std::size_t size, std::vector<Span> reserved = {}) const;
    // Offset of the named field, or -1.
    long offsetOf(std::string_view name) const;

    std::vector<Span> spans;
};

template <class R>
LayoutChecker layoutOf()
{
    LayoutChecker checker;
    const R record{};
    R::fields(record, checker);
    return checker;
}

} // namespace tavolim::test
