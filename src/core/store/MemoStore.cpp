#include "core/store/MemoStore.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/PairedReplace.h"
#include "core/store/RecordCodec.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <limits>
#include <span>
#include <system_error>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

constexpr const char* DirectoryFile = "RegMemos.tvl";
constexpr const char* HeapFile = "Memos.tvl";
constexpr const char* DirectoryTemp = "RegMemos.tmp";
constexpr const char* HeapTemp = "Memos.tmp";

constexpr std::size_t EntrySize = 8;
constexpr std::int32_t FreeNumber = -1;
constexpr std::int64_t MaxPosition = std::numeric_limits<std::int32_t>::max();

struct Entry {
    std::int32_t PosMemo = 0;
    std::int32_t TamMemo = 0;
};

Entry decodeEntry(std::span<const std::uint8_t> bytes)
{
    Entry e;
    RecordDecoder d(bytes);
    d.field("PosMemo", 0, e.PosMemo);
    d.field("TamMemo", 4, e.TamMemo);
    return e;
}

void encodeEntry(const Entry& e, std::span<std::uint8_t> bytes)
{
    RecordEncoder enc(bytes);
    enc.field("PosMemo", 0, e.PosMemo);
    enc.field("TamMemo", 4, e.TamMemo);
}

std::uint64_t entryOffset(std::int32_t memoNumber)
{
    return static_cast<std::uint64_t>(memoNumber - 1) * EntrySize;
}

// Bytes missing from a short directory read as 0: such an entry holds no text.
Entry readEntry(const std::filesystem::path& directory, std::int32_t memoNumber)
{
    return decodeEntry(binaryfile::readAt(directory, entryOffset(memoNumber), EntrySize));
}

bool writeEntry(const std::filesystem::path& directory, std::int32_t memoNumber, const Entry& e)
{
    std::vector<std::uint8_t> raw(EntrySize, 0);
    encodeEntry(e, raw);
    return binaryfile::writeAt(directory, entryOffset(memoNumber), raw);
}

// True when the entry's whole text lies inside a heap of `heapSize` bytes.
bool holdsText(const Entry& e, std::uint64_t heapSize)
{
    return e.PosMemo >= 1 && e.TamMemo >= 1 &&
           static_cast<std::uint64_t>(e.PosMemo) - 1 + static_cast<std::uint64_t>(e.TamMemo) <=
               heapSize;
}

// The counters are saved in a fixed-width field: stop at its top rather than wrap negative.
template <class T>
void countUp(T& counter)
{
    if (counter < std::numeric_limits<T>::max()) {
        ++counter;
    }
}

} // namespace

MemoStore::MemoStore(std::filesystem::path dataFolder, MemoCounters counters)
    : m_folder(std::move(dataFolder)), m_counters(counters)
{
}

std::int64_t MemoStore::entryCount() const
{
    return static_cast<std::int64_t>(binaryfile::size(file(DirectoryFile)) / EntrySize);
}

// Compaction rewrites the heap (the commit) and the directory together.
PairedReplace MemoStore::compaction() const
{
    return {file(HeapFile), file(HeapTemp), file(DirectoryFile), file(DirectoryTemp)};
}

void MemoStore::finishInterruptedCompaction() const
{
    compaction().finishInterrupted();
}

// Entries claiming text past the end of the heap (a directory from another copy, a heap cut
// short) read as "": once the heap grew under them they would read, and later overwrite in
// place, text that is not theirs. They keep their number with no text.
bool MemoStore::dropClaimsPastEnd(std::uint64_t heapSize) const
{
    const auto directory = binaryfile::readAll(file(DirectoryFile));
    const std::size_t count = directory.size() / EntrySize;
    for (std::size_t k = 0; k < count; ++k) {
        const Entry e = decodeEntry(std::span(directory).subspan(k * EntrySize, EntrySize));
        if (e.PosMemo >= 1 && e.TamMemo >= 1 && !holdsText(e, heapSize) &&
            !writeEntry(file(DirectoryFile), static_cast<std::int32_t>(k + 1), Entry{})) {
            return false;
        }
    }
    return true;
}

std::int32_t MemoStore::newMemoNumber()
{
    finishInterruptedCompaction();
    if (m_counters.MemosLivres >= 1) {
        const auto directory = binaryfile::readAll(file(DirectoryFile));
        const std::size_t count = directory.size() / EntrySize;
        for (std::size_t k = 0; k < count; ++k) {
            const std::span<const std::uint8_t> bytes(directory.data() + k * EntrySize, EntrySize);
            if (decodeEntry(bytes).PosMemo == FreeNumber) {
                --m_counters.MemosLivres;
                return static_cast<std::int32_t>(k + 1);
            }
        }
        // The count was stale; without this every new memo would scan the directory again.
        m_counters.MemosLivres = 0;
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(entryCount() + 1, MaxPosition));
}

void MemoStore::writeMemo(std::int32_t& memoNumber, std::string& text)
{
    finishInterruptedCompaction();
    text = trim(text);
    if (memoNumber < 0) {
        return;
    }
    if (memoNumber > entryCount()) {
        // A dangling number (a directory cut short): start the note afresh.
        memoNumber = 0;
    }
    if (text.empty() && memoNumber == 0) {
        return;
    }

    const auto heapPath = file(HeapFile);
    const std::uint64_t heapSize = binaryfile::size(heapPath);
    Entry old;
    if (memoNumber == 0) {
        memoNumber = newMemoNumber();
    } else {
        old = readEntry(file(DirectoryFile), memoNumber);
        if (!holdsText(old, heapSize)) {
            old = {};
        }
    }

    Entry entry;
    bool wasted = false;
    if (!text.empty()) {
        const std::string bytes = toCp1252(text);
        if (bytes.size() > static_cast<std::uint64_t>(MaxPosition) ||
            heapSize + bytes.size() > static_cast<std::uint64_t>(MaxPosition)) {
            return; // PosMemo and TamMemo could not address it
        }
        const auto length = static_cast<std::int32_t>(bytes.size());
        std::int32_t position = 0;
        if (length <= old.TamMemo) {
            position = old.PosMemo;
            wasted = length < old.TamMemo;
        } else {
            if (!dropClaimsPastEnd(heapSize)) {
                return;
            }
            position = static_cast<std::int32_t>(heapSize + 1);
            wasted = old.TamMemo > 0;
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        if (!binaryfile::writeAt(heapPath, static_cast<std::uint64_t>(position) - 1,
                                 std::span(data, bytes.size()))) {
            return;
        }
        entry = {position, length};
    } else {
        wasted = old.PosMemo > 0 || old.TamMemo > 0;
    }

    if (writeEntry(file(DirectoryFile), memoNumber, entry) && wasted) {
        countUp(m_counters.MemosDesperdicio);
    }
}

std::string MemoStore::readMemo(std::int32_t memoNumber) const
{
    finishInterruptedCompaction();
    // A torn last entry is no entry: writing its number starts the memo afresh.
    if (memoNumber <= 0 || memoNumber > entryCount()) {
        return {};
    }
    const Entry e = readEntry(file(DirectoryFile), memoNumber);
    const auto heapPath = file(HeapFile);
    if (!holdsText(e, binaryfile::size(heapPath))) {
        return {};
    }
    std::size_t got = 0;
    const auto bytes = binaryfile::readAt(heapPath, static_cast<std::uint64_t>(e.PosMemo) - 1,
                                          static_cast<std::size_t>(e.TamMemo), &got);
    if (got != bytes.size()) {
        return {};
    }
    return fromCp1252(std::string(bytes.begin(), bytes.end()));
}

void MemoStore::freeMemo(std::int32_t memoNumber)
{
    finishInterruptedCompaction();
    if (memoNumber <= 0 || memoNumber > entryCount()) {
        return;
    }
    const Entry old = readEntry(file(DirectoryFile), memoNumber);
    if (old.PosMemo == FreeNumber) {
        return; // counting it twice would send NewMemoNumber looking for a free entry in vain
    }
    if (!writeEntry(file(DirectoryFile), memoNumber, {FreeNumber, 0})) {
        return;
    }
    countUp(m_counters.MemosLivres);
    if (old.PosMemo > 0) {
        countUp(m_counters.MemosDesperdicio);
    }
}

namespace {

// Entries that hold text, and entries whose claim is no place in the heap (a free number or an
// empty entry is neither).
std::pair<std::size_t, std::size_t> claims(std::span<const std::uint8_t> directory,
                                           std::uint64_t heapSize)
{
    std::size_t inside = 0;
    std::size_t outside = 0;
    for (std::size_t at = 0; at + EntrySize <= directory.size(); at += EntrySize) {
        const Entry e = decodeEntry(directory.subspan(at, EntrySize));
        if (holdsText(e, heapSize)) {
            ++inside;
        } else if (e.PosMemo != FreeNumber && (e.PosMemo != 0 || e.TamMemo != 0)) {
            ++outside;
        }
    }
    return {inside, outside};
}

} // namespace

bool MemoStore::directoryDamaged() const
{
    const auto [inside, outside] =
        claims(binaryfile::readAll(file(DirectoryFile)), binaryfile::size(file(HeapFile)));
    return outside > inside;
}

bool MemoStore::compactMemos()
{
    compaction().clearLeftovers();

    auto directory = binaryfile::readAll(file(DirectoryFile));
    const auto heap = binaryfile::readAll(file(HeapFile));
    if (const auto [inside, outside] = claims(directory, heap.size()); outside > inside) {
        return false;
    }
    const std::size_t count = directory.size() / EntrySize;
    directory.resize(count * EntrySize); // a torn last entry is dropped

    std::vector<std::uint8_t> packed;
    packed.reserve(heap.size());
    std::int32_t freeNumbers = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::span<std::uint8_t> bytes(directory.data() + k * EntrySize, EntrySize);
        Entry e = decodeEntry(bytes);
        if (e.PosMemo == FreeNumber) {
            e.TamMemo = 0;
            ++freeNumbers;
        } else if (holdsText(e, heap.size())) {
            const auto from = heap.begin() + (e.PosMemo - 1);
            e.PosMemo = static_cast<std::int32_t>(packed.size() + 1);
            packed.insert(packed.end(), from, from + e.TamMemo);
        } else {
            e = {}; // reads as "" already; keep the number owned, with no text
        }
        encodeEntry(e, bytes);
    }

    if (!compaction().commit(packed, directory)) {
        return false;
    }
    m_counters.MemosDesperdicio = 0;
    // Free entries were all just counted: repair a count that drifted.
    m_counters.MemosLivres = freeNumbers;
    return true;
}

} // namespace tavolim::core
