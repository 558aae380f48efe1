#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace tavolim::core {

// Walks every whole record of a fixed-length file in large blocks and lets `edit` change
// a record's bytes in place (returning true when it did); only blocks with a change are
// written back. `onProgress(done, total)` is called every `progressEvery` records and at
// the end. Returns the number of records changed, or -1 when a write failed (the walk
// stops there; what was written stays).
using RecordEdit = std::function<bool(std::int32_t number, std::span<std::uint8_t> bytes)>;
using ProgressReport = std::function<void(std::int32_t done, std::int32_t total)>;

std::int32_t patchRecords(const std::filesystem::path& file, std::size_t recordLength,
                          const RecordEdit& edit, const ProgressReport& onProgress = {},
                          std::int32_t progressEvery = 50);

} // namespace tavolim::core
