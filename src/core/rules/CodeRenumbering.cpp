#include "core/rules/CodeRenumbering.h"

#include "core/store/TapeRecord.h"

namespace tavolim::core {

void CodeRenumbering::remove(int deleted, int replacement)
{
    m_steps.emplace_back(deleted, replacement);
}

int CodeRenumbering::map(int code) const
{
    if (code < 1) {
        return code;
    }
    for (const auto& [deleted, replacement] : m_steps) {
        if (code == deleted) {
            code = replacement;
        }
        if (code > deleted) {
            --code;
        }
    }
    return code;
}

std::vector<std::int16_t> CodeRenumbering::table() const
{
    std::vector<std::int16_t> codes(32768);
    for (int c = 0; c < 32768; ++c) {
        codes[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(map(c));
    }
    return codes;
}

namespace {

// Where TapeRecord keeps the three codes.
constexpr std::size_t kSecaoOffset = 60;
constexpr std::size_t kSeloOffset = 62;
constexpr std::size_t kMidiaOffset = 64;

bool remap(std::span<std::uint8_t> record, std::size_t offset,
           const std::vector<std::int16_t>& codes)
{
    const auto stored = static_cast<std::int16_t>(record[offset] | (record[offset + 1] << 8));
    if (stored < 0 || codes.empty()) {
        return false;
    }
    const std::int16_t mapped = codes[static_cast<std::size_t>(stored)];
    if (mapped == stored) {
        return false;
    }
    record[offset] = static_cast<std::uint8_t>(mapped & 0xFF);
    record[offset + 1] = static_cast<std::uint8_t>((mapped >> 8) & 0xFF);
    return true;
}

} // namespace

int renumberTapes(std::span<std::uint8_t> tapes, const TapeRenumbering& codes,
                  const std::function<void(int done, int total)>& progress)
{
    const auto tableOf = [](const CodeRenumbering& c) {
        return c.empty() ? std::vector<std::int16_t>() : c.table();
    };
    const auto sections = tableOf(codes.sections);
    const auto labels = tableOf(codes.labels);
    const auto media = tableOf(codes.media);
    const int total = static_cast<int>(tapes.size() / TapeRecord::Size);
    int changed = 0;
    for (int n = 0; n < total; ++n) {
        auto record =
            tapes.subspan(static_cast<std::size_t>(n) * TapeRecord::Size, TapeRecord::Size);
        // Each of the three is re-pointed, whatever the others did.
        const bool section = remap(record, kSecaoOffset, sections);
        const bool label = remap(record, kSeloOffset, labels);
        const bool medium = remap(record, kMidiaOffset, media);
        if (section || label || medium) {
            ++changed;
        }
        if (progress && (n + 1) % 1024 == 0) {
            progress(n + 1, total);
        }
    }
    if (progress) {
        progress(total, total);
    }
    return changed;
}

} // namespace tavolim::core
