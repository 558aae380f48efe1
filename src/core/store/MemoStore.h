#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavolim::core {

struct PairedReplace;

// The memo counters of the general rules record. The store changes them in place; saving that
// record is the caller's job.
struct MemoCounters {
    std::int32_t& MemosLivres;      // directory entries marked free
    std::int16_t& MemosDesperdicio; // times a text left dead space since the last compaction
};

// Notes of any length, kept outside the fixed-length records. RegMemos.tvl holds one 8-byte
// entry per memo number k (record k): PosMemo, the 1-based byte position of the text in the
// heap (-1 = free number, 0 = no text), and TamMemo, its length in bytes. Memos.tvl, the heap,
// holds the texts back to back in the Western code page; in memory they are UTF-8.
//
// Damaged files never make an operation read or write outside them: an entry whose text does
// not lie inside the heap reads as "", is never overwritten in place and loses its claim before
// the heap grows under it (so it never reads another memo's text); a negative memo number
// is ignored; a number past the end of the directory reads "", cannot be freed, and is replaced
// by a fresh number when written.
class MemoStore {
public:
    MemoStore(std::filesystem::path dataFolder, MemoCounters counters);

    // Trims `text` in place and stores it under `memoNumber`. 0 gets a new number, written back;
    // an empty text leaves the number owned by the record with no text.
    void writeMemo(std::int32_t& memoNumber, std::string& text);
    std::string readMemo(std::int32_t memoNumber) const;
    void freeMemo(std::int32_t memoNumber);
    // Lowest free number, else one past the end of the directory.
    std::int32_t newMemoNumber();
    // Rewrites the heap with only the live texts, in directory order. False when the new files
    // could not be put in place, or when the directory is damaged; the old ones then stay.
    bool compactMemos();
    // More entries claim text outside the heap than inside it: a directory that lost track of
    // the texts, over which a compaction would throw them away.
    bool directoryDamaged() const;

private:
    std::filesystem::path file(const char* name) const { return m_folder / name; }
    std::int64_t entryCount() const;
    PairedReplace compaction() const;
    void finishInterruptedCompaction() const;
    bool dropClaimsPastEnd(std::uint64_t heapSize) const;

    std::filesystem::path m_folder;
    MemoCounters m_counters;
};

} // namespace tavolim::core
