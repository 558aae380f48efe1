#include "StoreFixture.h"
#include "core/tools/BackupRestore.h"
#include "core/tools/BackupSession.h"

#include <cerrno>
#include <map>

namespace tavolim::core {
namespace {

using test::FolderSnapshot;
using test::snapshotOf;

// A store backed up (the "new" data a restore brings), then changed (the "old" data it
// replaces): files changed, added and removed.
class RestoreCrashTest : public test::SampleStoreFixture {
protected:
    void SetUp() override
    {
        SampleStoreFixture::SetUp();
        put(data() / "Err.log", "\"antes\"\r\n");
        fresh = snapshotOf(data());
        const BackupOutcome made = makeBackup(backupRequest(state, backups()));
        ASSERT_TRUE(made.done) << made.message;
        archive = made.archive;
        put(data() / "DadosCli.tvl", "outro");
        put(data() / "Extra.tvl", "a mais");
        std::filesystem::remove(data() / "Err.log");
        old = snapshotOf(data());
    }

    // The data folder as `old` had it, nothing else in it.
    void resetToOld()
    {
        std::filesystem::remove_all(data());
        std::filesystem::create_directories(data());
        for (const auto& [name, bytes] : old) {
            put(data() / name, bytes);
        }
    }

    RestoreOutcome restore()
    {
        RestoreRequest request = restoreRequest(state, archive);
        request.settings = nullptr;
        return restoreBackup(request);
    }

    FolderSnapshot fresh;
    FolderSnapshot old;
    std::filesystem::path archive;
};

TEST_F(RestoreCrashTest, KilledOrFailingAtEveryStepLeavesTheOldDataOrTheNewWhole)
{
    EXPECT_EQ(finishInterruptedRestore(data()), RestoreRecovery::None);
    const int steps = test::countFaultPoints([&] { ASSERT_TRUE(restore().done); });
    ASSERT_EQ(test::differences(snapshotOf(data()), fresh), std::vector<std::string>{});
    ASSERT_GT(steps, 20);

    std::map<RestoreRecovery, int> recoveries;
    for (int k = 1; k <= steps; ++k) {
        for (const bool killed : {true, false}) {
            // Every step is killed; a failing write, which the fault hook makes at the same
            // points, is tried at every fifth (each step syncs files, which takes time).
            if (!killed && k % 5 != 1) {
                continue;
            }
            SCOPED_TRACE(std::to_string(k) + (killed ? " killed" : " failing"));
            resetToOld();
            if (killed) {
                if (!test::runKilledAt(k, [&] { restore(); })) {
                    GTEST_SKIP() << "no fork here";
                }
            } else {
                test::failAt(k, EIO);
                const RestoreOutcome outcome = restore();
                binaryfile::setFaultHook({});
                EXPECT_FALSE(outcome.done);
                EXPECT_NE(outcome.message.find("erro de leitura ou gravação"), std::string::npos)
                    << outcome.message;
            }
            const bool staged = std::filesystem::exists(data() / kRestoreFolder);
            const bool marked = std::filesystem::exists(data() / kRestoreFolder / "recuperar.lst");

            // The next start carries an interrupted restore through, or drops it.
            const RestoreRecovery recovery = finishInterruptedRestore(data());

            ++recoveries[recovery];
            EXPECT_EQ(recovery, marked   ? RestoreRecovery::Completed
                                : staged ? RestoreRecovery::Discarded
                                         : RestoreRecovery::None);
            const FolderSnapshot after = snapshotOf(data());
            EXPECT_EQ(test::differences(after, marked ? fresh : old), std::vector<std::string>{});
            EXPECT_EQ(finishInterruptedRestore(data()), RestoreRecovery::None);
        }
    }
    // Stops before, while and after the staging, and during the swap, all came up.
    EXPECT_GT(recoveries[RestoreRecovery::None], 0);
    EXPECT_GT(recoveries[RestoreRecovery::Discarded], 0);
    EXPECT_GT(recoveries[RestoreRecovery::Completed], 0);
}

} // namespace
} // namespace tavolim::core
