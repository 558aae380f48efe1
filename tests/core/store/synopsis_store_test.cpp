#include "core/store/SynopsisStore.h"

#include "core/store/BinaryFile.h"
#include "support/Bytes.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t TapeSize = 228;

struct Block {
    std::int32_t sinopse = 0;
    std::int16_t tamSinopse = 0;
};

// A raw tape record: every byte a marker of its record number, then the synopsis fields.
std::vector<std::uint8_t> tapeRecord(std::uint8_t marker, Block b)
{
    std::vector<std::uint8_t> r(TapeSize, marker);
    test::writeLe(r, 102, b.sinopse, 4);
    test::writeLe(r, 106, b.tamSinopse, 2);
    return r;
}

Block blockOf(const std::vector<std::uint8_t>& tapes, std::size_t index)
{
    const auto at = index * TapeSize;
    return {static_cast<std::int32_t>(test::readLe(tapes, at + 102, 4)),
            static_cast<std::int16_t>(test::readLe(tapes, at + 106, 2))};
}

class SynopsisStoreTest : public ::testing::Test {
protected:
    std::filesystem::path heap() const { return folder.file("Sinopses.tvl"); }

    std::string heapBytes() const
    {
        const auto b = binaryfile::readAll(heap());
        return {b.begin(), b.end()};
    }

    std::string read(Block b) const { return store.readSynopsis(b.sinopse, b.tamSinopse); }

    test::TempDataFolder folder;
    std::int16_t desperdicio = 0;
    SynopsisStore store{folder.path(), desperdicio};
};

TEST_F(SynopsisStoreTest, ShorterTextStaysInPlaceLongerMovesToTheEnd)
{
    struct Step {
        std::string text;
        Block expected;
        int counted; // growth of the abandoned-block counter
    };
    const Step steps[] = {
        {std::string(300, 'a'), {1, 300}, 1},   {std::string(200, 'b'), {1, 200}, 0},
        {std::string(250, 'c'), {301, 250}, 1}, {std::string(250, 'd'), {301, 250}, 0},
        {"  Observação  ", {301, 10}, 0},
    };
    Block tape;

    for (const auto& s : steps) {
        SCOPED_TRACE(s.expected.tamSinopse);
        const std::int16_t before = desperdicio;
        store.writeSynopsis(tape.sinopse, tape.tamSinopse, s.text);

        EXPECT_EQ(tape.sinopse, s.expected.sinopse);
        EXPECT_EQ(tape.tamSinopse, s.expected.tamSinopse);
        EXPECT_EQ(desperdicio - before, s.counted);
    }
    const std::string bytes = heapBytes();
    EXPECT_EQ(bytes.size(), 550u);
    EXPECT_EQ(bytes.substr(0, 200), std::string(200, 'b'));
    EXPECT_EQ(bytes.substr(200, 100), std::string(100, 'a'));
    EXPECT_EQ(bytes.substr(300, 10), "Observa\xE7\xE3o");
    EXPECT_EQ(bytes.substr(310), std::string(240, 'd'));
    EXPECT_EQ(read(tape), "Observação");
}

TEST_F(SynopsisStoreTest, ClearingCountsOnlyAnExistingBlock)
{
    struct Case {
        const char* what;
        Block before;
        const char* text;
        int counted;
    };
    const Case cases[] = {
        {"no synopsis, blank text", {0, 0}, "   ", 0},
        {"damaged, negative fields", {-1, -5}, "", 0},
        {"had a block, blank text", {1, 5}, "  ", 1},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::int16_t before = desperdicio;
        Block tape = c.before;

        store.writeSynopsis(tape.sinopse, tape.tamSinopse, c.text);

        EXPECT_EQ(tape.sinopse, 0);
        EXPECT_EQ(tape.tamSinopse, 0);
        EXPECT_EQ(desperdicio - before, c.counted);
    }
    EXPECT_FALSE(std::filesystem::exists(heap()));
}

TEST_F(SynopsisStoreTest, TextIsCutToWhatAnIntCanCount)
{
    Block tape;

    store.writeSynopsis(tape.sinopse, tape.tamSinopse, std::string(40000, 'x'));

    EXPECT_EQ(tape.tamSinopse, 32767);
    EXPECT_EQ(read(tape), std::string(32767, 'x'));
}

TEST_F(SynopsisStoreTest, ReadingGuardsAgainstMissingAndDamagedBlocks)
{
    binaryfile::writeAt(heap(), 0, std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e'});
    struct Case {
        const char* what;
        Block stored;
        std::string text;
        Block after;
    };
    const Case cases[] = {
        {"whole block", {2, 3}, "bcd", {2, 3}}, {"no position", {0, 4}, "", {0, 0}},
        {"no length", {3, 0}, "", {0, 0}},      {"negative length", {3, -2}, "", {0, 0}},
        {"past the end", {9, 2}, "", {9, 2}},   {"running off the end", {4, 5}, "", {4, 5}},
    };

    for (const auto& c : cases) {
        Block tape = c.stored;

        EXPECT_EQ(store.readSynopsis(tape.sinopse, tape.tamSinopse), c.text) << c.what;
        EXPECT_EQ(tape.sinopse, c.after.sinopse) << c.what;
        EXPECT_EQ(tape.tamSinopse, c.after.tamSinopse) << c.what;
    }
}

TEST_F(SynopsisStoreTest, DamagedBlockIsNotOverwrittenInPlace)
{
    binaryfile::writeAt(heap(), 0, std::vector<std::uint8_t>{'a', 'b', 'c'});
    Block tape{2, 50}; // claims more than the file holds

    store.writeSynopsis(tape.sinopse, tape.tamSinopse, "xy");

    EXPECT_EQ(heapBytes(), "abcxy");
    EXPECT_EQ(tape.sinopse, 4);
    EXPECT_EQ(tape.tamSinopse, 2);
}

TEST_F(SynopsisStoreTest, ATapePastTheFileNeverReadsTextAppendedLater)
{
    // Tape 1 claims bytes 6-9 of a 5-byte file (a tape file from another copy).
    binaryfile::writeAt(heap(), 0, std::vector<std::uint8_t>{'1', '2', '3', '4', '5'});
    auto tapes = tapeRecord(0xA1, {6, 4});
    const auto second = tapeRecord(0xA2, {1, 5});
    tapes.insert(tapes.end(), second.begin(), second.end());
    binaryfile::writeAt(folder.file("DadosFit.tvl"), 0, tapes);
    Block third;

    store.writeSynopsis(third.sinopse, third.tamSinopse, "abcdef");

    const auto after = binaryfile::readAll(folder.file("DadosFit.tvl"));
    EXPECT_EQ(read(blockOf(after, 0)), "");
    EXPECT_EQ(blockOf(after, 0).sinopse, 0);
    EXPECT_EQ(blockOf(after, 0).tamSinopse, 0);
    EXPECT_EQ(read(blockOf(after, 1)), "12345");
    EXPECT_EQ(read(third), "abcdef");
    EXPECT_EQ(heapBytes(), "12345abcdef");
    // Nothing but the claim changed in the tape file.
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        if (i < 102 || i >= 108) {
            ASSERT_EQ(after[i], tapes[i]) << "byte " << i;
        }
    }
}

TEST_F(SynopsisStoreTest, CompactionKeepsEachTapesTextAndPacksTheFile)
{
    Block one;
    Block two;
    Block three;
    store.writeSynopsis(one.sinopse, one.tamSinopse, "primeira sinopse");
    store.writeSynopsis(two.sinopse, two.tamSinopse, "segunda");
    store.writeSynopsis(three.sinopse, three.tamSinopse, "terceira");
    store.writeSynopsis(one.sinopse, one.tamSinopse, "primeira sinopse, agora maior");
    store.writeSynopsis(two.sinopse, two.tamSinopse, "seg");
    const std::vector<Block> stored = {one, {0, 0}, two, {40, 0}, three, {500, 9}};
    std::vector<std::uint8_t> tapes;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const auto r = tapeRecord(static_cast<std::uint8_t>(0xA0 + i), stored[i]);
        tapes.insert(tapes.end(), r.begin(), r.end());
    }
    tapes.insert(tapes.end(), {0xEE, 0xEE, 0xEE}); // torn tail of a crashed append
    binaryfile::writeAt(folder.file("DadosFit.tvl"), 0, tapes);

    const bool done = store.compact();

    EXPECT_TRUE(done);
    const auto after = binaryfile::readAll(folder.file("DadosFit.tvl"));
    ASSERT_EQ(after.size(), tapes.size());
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        if (i % TapeSize < 102 || i % TapeSize >= 108 || i >= stored.size() * TapeSize) {
            ASSERT_EQ(after[i], tapes[i]) << "byte " << i << " outside the synopsis fields";
        }
    }
    const std::vector<std::pair<std::int32_t, std::int16_t>> blocks = {{1, 29}, {0, 0},  {30, 3},
                                                                       {0, 0},  {33, 8}, {0, 0}};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blockOf(after, i).sinopse, blocks[i].first) << i;
        EXPECT_EQ(blockOf(after, i).tamSinopse, blocks[i].second) << i;
    }
    EXPECT_EQ(heapBytes(), "primeira sinopse, agora maiorsegterceira");
    EXPECT_EQ(desperdicio, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Sinopses.tmp")));
}

TEST_F(SynopsisStoreTest, LeftoversOfAnUnfinishedCompaction)
{
    struct Case {
        const char* what;
        bool heapTemp;
        bool tapeTemp;
        const char* readBack; // of block (1, 4) afterwards
    };
    const Case cases[] = {
        {"tape file never committed", false, true, "velh"},
        {"both new files, nothing committed", true, true, "velh"},
        {"tape file committed, synopsis rename lost", true, false, "novo"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDataFolder here;
        std::int16_t w = 0;
        SynopsisStore synopses{here.path(), w};
        const auto put = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
            binaryfile::writeAt(here.path() / name, 0, bytes);
        };
        put("Sinopses.tvl", {'v', 'e', 'l', 'h', 'o'});
        put("DadosFit.tvl", tapeRecord(1, {1, 4}));
        if (c.heapTemp) {
            put("Sinopses.tmp", {'n', 'o', 'v', 'o'});
        }
        if (c.tapeTemp) {
            put("DadosFit.tmp", {0xFF, 0xFF});
        }
        Block tape{1, 4};

        const std::string read = synopses.readSynopsis(tape.sinopse, tape.tamSinopse);
        const bool compacted = synopses.compact();

        EXPECT_EQ(read, c.readBack);
        EXPECT_TRUE(compacted);
        EXPECT_EQ(binaryfile::size(here.path() / "DadosFit.tvl"), TapeSize);
        EXPECT_FALSE(std::filesystem::exists(here.path() / "Sinopses.tmp"));
        EXPECT_FALSE(std::filesystem::exists(here.path() / "DadosFit.tmp"));
    }
}

} // namespace
} // namespace tavolim::core
