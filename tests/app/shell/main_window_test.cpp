#include "app/shell/MainWindow.h"

#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace tavolim::app {
namespace {

using namespace std::chrono;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), year{2026} / 3 / 14));
        state.loadOptions();
    }

    test::TempDataFolder folder;
    test::ScriptedDialogs dialogs;
    test::FixedClock clock;
    test::MemorySettings settings;
    test::RecordingPrinter printer;
    test::RecordingProgress progress;
    test::RecordingLauncher launcher;
    core::AppState state{folder.path(), {dialogs, clock, settings, printer, progress, launcher}};
};

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

TEST_F(MainWindowTest, ShowsTheTrimmedStoreNameAndTheDataFolder)
{
    struct Case {
        std::optional<std::string> storeName; // nullopt: as the new installation left it
        QString caption;
        QString label;
    };
    const Case cases[] = {
        {std::nullopt, "Tavolim - Minha Locadora", "Minha Locadora"},
        {"  Vídeo Sol                   ", "Tavolim - Vídeo Sol", "Vídeo Sol"},
        {"", "Tavolim - ", ""},
    };
    const QString folderText =
        "Pasta de dados: " + QDir::toNativeSeparators(QString::fromStdString(folder.path()));

    for (const Case& c : cases) {
        if (c.storeName) {
            state.records().store().NomeFantasia = *c.storeName;
        }
        auto window = std::make_unique<MainWindow>(state);
        window->show();

        QWidget* found = topLevel("frmPrincipal");
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->windowTitle(), c.caption);
        const auto* store = found->findChild<QLabel*>("lblLocadora");
        const auto* path = found->findChild<QLabel*>("lblPastaDados");
        ASSERT_NE(store, nullptr);
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(store->text(), c.label);
        EXPECT_EQ(path->text(), folderText);
    }
}

} // namespace
} // namespace tavolim::app
