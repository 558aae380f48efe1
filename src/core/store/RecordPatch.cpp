#include "core/store/RecordPatch.h"

#include "core/store/BinaryFile.h"

#include <algorithm>

namespace tavolim::core {

std::int32_t patchRecords(const std::filesystem::path& file, std::size_t recordLength,
                          const RecordEdit& edit, const ProgressReport& onProgress,
                          std::int32_t progressEvery)
{
    const auto total = static_cast<std::int32_t>(
        std::min<std::uint64_t>(binaryfile::size(file) / recordLength, 0x7FFFFFFF));
    constexpr std::int32_t block = 1024;
    std::int32_t changed = 0;
    for (std::int32_t first = 1; first <= total; first += block) {
        const std::int32_t n = std::min(block, total - first + 1);
        const auto offset = static_cast<std::uint64_t>(first - 1) * recordLength;
        auto bytes = binaryfile::readAt(file, offset, static_cast<std::size_t>(n) * recordLength);
        bool blockChanged = false;
        for (std::int32_t i = 0; i < n; ++i) {
            const std::int32_t number = first + i;
            if (edit(number, std::span<std::uint8_t>(bytes).subspan(
                                 static_cast<std::size_t>(i) * recordLength, recordLength))) {
                blockChanged = true;
                ++changed;
            }
            if (onProgress && progressEvery > 0 && number % progressEvery == 0) {
                onProgress(number, total);
            }
        }
        if (blockChanged && !binaryfile::writeAt(file, offset, bytes)) {
            return -1;
        }
    }
    if (onProgress) {
        onProgress(total, total);
    }
    return changed;
}

} // namespace tavolim::core
