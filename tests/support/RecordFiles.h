#pragma once

#include "core/store/BinaryFile.h"

#include <filesystem>
#include <span>
#include <vector>

namespace tavolim::test {

// Every whole record of a file of fixed-length records R, in file order; a short tail is
// left out.
template <class R>
std::vector<R> readRecords(const std::filesystem::path& file)
{
    const auto bytes = core::binaryfile::readAll(file);
    std::vector<R> out(bytes.size() / R::Size);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i].decode(std::span(bytes).subspan(i * R::Size, R::Size));
    }
    return out;
}

} // namespace tavolim::test
