#include "core/shell/StoreStart.h"

#include "core/shell/NewInstallation.h"
#include "core/store/FileTransaction.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/BackupSession.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace tavolim::core {
namespace {

namespace fs = std::filesystem;

class StoreStartTest : public ::testing::Test, protected test::FakeStore {
protected:
    StoreStart start(const RestoreOffer& offer = {})
    {
        return startStore(folder.path(), clock.date, dialogs, settings, offer);
    }
    int icon() const { return dialogs.messages.back().flags & 0x70; }
};

TEST_F(StoreStartTest, AFolderIsMadeAStoreOnceAndHeldByOneProgram)
{
    fs::remove_all(folder.path());
    const StoreStart first = start();
    EXPECT_EQ(first.state, StoreStart::State::Created);
    EXPECT_TRUE(first.lock && first.lock->held());
    EXPECT_TRUE(dialogs.messages.empty());
    // A new store's Config.ini names no problem at the next starts.
    state.loadOptions();
    EXPECT_EQ(state.configWarnings, std::vector<std::string>{});

    const StoreStart second = start();
    EXPECT_EQ(second.state, StoreStart::State::Refused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("já está sendo usada"), std::string::npos)
        << dialogs.messages[0].text;
    EXPECT_EQ(icon(), msg::Critical);
}

// A store that lost its tavolim.ini is never made anew over its clients: the operator is told
// what is missing and, once backups exist, offered one.
TEST_F(StoreStartTest, AStoreWithoutItsRulesIsRefusedOrRestoredNeverReinstalled)
{
    ASSERT_TRUE(createNewInstallation(folder.path(), clock.date));
    state.records().readRecord(FileKind::Store, 1, true);
    std::ofstream(folder.file("DadosCli.tvl"), std::ios::binary) << std::string(349, 'x');
    std::ifstream rulesIn(folder.file("tavolim.ini"), std::ios::binary);
    const std::string rules{std::istreambuf_iterator<char>(rulesIn), {}};
    rulesIn.close();

    struct Case {
        bool backup;
        msg::Answer answer;
        bool restores;
        StoreStart::State state;
        int calls;
    };
    const Case cases[] = {
        {false, msg::Answer::Yes, true, StoreStart::State::Refused, 0},
        {true, msg::Answer::No, true, StoreStart::State::Refused, 0},
        {true, msg::Answer::Yes, false, StoreStart::State::Refused, 1},
        {true, msg::Answer::Yes, true, StoreStart::State::Ready, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.backup << ' ' << c.restores);
        fs::remove(folder.file("tavolim.ini"));
        fs::remove_all(defaultBackupFolder(folder.path()));
        if (c.backup) {
            std::ofstream(folder.file("tavolim.ini"), std::ios::binary) << rules;
            ASSERT_TRUE(makeBackup(backupRequest(state, defaultBackupFolder(folder.path()))).done);
            fs::remove(folder.file("tavolim.ini"));
        }
        dialogs.messages.clear();
        dialogs.answers = {c.answer};
        int calls = 0;
        const StoreStart s = start([&] {
            ++calls;
            // The restore runs with the folder held by this process.
            EXPECT_EQ(FolderLock(folder.path()).state(), FolderLock::State::Busy);
            if (c.restores) {
                std::ofstream(folder.file("tavolim.ini"), std::ios::binary) << rules;
            }
            return c.restores;
        });

        EXPECT_EQ(s.state, c.state);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(fs::exists(folder.file("tavolim.ini")), c.restores && c.calls > 0);
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_NE(dialogs.messages[0].text.find("falta o arquivo tavolim.ini"), std::string::npos);
        EXPECT_EQ(dialogs.messages[0].text.find("Deseja recuperar") != std::string::npos, c.backup);
        EXPECT_EQ(fs::file_size(folder.file("DadosCli.tvl")), 349u);
    }
}

TEST_F(StoreStartTest, ReadOnlyDataAndAnInterruptedOperationAreToldAtStart)
{
    ASSERT_TRUE(createNewInstallation(folder.path(), clock.date));
    struct Case {
        const char* name;
        std::function<void()> arrange;
        StoreStart::State state;
        int icon;
        const char* told; // empty: nothing to tell
    };
    const Case cases[] = {
        {"whole", [] {}, StoreStart::State::Ready, 0, ""},
        {"read-only file",
         [&] {
             fs::permissions(folder.file("DadosFit.tvl"), fs::perms::owner_write,
                             fs::perm_options::remove);
         },
         StoreStart::State::ReadOnly, msg::Exclamation, "somente leitura: DadosFit.tvl"},
        {"torn journal",
         [&] { std::ofstream(folder.file(kJournalFile), std::ios::binary) << "garbage"; },
         StoreStart::State::Ready, msg::Information, "nada dela foi gravado"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::permissions(folder.file("DadosFit.tvl"), fs::perms::owner_write, fs::perm_options::add);
        dialogs.messages.clear();
        c.arrange();

        const StoreStart s = start();

        EXPECT_EQ(s.state, c.state);
        if (*c.told == '\0') {
            EXPECT_TRUE(dialogs.messages.empty());
            continue;
        }
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].text.find(c.told), std::string::npos)
            << dialogs.messages[0].text;
        EXPECT_EQ(icon(), c.icon);
        EXPECT_FALSE(fs::exists(folder.file(kJournalFile)));
    }
}

} // namespace
} // namespace tavolim::core
