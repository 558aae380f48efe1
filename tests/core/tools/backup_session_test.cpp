#include "StoreFixture.h"
#include "core/books/DayRoll.h"
#include "core/ports/Backup.h"
#include "core/ports/Dialogs.h"
#include "core/shell/ExitSequence.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BackupForm.h"
#include "core/tools/BackupSession.h"
#include "core/tools/RestoreForm.h"

namespace tavolim::core {
namespace {

using namespace std::chrono;
using test::snapshotOf;

// The backup component as the program has it, without its windows: the backup window's
// work into the remembered folder, the restore window's on its newest backup.
class WindowlessBackup final : public Backup {
public:
    explicit WindowlessBackup(AppState& state) : m_state(state) {}
    bool available() const override { return true; }
    bool backup(const std::string&) override { return BackupForm(m_state).fazerBackup(progress); }
    bool backupOnExit(const std::string& last) override { return backup(last); }
    bool restore() override { return RestoreForm(m_state).recuperar(progress); }

    test::RecordingProgress progress;

private:
    AppState& m_state;
};

class BackupSessionTest : public test::SampleStoreFixture {
protected:
    void SetUp() override
    {
        SampleStoreFixture::SetUp();
        state.OperadorAtual = 1;
        rememberBackupFolder(state, backups());
    }

    std::size_t archives() const { return listArchives(backups()).size(); }

    WindowlessBackup port{state};
};

constexpr year_month_day kMonday = year{2026} / December / 7;

TEST_F(BackupSessionTest, TheExitOfferInEachModeMakesTheBackupAndDatesIt)
{
    const sys_days monday{kMonday};
    const auto day = [&](int offset) { return year_month_day{monday + days{offset}}; };
    struct Case {
        int flags;
        year_month_day today;
        year_month_day last;
        bool offered;
    };
    const Case cases[] = {
        {0, kMonday, day(-1), true},       {0, kMonday, kMonday, false},
        {16 + 3, kMonday, day(-2), false}, {16 + 3, kMonday, day(-3), true},
        {32 + 2, kMonday, day(-7), true},  {32 + 2, day(1), day(-6), false},
        {32 + 2, kMonday, kMonday, false}, {48, kMonday, day(-30), false},
    };
    state.options().AskForBackUp = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        clock.date = c.today;
        const std::string last = dateToText(fromYmd(c.last));
        state.options().FlagsAskBak = static_cast<std::int16_t>(c.flags);
        state.options().UltDiaFezBak = last;
        dialogs.messages.clear();
        dialogs.answers = {msg::Answer::Yes, msg::Answer::Ok};
        const std::size_t before = archives();

        EXPECT_TRUE(queryExit(state, port));

        EXPECT_EQ(archives(), before + (c.offered ? 1 : 0));
        const std::string now = c.offered ? dateToText(fromYmd(c.today)) : last;
        EXPECT_EQ(state.options().UltDiaFezBak, now);
        if (c.offered) {
            EXPECT_EQ(state.config().readConfig("UltDiaFezBak", ""), now);
            ASSERT_EQ(dialogs.messages.size(), 3u);
            EXPECT_EQ(dialogs.messages[2].text.rfind("Back-up feito e conferido:", 0), 0u);
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
}

TEST_F(BackupSessionTest, RestoringFromTheMenuReadsTheRestoredStoreAndRestartsTheDay)
{
    ASSERT_TRUE(backupOnDemand(state, port));
    const std::int32_t receipt = state.records().rules().NumeroRecibo;
    auto& client = state.records().client();
    state.records().readRecord(FileKind::Clients, 2, true);
    const std::string name = client.PrimNome;
    // What happens after the backup: an edited current client, a new receipt number, a
    // sale in today's totals, a changed option.
    client.PrimNome = "Trocado";
    ASSERT_TRUE(state.records().writeRecord(FileKind::Clients, 2));
    state.records().rules().NumeroRecibo = receipt + 50;
    state.CaixaDia.NumVendas = 3;
    state.options().NumBackUps = 4;
    ASSERT_TRUE(state.config().writeConfig("NumBackUps", "4"));
    dialogs.messages.clear();
    dialogs.answers = {msg::Answer::Yes};
    const auto safetyFolder = data() / "Backups";

    ASSERT_TRUE(restoreFromMenu(state, port));

    EXPECT_EQ(state.records().client().PrimNome, name);
    EXPECT_EQ(state.records().rules().NumeroRecibo, receipt);
    EXPECT_EQ(state.options().NumBackUps, 10);
    EXPECT_EQ(state.CaixaDia.NumVendas, 0);
    EXPECT_EQ(state.DataDia, clock.date);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Os usuários também foram recuperados.\nCaso você não "
                                        "se encontre neles, cadastre-se.");
    EXPECT_EQ(dialogs.messages[1].flags, msg::Information);
    EXPECT_NE(std::find(progress.waits.begin(), progress.waits.end(), "Atualizando Dados..."),
              progress.waits.end());
    // The safety copy has what memory held before the restore: it was written first.
    ASSERT_EQ(listArchives(safetyFolder).size(), 1u);
    RestoreRequest back = restoreRequest(state, listArchives(safetyFolder)[0].file);
    back.dataFolder = other.path() / "antes";
    ASSERT_TRUE(restoreBackup(back).done);
    RecordStore before(back.dataFolder);
    before.readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_EQ(before.rules().NumeroRecibo, receipt + 50);
    EXPECT_EQ(before.load<ClientRecord>(2).PrimNome, "Trocado");
}

TEST_F(BackupSessionTest, ARefusedRestoreLeavesStateAndFilesAsTheyWere)
{
    ASSERT_TRUE(backupOnDemand(state, port));
    // What the menu writes before it asks (the general rules record, the day's totals).
    ASSERT_TRUE(state.saveRules());
    ASSERT_TRUE(saveCaixaDia(state));
    const auto before = snapshotOf(data());
    dialogs.answers = {msg::Answer::No};

    EXPECT_FALSE(restoreFromMenu(state, port));

    EXPECT_EQ(test::differences(snapshotOf(data()), before), std::vector<std::string>{});
    EXPECT_EQ(dialogs.messages.back().flags, msg::Question + msg::YesNo);
    EXPECT_EQ(dialogs.messages.back().title, "Recuperar Back-Up");
}

} // namespace
} // namespace tavolim::core
