#pragma once

#include "core/store/FileKind.h"
#include "core/tools/DataFields.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace tavolim::core {

class RecordStore;

// Record numbers first..last of the kind's file (the holders' file for clients); empty when
// last < first.
struct RecordRange {
    std::int32_t first = 1;
    std::int32_t last = 0;

    std::int32_t size() const { return last >= first ? last - first + 1 : 0; }
};

inline constexpr std::string_view kBadRange =
    "O número do registro inicial ou final está incorreto.";

// The range optTodos, txtDe and txtAte give over a file of `count` records: every record, or
// txtDe to txtAte. nullopt when a bound is below 1 or beyond the count, or the start comes
// after the end; nothing needs to be read to tell.
std::optional<RecordRange> rangeFromForm(bool all, std::string_view from, std::string_view to,
                                         std::int32_t count);

// One record the walk reached, as its file holds it.
struct WalkStep {
    FileKind file;
    std::int32_t number;
    std::span<const std::uint8_t> bytes;
};

// The records of a kind in a range, in the tools' order, read in large blocks: each record in
// turn and, for clients, each holder followed by its dependents (each dependent once, however
// many holders list it). Deleted records and blank ones (code 0) are passed over, and with a
// holder its dependents. `visit` returns false to stop the walk; so does `reached`, told after
// each record of the range (with its dependents) how many of the range are done.
//
// The dependents are read once, when the walk starts: a walk may change the records it has
// visited, never one it has yet to reach.
void walkRecords(const RecordStore& records, DataKind kind, RecordRange range,
                 const std::function<bool(const WalkStep&)>& visit,
                 const std::function<bool(std::int32_t done)>& reached);

} // namespace tavolim::core
