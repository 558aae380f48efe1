#pragma once

#include <cstdint>
#include <filesystem>

namespace tavolim::core {

class Progress;

// What a deleted record leaves behind in the books and histories is blanked, so that a
// code handed out again later is never taken for the old one. Each walks its files once,
// rewriting only what changed, and shows the progress window over the book (every 50
// records, then full).

// Cliente becomes 0 in every tape-book record the person rented (dependent -1: the client
// himself; otherwise that dependent of the client).
void forgetPerson(const std::filesystem::path& folder, std::int16_t client, std::int16_t dependent,
                  Progress* progress);

// The tape leaves every tape history (its slots read as empty) and Fita becomes 0 in every
// tape-book record of it.
void forgetTape(const std::filesystem::path& folder, std::int16_t tape, Progress* progress);

// The product leaves every product history and Produto becomes 0 in every sales-book record.
void forgetProduct(const std::filesystem::path& folder, std::int16_t product, Progress* progress);

} // namespace tavolim::core
