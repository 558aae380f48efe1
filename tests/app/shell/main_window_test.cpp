#include "app/shell/MainWindow.h"

#include "ShellWindowFixture.h"
#include "core/shell/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace tavolim::app {
namespace {

using MainWindowTest = test::ShellWindowFixture;

void forEachItem(const std::vector<core::MenuItem>& items,
                 const std::function<void(const core::MenuItem&)>& visit)
{
    for (const core::MenuItem& item : items) {
        visit(item);
        forEachItem(item.children, visit);
    }
}

TEST_F(MainWindowTest, CaptionIsTheTitleAndTheTrimmedStoreName)
{
    state.records().store().NomeFantasia = "  Vídeo Sol                   ";

    MainWindow window(state, backup);

    EXPECT_EQ(window.windowTitle(), "Tavolim - Vídeo Sol");
}

TEST_F(MainWindowTest, MenuTreeCarriesNamesCaptionsAndSeparators)
{
    MainWindow window(state, backup);
    const QList<QAction*> top = window.menuBar()->actions();

    ASSERT_EQ(top.size(), 8);
    forEachItem(core::mainMenuTree(), [&](const core::MenuItem& item) {
        const auto* action =
            window.findChild<QAction*>(QString::fromUtf8(item.name.data(), item.name.size()));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->isSeparator(), item.isSeparator()) << item.name;
        if (!item.isSeparator()) {
            EXPECT_EQ(action->text().section('\t', 0, 0).toStdString(), item.caption);
        }
    });
    EXPECT_NE(window.findChild<QMenu*>("mnuDadosDesfazerExc"), nullptr);
}

TEST_F(MainWindowTest, LevelTwoOperatorGetsRowsOfTwoAndThreeOnly)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 2}});
    auto& levels = state.records().rules().NivelAcesso;
    for (std::size_t r = 0; r < levels.size(); ++r) {
        levels[r] = static_cast<std::int16_t>(r % 3 + 1);
    }
    state.OperadorAtual = 2;
    MainWindow window(state, backup);
    forEachItem(core::mainMenuTree(), [&](const core::MenuItem& item) {
        window.setHandler(QString::fromUtf8(item.name.data(), item.name.size()), [] {});
    });

    window.refreshMenus();

    int checked = 0;
    forEachItem(core::mainMenuTree(), [&](const core::MenuItem& item) {
        const auto* action =
            window.findChild<QAction*>(QString::fromUtf8(item.name.data(), item.name.size()));
        if (item.gate == core::MenuGate::AccessRow) {
            const int value = levels[static_cast<std::size_t>(item.accessRow - 1)];
            EXPECT_EQ(action->isEnabled(), value >= 2) << item.name << " row " << item.accessRow;
            ++checked;
        }
    });
    EXPECT_GT(checked, 30);
    EXPECT_FALSE(window.findChild<QAction*>("mnuFerrUsuarios")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("mnuFerrLogOn")->isEnabled());
}

TEST_F(MainWindowTest, ItemsWithoutAWindowStayDisabled)
{
    state.OperadorAtual = 1;

    MainWindow window(state, backup);

    for (const char* name :
         {"mnuDadosExportar", "mnuOpVendas", "mnuDadosImportar", "mnuRelEstatisticas"}) {
        EXPECT_FALSE(window.findChild<QAction*>(name)->isEnabled()) << name;
    }
    for (const char* name : {"mnuArqSair", "mnuFerrUsuarios", "mnuFerrOpções", "mnuDadosDesfExcCli",
                             "mnuOpGerais", "mnuOpDevolucao", "mnuRelDist"}) {
        EXPECT_TRUE(window.findChild<QAction*>(name)->isEnabled()) << name;
    }
}

TEST_F(MainWindowTest, ShortcutsActOnlyOnEnabledItems)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
    auto& levels = state.records().rules().NivelAcesso;
    levels.fill(3);
    levels[3] = 1; // Cadastro de Fitas: administrators only
    struct Case {
        int operatorIndex;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* item; // nullptr: nothing runs
    };
    const Case cases[] = {
        {1, Qt::Key_F, Qt::NoModifier, "mnuDadosFitas"},
        {2, Qt::Key_F, Qt::NoModifier, nullptr},
        {2, Qt::Key_C, Qt::NoModifier, "mnuDadosClientes"},
        {2, Qt::Key_C, Qt::AltModifier, nullptr},
        {2, Qt::Key_Return, Qt::NoModifier, "mnuOpGerais"},
        {2, Qt::Key_Enter, Qt::KeypadModifier, "mnuOpGerais"},
    };
    MainWindow window(state, backup);
    std::vector<std::string> ran;
    for (const char* name : {"mnuDadosFitas", "mnuDadosClientes", "mnuOpGerais"}) {
        window.setHandler(name, [&ran, name] { ran.push_back(name); });
    }

    for (const Case& c : cases) {
        state.OperadorAtual = c.operatorIndex;
        window.refreshMenus();
        ran.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);

        QApplication::sendEvent(&window, &press);

        EXPECT_EQ(ran, c.item ? std::vector<std::string>{c.item} : std::vector<std::string>{})
            << c.key;
    }
}

TEST_F(MainWindowTest, LegendAndBackgroundFollowTheOptions)
{
    state.options().MostrarLeg = true;
    state.options().CorFundoPrinc = 0x00FF0000; // blue, as the platform stores it
    MainWindow window(state, backup);
    window.show();

    const auto* legend = window.findChild<QLabel*>("lblDicas");
    ASSERT_NE(legend, nullptr);
    EXPECT_TRUE(legend->isVisible());
    EXPECT_TRUE(legend->text().startsWith("C = Clientes"));
    EXPECT_EQ(window.grab().toImage().pixelColor(window.width() - 5, window.height() - 5),
              QColor(0, 0, 255));

    state.options().MostrarLeg = false;
    window.applyAppearance();
    EXPECT_FALSE(legend->isVisible());
}

TEST_F(MainWindowTest, PicturesTooSmallForTheirModeAreRefused)
{
    struct Case {
        const char* tipo;
        int side;
        const char* refusal; // nullptr: drawn
    };
    const Case cases[] = {
        {"LadoALado", 15, "A imagem é muito pequena para ser pintada lado a lado."},
        {"ladoalado", 16, nullptr},
        {"JUSTIFICADO", 7, "A imagem é muito pequena para ser esticada."},
        {"Justificado", 8, nullptr},
        {"Centralizado", 1, nullptr},
    };

    for (const Case& c : cases) {
        QImage image(c.side, c.side, QImage::Format_RGB32);
        image.fill(Qt::red);
        const auto path = folder.file("fundo.png");
        ASSERT_TRUE(image.save(QString::fromStdString(path.string())));
        state.options().Imagem = path.string();
        state.options().Tipo = c.tipo;
        dialogs.messages.clear();

        MainWindow window(state, backup);

        EXPECT_EQ(dialogs.shownTexts(),
                  c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{})
            << c.tipo;
    }
}

TEST_F(MainWindowTest, ClosingRunsTheExitSequence)
{
    state.OperadorAtual = 1;
    state.options().AskForBackUp = true;
    auto window = std::make_unique<MainWindow>(state, backup);
    window->show();
    dialogs.answers = {core::msg::Answer::Cancel, core::msg::Answer::No};
    state.options().ImpNotaDev = 1;

    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->close());

    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(settings.read("Tavolim", "Opções", "ImpNotaDev", "?"), "1");
}

} // namespace
} // namespace tavolim::app
