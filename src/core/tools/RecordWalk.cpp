#include "core/tools/RecordWalk.h"

#include "core/store/BinaryFile.h"
#include "core/store/RecordCodec.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/FieldValues.h"

#include <algorithm>
#include <vector>

namespace tavolim::core {
namespace {

// Records read at a time: a few hundred kilobytes.
constexpr std::int32_t kBlockRecords = 1024;

std::optional<std::int32_t> typedBound(std::string_view text)
{
    const std::string trimmed = trim(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    return typedWholeNumber(trimmed);
}

bool listed(const FileKindInfo& info, std::span<const std::uint8_t> bytes)
{
    const auto code = static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
    return code != 0 && bytes[info.nameOffset] != '#';
}

std::int16_t intAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

} // namespace

std::optional<RecordRange> rangeFromForm(bool all, std::string_view from, std::string_view to,
                                         std::int32_t count)
{
    if (all) {
        return RecordRange{1, count};
    }
    const auto first = typedBound(from);
    const auto last = typedBound(to);
    if (!first || !last || *first < 1 || *last < 1 || *first > count || *last > count ||
        *first > *last) {
        return std::nullopt;
    }
    return RecordRange{*first, *last};
}

void walkRecords(const RecordStore& records, DataKind kind, RecordRange range,
                 const std::function<bool(const WalkStep&)>& visit,
                 const std::function<bool(std::int32_t done)>& reached)
{
    const FileKind file = dataKindInfo(kind).file;
    const FileKindInfo& info = fileKindInfo(file);
    const std::size_t size = info.recordLength;
    const std::int32_t last = std::min(range.last, records.recordCount(file));
    if (range.first < 1 || last < range.first) {
        return;
    }

    const bool people = kind == DataKind::Clients;
    const FileKindInfo& depInfo = fileKindInfo(FileKind::Dependents);
    std::vector<std::uint8_t> dependents;
    std::vector<bool> seen;
    FieldSlot numDep;
    FieldSlot dep;
    if (people) {
        dependents = binaryfile::readAll(records.filePath(FileKind::Dependents));
        seen.assign(dependents.size() / depInfo.recordLength + 1, false);
        numDep = *fieldSlot(FileKind::Clients, "NumDep");
        dep = *fieldSlot(FileKind::Clients, "Dep");
    }
    const auto depCount = static_cast<std::int32_t>(seen.empty() ? 0 : seen.size() - 1);

    const auto path = records.filePath(file);
    for (std::int32_t blockStart = range.first; blockStart <= last; blockStart += kBlockRecords) {
        const std::int32_t count = std::min(kBlockRecords, last - blockStart + 1);
        const auto block =
            binaryfile::readAt(path, static_cast<std::uint64_t>(blockStart - 1) * size,
                               static_cast<std::size_t>(count) * size);
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int32_t number = blockStart + i;
            const auto bytes = std::span<const std::uint8_t>(block).subspan(
                static_cast<std::size_t>(i) * size, size);
            if (listed(info, bytes)) {
                if (!visit({file, number, bytes})) {
                    return;
                }
                const int depTotal = people ? clampCount(intAt(bytes, numDep.offset), 10) : 0;
                for (int d = 0; d < depTotal; ++d) {
                    const std::int32_t code =
                        intAt(bytes, dep.offset + 2 * static_cast<std::size_t>(d));
                    if (code < 1 || code > depCount || seen[static_cast<std::size_t>(code)]) {
                        continue;
                    }
                    seen[static_cast<std::size_t>(code)] = true;
                    const auto depBytes =
                        std::span<const std::uint8_t>(dependents)
                            .subspan(static_cast<std::size_t>(code - 1) * depInfo.recordLength,
                                     depInfo.recordLength);
                    if (listed(depInfo, depBytes) &&
                        !visit({FileKind::Dependents, code, depBytes})) {
                        return;
                    }
                }
            }
            if (!reached(number - range.first + 1)) {
                return;
            }
        }
    }
}

} // namespace tavolim::core
