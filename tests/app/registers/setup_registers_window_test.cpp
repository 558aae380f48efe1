#include "app/registers/DistributorWindow.h"
#include "app/registers/ProductWindow.h"
#include "app/registers/StoreDataWindow.h"
#include "app/registers/TapeWindow.h"
#include "app/shell/MainWindow.h"

#include "app/WindowKeys.h"
#include "app/shell/ShellWindowFixture.h"
#include "core/reports/RecordSheets.h"
#include "core/store/BinaryFile.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavolim::app {
namespace {

class SetupRegistersWindowTest : public test::ShellWindowFixture {
protected:
    void addDistributor(std::int32_t code, const std::string& name)
    {
        core::DistributorRecord d;
        d.Nome = name;
        ASSERT_TRUE(state.records().save(code, d));
    }

    // Runs `opener` and, once its window is up (modal, or shown without waiting as the menu's
    // windows are), `drive` on it.
    static QString whileModal(const std::function<void()>& opener,
                              const std::function<void(QWidget&)>& drive)
    {
        QString seen;
        QTimer modalUp;
        modalUp.setSingleShot(true);
        QObject::connect(&modalUp, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal) {
                seen = modal->objectName();
                drive(*modal);
            }
        });
        QSet<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                before.insert(w);
            }
        }
        modalUp.start(0);
        opener();
        modalUp.stop();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (seen.isEmpty() && w->isVisible() && !before.contains(w) &&
                !qobject_cast<QMenu*>(w)) {
                seen = w->objectName();
                drive(*w);
            }
        }
        return seen;
    }
};

TEST_F(SetupRegistersWindowTest, AProductPricedZeroIsKeptOnlyAfterYes)
{
    ProductWindow window(state);
    window.show();
    dialogs.texts = {"Pipoca"};
    click(window, "cmdAdicionar");
    type(window, "txtEstoque", QStringLiteral("10"));
    test::typeKeys(QStringLiteral("UN"), child<QLineEdit>(window, "txtUnidade"));
    dialogs.answers = {core::msg::Answer::No};

    click(window, "cmdOK");

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(core::binaryfile::size(folder.file("DadosPrd.tvl")), 0u);
    dialogs.answers = {core::msg::Answer::Yes};
    click(window, "cmdOK");
    EXPECT_FALSE(window.isVisible());
    const auto stored = state.records().load<core::ProductRecord>(1);
    EXPECT_EQ(stored.Descricao, "Pipoca");
    EXPECT_EQ(stored.Unidade, "UN");
    EXPECT_EQ(
        dialogs.shownTexts(),
        (std::vector<std::string>{"O preço do produto está nulo.\nDeseja salvar mesmo assim ?",
                                  "O preço do produto está nulo.\nDeseja salvar mesmo assim ?"}));
}

TEST_F(SetupRegistersWindowTest, TheTapesDistributorButtonOpensItsRegisterOnIt)
{
    addDistributor(1, "Vídeo Sul");
    addDistributor(2, "Alfa Filmes");
    core::TapeRecord tape;
    tape.Nome = "Matrix";
    tape.Selo = tape.Midia = 1;
    tape.Distribuidor = 2;
    ASSERT_TRUE(state.records().save(1, tape));
    TapeWindow window(state);
    window.show();

    QString name;
    const QString opened = whileModal([&] { click(window, "cmdDistribuidora"); },
                                      [&](QWidget& dist) {
                                          name = child<QLineEdit>(dist, "txtNomeEmpresa")->text();
                                          dist.close();
                                      });

    EXPECT_EQ(opened, "frmDadosDist");
    EXPECT_EQ(name, "Alfa Filmes");
}

TEST_F(SetupRegistersWindowTest, TheDistributorWindowPrintsItsSheetAndDeletesFromItsTapes)
{
    addDistributor(1, "Vídeo Sul");
    core::TapeRecord tape;
    tape.Nome = "Matrix";
    tape.Distribuidor = 1;
    ASSERT_TRUE(state.records().save(1, tape));
    DistributorWindow window(state, 1);
    window.show();
    std::vector<std::string> shown;
    state.showText = [&](const std::string& text) { shown.push_back(text); };
    window.findChild<QAction*>("mnuIpmDistAtual")->trigger();
    const auto sheet = core::distributorSheet(state.records(), state.memos(), 1);
    dialogs.answers = {core::msg::Answer::Yes};

    click(window, "cmdExcluir");

    EXPECT_EQ(child<QLineEdit>(window, "txtNomeEmpresa")->text(), "Registro Excluído");
    EXPECT_EQ(state.records().load<core::TapeRecord>(1).Distribuidor, 0);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(shown, std::vector<std::string>{*sheet});
}

TEST_F(SetupRegistersWindowTest, TheStoreNameTypedIsTheMainWindowsCaptionAtOnce)
{
    state.OperadorAtual = 1;
    MainWindow main(state, backup);
    QAction* item = main.findChild<QAction*>("mnuDadosLocad");
    ASSERT_TRUE(item->isEnabled());

    const QString opened = whileModal([&] { item->trigger(); },
                                      [&](QWidget& store) {
                                          auto* name = child<QLineEdit>(store, "txtNomeFantasia");
                                          name->clear();
                                          test::typeKeys(QStringLiteral("Vídeo Estrela"), name);
                                          click(store, "cmdOK");
                                      });

    EXPECT_EQ(opened, "frmDadosLocadora");
    EXPECT_EQ(main.windowTitle(), "Tavolim - Vídeo Estrela");
    EXPECT_EQ(state.records().load<core::StoreRecord>(1).NomeFantasia, "Vídeo Estrela");
}

TEST_F(SetupRegistersWindowTest, TheMenuOpensEachWindowOfTheStoreSetUp)
{
    state.OperadorAtual = 1;
    MainWindow main(state, backup);
    const std::pair<const char*, const char*> items[] = {
        {"mnuDadosGerenc", "frmDadosGer"},
        {"mnuDadosProdutos", "frmDadosProd"},
        {"mnuDadosDist", "frmDadosDist"},
        {"mnuDadosLocad", "frmDadosLocadora"},
    };
    for (const auto& [item, window] : items) {
        std::map<QString, std::vector<QString>> clashes;
        const QString opened = whileModal([&] { main.findChild<QAction*>(item)->trigger(); },
                                          [&](QWidget& w) {
                                              clashes = test::clashingAccessKeys(&w);
                                              w.close();
                                          });

        EXPECT_EQ(opened, window) << item;
        EXPECT_TRUE(clashes.empty()) << window << ": " << clashes.begin()->first.toStdString();
    }
    main.show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const QString byShortcut =
        whileModal([&] { QTest::keyClick(&main, Qt::Key_P); }, [](QWidget& w) { w.close(); });
    EXPECT_EQ(byShortcut, "frmDadosProd");
}

} // namespace
} // namespace tavolim::app
