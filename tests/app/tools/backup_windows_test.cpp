#include "app/shell/MainWindow.h"
#include "app/shell/ShellWindowFixture.h"
#include "app/tools/BackupWindow.h"
#include "app/tools/RestoreWindow.h"
#include "core/ports/Dialogs.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/BackupSession.h"
#include "core/tools/SampleStore.h"
#include "support/CrashRunner.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <fstream>

namespace tavolim::app {
namespace {

using namespace std::chrono;
using test::snapshotOf;

class BackupWindowsTest : public test::ShellWindowFixture {
protected:
    void SetUp() override
    {
        auto memos = state.memos();
        auto synopses = state.synopses();
        ASSERT_TRUE(
            core::fillSampleStore(state.records(), memos, synopses, {8, 12, 3}, clock.date));
        ASSERT_TRUE(state.saveRules());
        state.loadOptions();
    }

    std::filesystem::path pen() const { return other.path() / "pen"; }

    test::TempDataFolder other;
};

TEST_F(BackupWindowsTest, TheBackupWindowWritesToTheFolderChosenAndRemembersIt)
{
    BackupWindow window(state, false);
    EXPECT_EQ(child<QLineEdit>(window, "txtPasta")->text().toStdString(),
              (folder.path() / "Backups").string());
    EXPECT_EQ(child<QLabel>(window, "lblUltimo")->text(),
              QStringLiteral("Nenhum back-up foi feito ainda."));
    EXPECT_EQ(
        child<QLabel>(window, "lblManter")->text(),
        QStringLiteral("São guardados os 10 back-ups mais recentes desta locadora na pasta."));
    window.show();
    type(window, "txtPasta", QString::fromStdString(pen().string()));

    click(window, "cmdOK");

    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_EQ(core::listArchives(pen()).size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Back-up feito e conferido:\n" + pen().string(), 0),
              0u);
    EXPECT_EQ(core::rememberedBackupFolder(state), pen());
}

TEST_F(BackupWindowsTest, AFailedOrCancelledBackupKeepsTheWindowOpen)
{
    {
        std::ofstream(other.path() / "arquivo") << "x";
    }
    BackupWindow window(state, false);
    window.show();
    type(window, "txtPasta", QString::fromStdString((other.path() / "arquivo").string()));
    click(window, "cmdOK");
    type(window, "txtPasta", QString::fromStdString(pen().string()));
    // Cancel pressed while the copy runs.
    QTimer::singleShot(0, &window, [&window] { click(window, "cmdCancelar"); });
    click(window, "cmdOK");

    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(window.result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Não foi possível criar a pasta", 0), 0u);
    EXPECT_EQ(dialogs.messages[1].text, "O back-up foi cancelado; nada foi gravado.");
    EXPECT_TRUE(core::listArchives(pen()).empty());
    EXPECT_TRUE(child<QPushButton>(window, "cmdOK")->isEnabled());
}

TEST_F(BackupWindowsTest, TheRestoreWindowListsNewestFirstAndRestoresTheOneChosen)
{
    const auto older = snapshotOf(folder.path());
    clock.now = hours{9};
    ASSERT_TRUE(core::makeBackup(core::backupRequest(state, pen())).done);
    auto store = state.records().store();
    store.NomeFantasia = "Locadora Nova";
    ASSERT_TRUE(state.records().save(1, store));
    clock.now = hours{10};
    ASSERT_TRUE(core::makeBackup(core::backupRequest(state, pen())).done);
    core::rememberBackupFolder(state, pen());

    RestoreWindow window(state);
    window.show();
    auto* list = child<QTreeWidget>(window, "lstBackups");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("05/12/2026 10:00"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Locadora Nova"));
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("05/12/2026 09:00"));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    list->setCurrentItem(list->topLevelItem(1));
    dialogs.answers = {core::msg::Answer::Yes};

    click(window, "cmdOK");

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(dialogs.messages.at(0).flags, core::msg::Question + core::msg::YesNo);
    EXPECT_EQ(dialogs.messages.at(0).text.rfind("Os dados atuais serão trocados pelos do back-up "
                                                "de 05/12/2026 09:00",
                                                0),
              0u);
    EXPECT_EQ(snapshotOf(folder.path()), older);
}

TEST_F(BackupWindowsTest, BackupItemsFollowTheirAccessRowAndTheChecksAreThere)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
    auto& levels = state.records().rules().NivelAcesso;
    levels.fill(3);
    levels[0] = 2; // "BackUp"
    for (const auto& [op, allowed] : {std::pair{1, true}, std::pair{2, false}}) {
        state.OperadorAtual = op;
        MainWindow window(state, backup);
        for (const char* name : {"mnuArqBackUp", "mnuArqRecBackUp"}) {
            EXPECT_EQ(window.findChild<QAction*>(name)->isEnabled(), allowed) << name << op;
        }
        for (const char* name :
             {"mnuUtilVerifRegsExc", "mnuUtilRetiraErros", "mnuUtilNomeRepCli",
              "mnuUtilNomeRepDist", "mnuUtilCodRepFitas", "mnuUtilCodRepProds"}) {
            EXPECT_TRUE(window.findChild<QAction*>(name)->isEnabled()) << name;
        }
    }
}

} // namespace
} // namespace tavolim::app
