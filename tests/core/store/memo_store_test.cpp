#include "core/store/MemoStore.h"

#include "core/store/BinaryFile.h"
#include "support/Bytes.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

using Entry = std::pair<std::int32_t, std::int32_t>;

// A directory entry: position in the heap and length.
std::vector<std::uint8_t> entryBytes(Entry e)
{
    std::vector<std::uint8_t> bytes;
    test::writeLe(bytes, 0, e.first, 4);
    test::writeLe(bytes, 4, e.second, 4);
    return bytes;
}

class MemoStoreTest : public ::testing::Test {
protected:
    std::filesystem::path directory() const { return folder.file("RegMemos.tvl"); }
    std::filesystem::path heap() const { return folder.file("Memos.tvl"); }

    Entry entry(std::int32_t memoNumber) const
    {
        const auto b = binaryfile::readAt(directory(), (memoNumber - 1) * 8u, 8);
        return {static_cast<std::int32_t>(test::readLe(b, 0, 4)),
                static_cast<std::int32_t>(test::readLe(b, 4, 4))};
    }

    void putEntry(std::int32_t memoNumber, Entry e) const
    {
        binaryfile::writeAt(directory(), (memoNumber - 1) * 8u, entryBytes(e));
    }

    void putFile(const char* name, const std::string& bytes) const
    {
        binaryfile::writeAt(
            folder.file(name), 0,
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    std::string heapBytes() const
    {
        const auto b = binaryfile::readAll(heap());
        return {b.begin(), b.end()};
    }

    std::int32_t write(std::int32_t memoNumber, std::string text)
    {
        store.writeMemo(memoNumber, text);
        return memoNumber;
    }

    test::TempDataFolder folder;
    std::int32_t livres = 0;
    std::int16_t desperdicio = 0;
    MemoStore store{folder.path(), {livres, desperdicio}};
};

TEST_F(MemoStoreTest, RewritesInPlaceWhenNotGrowingAndAppendsOtherwise)
{
    struct Step {
        const char* text;
        Entry entry;
        std::int16_t waste;
    };
    const Step steps[] = {
        {"abc", {1, 3}, 0},    // new memo at the start of the empty heap
        {"xy", {1, 2}, 1},     // shorter: same place, the tail is dead space
        {"abcdef", {4, 6}, 2}, // longer: heap length + 1
        {"ghijkl", {4, 6}, 2}, // same length: in place, nothing wasted
        {"  ", {0, 0}, 3},     // emptied: no text, the number stays with the record
        {"z", {10, 1}, 3},     // text again after empty: appended, nothing to waste
    };
    std::int32_t number = 0;

    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        number = write(number, s.text);

        EXPECT_EQ(number, 1);
        EXPECT_EQ(entry(1), s.entry);
        EXPECT_EQ(desperdicio, s.waste);
    }
    EXPECT_EQ(heapBytes(), "xycghijklz");
    EXPECT_EQ(binaryfile::size(directory()), 8u);
    EXPECT_EQ(store.readMemo(1), "z");
}

TEST_F(MemoStoreTest, TrimsTheTextInPlaceAndIgnoresBlankTextForNoMemo)
{
    std::string blank = "   ";
    std::int32_t none = 0;
    std::string padded = "  nota  ";

    store.writeMemo(none, blank);
    const bool filesAfterBlank = std::filesystem::exists(heap());
    std::int32_t number = 0;
    store.writeMemo(number, padded);

    EXPECT_EQ(none, 0);
    EXPECT_FALSE(filesAfterBlank);
    EXPECT_EQ(padded, "nota");
    EXPECT_EQ(entry(number), (Entry{1, 4}));
    EXPECT_EQ(livres + desperdicio, 0);
}

TEST_F(MemoStoreTest, FreedNumbersAreReusedLowestFirst)
{
    for (const char* text : {"um", "dois", "tres"}) {
        write(0, text);
    }

    store.freeMemo(3);
    store.freeMemo(2);
    store.freeMemo(2); // twice must not count twice
    const Entry freed = entry(2);
    const std::int32_t livresAfterFree = livres;
    const std::int32_t first = write(0, "novo");
    const std::int32_t second = write(0, "outro");
    const std::int32_t third = write(0, "mais");

    EXPECT_EQ(freed, (Entry{-1, 0}));
    EXPECT_EQ(livresAfterFree, 2);
    EXPECT_EQ(desperdicio, 2);
    EXPECT_EQ((std::vector{first, second, third}), (std::vector{2, 3, 4}));
    EXPECT_EQ(livres, 0);
    EXPECT_EQ(store.readMemo(2), "novo");
}

TEST_F(MemoStoreTest, StaleFreeCountFallsBackToANewNumber)
{
    write(0, "um");
    livres = 5; // the record says free numbers exist, the directory has none

    EXPECT_EQ(store.newMemoNumber(), 2);
    EXPECT_EQ(livres, 0);
}

TEST_F(MemoStoreTest, StoresTextInTheWesternCodePage)
{
    const std::int32_t accented = write(0, "Observação");
    const std::int32_t foreign = write(0, "日本"); // not in the code page

    EXPECT_EQ(entry(accented).second, 10);
    EXPECT_EQ(store.readMemo(accented), "Observação");
    EXPECT_EQ(store.readMemo(foreign), "??");
    EXPECT_EQ(heapBytes(), "Observa\xE7\xE3o??");
}

TEST_F(MemoStoreTest, DamagedEntriesReadEmptyAndAreNeverWrittenThrough)
{
    struct Case {
        const char* what;
        Entry stored;
    };
    const Case cases[] = {
        {"past the heap", {100, 5}},
        {"running off the heap", {3, 10}},
        {"negative length", {2, -4}},
        {"length without position", {0, 5}},
        {"huge position", {2147483647, 2147483647}},
        {"negative position", {-9, 3}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        putFile("Memos.tvl", "12345");
        putEntry(1, c.stored);
        std::int32_t number = 1;
        std::string text = "ab";

        const std::string read = store.readMemo(1);
        store.writeMemo(number, text);

        EXPECT_EQ(read, "");
        EXPECT_EQ(number, 1);
        EXPECT_EQ(heapBytes(), "12345ab");
        EXPECT_EQ(entry(1), (Entry{6, 2}));
        std::filesystem::remove(heap());
    }
}

TEST_F(MemoStoreTest, AnEntryPastTheHeapNeverReadsTextAppendedLater)
{
    // Memo 1 claims bytes 6-9 of a 5-byte heap (a directory from another copy).
    putFile("Memos.tvl", "12345");
    putEntry(1, {6, 4});
    putEntry(2, {1, 5});

    const std::int32_t fresh = write(0, "abcdef");

    EXPECT_EQ(fresh, 3);
    EXPECT_EQ(store.readMemo(1), "");
    EXPECT_EQ(entry(1), (Entry{0, 0}));
    EXPECT_EQ(store.readMemo(2), "12345");
    // Written again, memo 1 goes to the end instead of over memo 3.
    EXPECT_EQ(write(1, "zz"), 1);
    EXPECT_EQ(store.readMemo(3), "abcdef");
    EXPECT_EQ(heapBytes(), "12345abcdefzz");
}

TEST_F(MemoStoreTest, OutOfRangeNumbersTouchNothing)
{
    write(0, "um");
    const auto directoryBefore = binaryfile::readAll(directory());

    std::int32_t negative = -3;
    std::string text = "x";
    store.writeMemo(negative, text);
    for (const std::int32_t n : {-3, 0, 2147483647}) {
        store.freeMemo(n);
        EXPECT_EQ(store.readMemo(n), "") << n;
    }

    EXPECT_EQ(negative, -3);
    EXPECT_EQ(binaryfile::readAll(directory()), directoryBefore);
    EXPECT_EQ(heapBytes(), "um");
    EXPECT_EQ(livres + desperdicio, 0);
}

TEST_F(MemoStoreTest, DanglingNumberGetsAFreshOneAndTornEntryIsOverwritten)
{
    // Entry 2 torn before its length, and torn with the length's first byte (4) still there:
    // either way it lies past the whole entries and reads as nothing.
    for (const std::uintmax_t cut : {12u, 13u}) {
        SCOPED_TRACE(cut);
        std::filesystem::remove(directory());
        std::filesystem::remove(heap());
        write(0, "um");
        write(0, "dois");
        std::filesystem::resize_file(directory(), cut);
        std::int32_t dangling = 9;
        std::string text = "tres";

        const std::string torn = store.readMemo(2);
        store.writeMemo(dangling, text);

        EXPECT_EQ(torn, "");
        EXPECT_EQ(dangling, 2);
        EXPECT_EQ(binaryfile::size(directory()), 16u);
        EXPECT_EQ(store.readMemo(2), "tres");
    }
}

TEST_F(MemoStoreTest, CompactionPacksLiveTextsInDirectoryOrder)
{
    const std::int32_t first = write(0, "primeiro");
    const std::int32_t second = write(0, "segundo");
    const std::int32_t third = write(0, "terceiro");
    const std::int32_t emptied = write(0, "vazio");
    write(first, "primeiro, mais longo"); // now after the third in the heap
    write(emptied, "");
    store.freeMemo(second);
    putEntry(6, {500, 4}); // damaged, beyond a gap entry 5 of zeros

    const bool done = store.compactMemos();

    EXPECT_TRUE(done);
    EXPECT_EQ(heapBytes(), "primeiro, mais longoterceiro");
    EXPECT_EQ(entry(first), (Entry{1, 20}));
    EXPECT_EQ(entry(second), (Entry{-1, 0}));
    EXPECT_EQ(entry(third), (Entry{21, 8}));
    EXPECT_EQ(entry(emptied), (Entry{0, 0}));
    EXPECT_EQ(entry(6), (Entry{0, 0}));
    EXPECT_EQ(desperdicio, 0);
    EXPECT_EQ(livres, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Memos.tmp")));
}

// A directory that lost track of most texts is no guide to what to keep: the heap stays whole.
// A compaction that goes ahead keeps the files' permissions.
TEST_F(MemoStoreTest, CompactionKeepsTheHeapOverADamagedDirectoryAndTheFilesModes)
{
    struct Case {
        int damaged; // entries pointing past the heap, beside two good ones
        bool compacts;
    };
    const Case cases[] = {{0, true}, {2, true}, {3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damaged);
        std::filesystem::remove(directory());
        std::filesystem::remove(heap());
        write(0, "um");
        write(0, "dois");
        write(1, "um, mais longo");
        for (int k = 0; k < c.damaged; ++k) {
            putEntry(3 + k, {900 + k, 4});
        }
        // Windows keeps no modes, only a read-only flag: there the heap's bytes are checked.
        const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                          std::filesystem::perms::group_read;
#ifndef _WIN32
        std::filesystem::permissions(heap(), mode);
#endif
        const std::string before = heapBytes();

        EXPECT_EQ(store.directoryDamaged(), !c.compacts);
        EXPECT_EQ(store.compactMemos(), c.compacts);

        EXPECT_EQ(heapBytes(), c.compacts ? "um, mais longodois" : before);
        EXPECT_EQ(store.readMemo(1), "um, mais longo");
#ifndef _WIN32
        EXPECT_EQ(std::filesystem::status(heap()).permissions(), mode);
#else
        (void)mode;
#endif
    }
}

TEST_F(MemoStoreTest, LeftoversOfAnUnfinishedCompaction)
{
    struct Case {
        const char* what;
        bool heapTemp;
        bool directoryTemp;
        const char* readBack; // memo 1 afterwards
    };
    // The new directory below points memo 1 at "novo" in the new heap.
    const Case cases[] = {
        {"new heap never committed", true, false, "velho"},
        {"both new files, nothing committed", true, true, "velho"},
        {"heap committed, directory rename lost", false, true, "novo"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDataFolder here;
        std::int32_t l = 0;
        std::int16_t w = 0;
        MemoStore memos{here.path(), {l, w}};
        std::int32_t number = 0;
        std::string text = "velho";
        memos.writeMemo(number, text);
        const auto put = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
            binaryfile::writeAt(here.path() / name, 0, bytes);
        };
        if (c.heapTemp) {
            put("Memos.tmp", {'l', 'i', 'x', 'o'});
        } else {
            put("Memos.tvl", {'v', 'e', 'l', 'h', 'o', 'n', 'o', 'v', 'o'});
        }
        if (c.directoryTemp) {
            put("RegMemos.tmp", entryBytes({6, 4}));
        }

        const std::string read = memos.readMemo(1);
        const bool compacted = memos.compactMemos();

        EXPECT_EQ(read, c.readBack);
        EXPECT_TRUE(compacted);
        EXPECT_EQ(memos.readMemo(1), c.readBack);
        EXPECT_FALSE(std::filesystem::exists(here.path() / "Memos.tmp"));
        EXPECT_FALSE(std::filesystem::exists(here.path() / "RegMemos.tmp"));
    }
}

} // namespace
} // namespace tavolim::core
