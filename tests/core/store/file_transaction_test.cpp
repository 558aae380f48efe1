#include "core/store/FileTransaction.h"

#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/store/FolderLock.h"
#include "support/CrashRunner.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string textOf(const std::filesystem::path& path)
{
    const auto bytes = binaryfile::readAll(path);
    return {bytes.begin(), bytes.end()};
}

class FileTransactionTest : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    std::filesystem::path a = folder.file("A.tvl");
    std::filesystem::path b = folder.file("B.tvl");
    std::filesystem::path fresh = folder.file("Novo.tvl");

    void SetUp() override
    {
        ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
        ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
    }
    void TearDown() override { binaryfile::setFaultHook({}); }

    // One operation touching three files: an overwrite, an append and a new file.
    bool operation()
    {
        FileTransaction tx(folder.path());
        binaryfile::writeAt(a, 2, bytesOf("XY"));
        binaryfile::writeAt(b, binaryfile::size(b), bytesOf("++"));
        binaryfile::writeAt(fresh, 0, bytesOf("novo"));
        return tx.commit();
    }

    test::FolderSnapshot before() const { return {{"A.tvl", "aaaaaaaa"}, {"B.tvl", "bbbb"}}; }
    test::FolderSnapshot after() const
    {
        return {{"A.tvl", "aaXYaaaa"}, {"B.tvl", "bbbb++"}, {"Novo.tvl", "novo"}};
    }
};

TEST_F(FileTransactionTest, WritesAreHeldAndReadBackUntilTheCommit)
{
    FileTransaction tx(folder.path());
    binaryfile::writeAt(a, 6, bytesOf("ZZZZ"));
    binaryfile::writeAt(a, 0, bytesOf("1"));
    std::size_t got = 0;
    const auto seen = binaryfile::readAt(a, 5, 8, &got);
    const auto onDisk = test::diskText(a);

    EXPECT_EQ(std::string(seen.begin(), seen.end()), std::string("aZZZZ\0\0\0", 8));
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(binaryfile::size(a), 10u);
    EXPECT_EQ(onDisk, "aaaaaaaa");
    ASSERT_TRUE(tx.commit());
    EXPECT_EQ(textOf(a), "1aaaaaZZZZ");
    EXPECT_FALSE(binaryfile::exists(folder.file(kJournalFile)));
}

TEST_F(FileTransactionTest, AnUncommittedOrJoinedTransactionChangesNothingByItself)
{
    {
        FileTransaction tx(folder.path());
        binaryfile::writeAt(a, 0, bytesOf("Q"));
        {
            FileTransaction inner(folder.path());
            binaryfile::writeAt(b, 0, bytesOf("W"));
            EXPECT_FALSE(inner.outermost());
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_EQ(test::snapshotOf(folder.path()), before());
        EXPECT_FALSE(binaryfile::remove(a)) << "no removal inside a transaction";
    }
    EXPECT_EQ(test::snapshotOf(folder.path()), before());
}

TEST_F(FileTransactionTest, AFailureAtAnyWritePointLeavesEveryFileAsBefore)
{
    const int points = test::countFaultPoints([&] { operation(); });
    ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
    ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
    binaryfile::remove(fresh);
    ASSERT_GT(points, 5);

    for (int k = 1; k <= points; ++k) {
        SCOPED_TRACE("write point " + std::to_string(k));
        test::failAt(k, ENOSPC);

        const bool committed = operation();

        binaryfile::setFaultHook({});
        if (!committed) {
            EXPECT_EQ(test::snapshotOf(folder.path()), before());
            EXPECT_EQ(binaryfile::causeText(binaryfile::lastFailure().error), "disco cheio");
        }
        // Only the journal's removal may fail once the files hold the operation; the next
        // start then finds it and changes nothing.
        recoverJournal(folder.path());
        EXPECT_EQ(test::snapshotOf(folder.path()), committed ? after() : before());
        ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
        ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
        binaryfile::remove(fresh);
    }
}

TEST_F(FileTransactionTest, AProcessKilledAtAnyWritePointIsBeforeOrAfterOnceRecovered)
{
    const int points = test::countFaultPoints([&] { operation(); });
    ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
    ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
    binaryfile::remove(fresh);
    int sawBefore = 0;
    int sawAfter = 0;

    for (int k = 1; k <= points; ++k) {
        SCOPED_TRACE("killed at write point " + std::to_string(k));
        if (!test::runKilledAt(k, [&] { operation(); })) {
            GTEST_SKIP() << "no fork on this platform";
        }
        recoverJournal(folder.path());

        const auto snapshot = test::snapshotOf(folder.path());
        EXPECT_TRUE(snapshot == before() || snapshot == after());
        (snapshot == after() ? sawAfter : sawBefore) += 1;
        ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
        ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
        binaryfile::remove(fresh);
    }
    EXPECT_GT(sawBefore, 0);
    EXPECT_GT(sawAfter, 0) << "a kill after the journal is whole finishes the operation";
}

TEST_F(FileTransactionTest, ATornOrDamagedJournalIsDiscardedAndAWholeOneFinished)
{
    // The journal as a kill would leave it once whole: taken when the files start to change.
    Bytes whole;
    binaryfile::setFaultHook([&](const std::filesystem::path& p) {
        if (p.filename() != kJournalFile && whole.empty()) {
            const std::string text = test::diskText(folder.file(kJournalFile));
            whole.assign(text.begin(), text.end());
        }
        return 0;
    });
    ASSERT_TRUE(operation());
    binaryfile::setFaultHook({});
    ASSERT_FALSE(whole.empty());

    struct Case {
        const char* name;
        Bytes journal;
        JournalRecovery outcome;
    };
    Bytes flipped = whole;
    flipped[flipped.size() / 2] ^= 0x40;
    // The same journal sealed again with its first file named otherwise: a name that is no
    // plain file of the folder refuses the journal whole.
    const auto renamed = [&](std::string_view name) {
        Bytes journal = whole;
        const std::string_view old = "A.tvl";
        std::copy(name.begin(), name.end(),
                  std::search(journal.begin(), journal.end(), old.begin(), old.end()));
        const std::uint32_t crc = crc32(std::span(journal).first(journal.size() - 8));
        for (std::size_t i = 0; i < 4; ++i) {
            journal[journal.size() - 8 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        }
        return journal;
    };
    const std::vector<Case> cases = {
        {"whole", whole, JournalRecovery::Completed},
        {"torn", Bytes(whole.begin(), whole.begin() + static_cast<long>(whole.size() - 5)),
         JournalRecovery::Discarded},
        {"a byte changed", flipped, JournalRecovery::Discarded},
        {"empty", {}, JournalRecovery::Discarded},
        {"a name with a NUL", renamed(std::string_view("A\0tvl", 5)), JournalRecovery::Discarded},
        {"a name with a line feed", renamed("A\ntvl"), JournalRecovery::Discarded},
        {"a name out of the folder", renamed("../AB"), JournalRecovery::Discarded},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(binaryfile::writeNew(a, bytesOf("aaaaaaaa")));
        ASSERT_TRUE(binaryfile::writeNew(b, bytesOf("bbbb")));
        binaryfile::remove(fresh);
        ASSERT_TRUE(binaryfile::writeNew(folder.file(kJournalFile), c.journal));

        EXPECT_EQ(recoverJournal(folder.path()), c.outcome);
        EXPECT_EQ(test::snapshotOf(folder.path()),
                  c.outcome == JournalRecovery::Completed ? after() : before());
    }
}

TEST(FolderLock, OneHolderAtATimeAndTheLockGoesWithTheProcess)
{
    test::TempDataFolder folder;
    {
        const FolderLock first(folder.path());
        const FolderLock second(folder.path());

        EXPECT_TRUE(first.held());
        EXPECT_EQ(second.state(), FolderLock::State::Busy);
        EXPECT_NE(folderBusyMessage(folder.path()).find(folder.path().string()), std::string::npos);
    }
    EXPECT_TRUE(FolderLock(folder.path()).held()) << "released with its holder";

    const bool ran = test::runInChild([&] {
        static FolderLock held(folder.path()); // held until the child dies
        test::killSelf();
    });
    if (ran) {
        EXPECT_TRUE(FolderLock(folder.path()).held()) << "released when the holder was killed";
    }
}

} // namespace
} // namespace tavolim::core
