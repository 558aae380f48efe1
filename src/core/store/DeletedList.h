#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace tavolim::core {

// A deleted-record list file: a 32-bit count, then 32-bit entries, newest first. Only the
// first `count` entries count; later bytes may be stale. A missing or empty file is count 0,
// and a count beyond the entries the file holds is cut to them.
class DeletedList {
public:
    explicit DeletedList(std::filesystem::path file) : m_file(std::move(file)) {}

    std::vector<std::int32_t> entries() const;

    // Puts the number first; a number already listed is left alone.
    void add(std::int32_t number);
    // Removes the number, closing the gap; an absent number is ignored.
    void remove(std::int32_t number);
    // Drops the oldest (last) entry: its first two bytes become 0 and the count goes down.
    void dropLast();
    // Walks from the oldest entry, dropping those `isFree` rejects (stale), until one is
    // accepted; that one is dropped too when `remove`. Returns it, or 0 when none is left.
    // The file is read once and written once, however many stale entries are met.
    std::int32_t takeOldest(const std::function<bool(std::int32_t)>& isFree, bool remove);

private:
    void writeCount(std::int32_t count) const;

    std::filesystem::path m_file;
};

} // namespace tavolim::core
