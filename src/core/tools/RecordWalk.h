#pragma once

#include "core/store/FileKind.h"
#include "core/tools/DataFields.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

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
// holder its dependents.
//
// Each dependent is read before the walk visits it and never again: a walk may change the
// records it has visited, never one it has yet to reach.
class RecordWalk {
public:
    RecordWalk(const RecordStore& records, DataKind kind, RecordRange range);

    // visit(const WalkStep&) returns false to stop the walk; so does reached(done), told after
    // each record of the range (with its dependents) how many of the range are done.
    template <class Visit, class Reached>
    void run(Visit&& visit, Reached&& reached) const
    {
        bool going = true;
        std::int32_t number = m_range.first;
        const auto record = [&](std::span<const std::uint8_t> bytes) {
            if (listed(bytes, m_nameOffset)) {
                if (!visit(WalkStep{m_file, number, bytes})) {
                    return false;
                }
                const int dependents = dependentCount(bytes);
                for (int slot = 0; slot < dependents; ++slot) {
                    const WalkStep dep = takeDependent(bytes, slot);
                    if (dep.number != 0 && !visit(dep)) {
                        return false;
                    }
                }
            }
            return reached(number - m_range.first + 1);
        };
        readBlocks([&](std::span<const std::uint8_t> block) {
            for (std::size_t at = 0; going && at + m_size <= block.size(); at += m_size) {
                going = record(block.subspan(at, m_size));
                ++number;
            }
        });
    }

private:
    static bool listed(std::span<const std::uint8_t> bytes, std::size_t nameOffset)
    {
        return (bytes[0] != 0 || bytes[1] != 0) && bytes[nameOffset] != '#';
    }
    // The dependent slots a holder uses (none outside clients).
    int dependentCount(std::span<const std::uint8_t> holder) const;
    // The dependent in a holder's slot, marked as visited; number 0 when it was visited
    // already, or is deleted, blank or past the file.
    WalkStep takeDependent(std::span<const std::uint8_t> holder, int slot) const;
    // After a stop the blocks left are still read, not visited.
    void readBlocks(const std::function<void(std::span<const std::uint8_t>)>& f) const;

    const RecordStore& m_records;
    FileKind m_file;
    RecordRange m_range;
    std::size_t m_size = 0;
    std::size_t m_nameOffset = 0;
    bool m_people = false;
    // The dependents' file in blocks, each read when a holder first needs it.
    mutable std::vector<std::vector<std::uint8_t>> m_dependentBlocks;
    mutable std::vector<std::uint8_t> m_seen; // by dependent code
    std::size_t m_numDep = 0;                 // offsets in the holder's record
    std::size_t m_dep = 0;
};

} // namespace tavolim::core
