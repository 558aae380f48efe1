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
#include <QTest>

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
            EXPECT_TRUE(action->text().startsWith(
                QString::fromUtf8(item.caption.data(), qsizetype(item.caption.size()))))
                << item.name;
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

TEST_F(MainWindowTest, ItemsSayWhyTheyCannotBeUsed)
{
    state.OperadorAtual = 1;
    struct Case {
        const char* name;
        bool enabled;
        bool waiting;     // caption says "(ainda não disponível)"
        bool noActionTip; // tip says it does nothing by design
    };
    const Case cases[] = {
        {"mnuOpEntradaEstq", true, false, false},   {"mnuOpVendas", true, false, false},
        {"mnuArqBackUp", true, false, false},       {"mnuRelDist", true, false, false},
        {"mnuHistGrafCaixa", true, false, false},   {"mnuDadosImportar", false, false, true},
        {"mnuUtilNomeRep", true, false, false},     {"mnuArqRecBackUp", true, false, false},
        {"mnuFerrMalaDireta", false, false, true},  {"mnuRelEstatisticas", false, false, true},
        {"mnuArqSair", true, false, false},         {"mnuFerrUsuarios", true, false, false},
        {"mnuFerrOpções", true, false, false},      {"mnuDadosDesfExcCli", true, false, false},
        {"mnuOpGerais", true, false, false},        {"mnuAjudaConteúdo", true, false, false},
        {"mnuAjudaSobre", true, false, false},      {"mnuAjudaInet", true, false, false},
        {"mnuAjudaSuporteTec", true, false, false},
    };

    MainWindow window(state, backup);

    for (const Case& c : cases) {
        const auto* action = window.findChild<QAction*>(QString::fromUtf8(c.name));
        ASSERT_NE(action, nullptr) << c.name;
        EXPECT_EQ(action->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(action->text().contains("(ainda não disponível)"), c.waiting) << c.name;
        EXPECT_EQ(action->toolTip().startsWith("Este item não tem função"), c.noActionTip)
            << c.name;
    }
    // Wiring an item is all it takes to make it available.
    window.setHandler("mnuOpVendas", [] {});
    const auto* vendas = window.findChild<QAction*>("mnuOpVendas");
    EXPECT_TRUE(vendas->isEnabled());
    EXPECT_EQ(vendas->text(), "&Vendas...\tV");
}

TEST_F(MainWindowTest, ShortcutsActOnlyOnEnabledItemsWhateverWasUsedBefore)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
    auto& levels = state.records().rules().NivelAcesso;
    levels.fill(3);
    levels[3] = 1; // Cadastro de Fitas: administrators only
    struct Case {
        int operatorIndex;
        bool menusWalked; // Alt+C, Esc, Esc from the keyboard first
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* item; // nullptr: nothing runs
    };
    const Case cases[] = {
        {1, false, Qt::Key_F, Qt::NoModifier, "mnuDadosFitas"},
        {2, false, Qt::Key_F, Qt::NoModifier, nullptr},
        {2, false, Qt::Key_C, Qt::NoModifier, "mnuDadosClientes"},
        {2, false, Qt::Key_Return, Qt::NoModifier, "mnuOpGerais"},
        {2, false, Qt::Key_Enter, Qt::KeypadModifier, "mnuOpGerais"},
        {1, true, Qt::Key_C, Qt::NoModifier, "mnuDadosClientes"},
        {1, true, Qt::Key_F, Qt::NoModifier, "mnuDadosFitas"},
        {1, true, Qt::Key_O, Qt::NoModifier, "mnuFerrOpções"},
        {1, true, Qt::Key_Return, Qt::NoModifier, "mnuOpGerais"},
    };
    MainWindow window(state, backup);
    std::vector<std::string> ran;
    for (const char* name : {"mnuDadosFitas", "mnuDadosClientes", "mnuOpGerais", "mnuFerrOpções"}) {
        window.setHandler(QString::fromUtf8(name), [&ran, name] { ran.push_back(name); });
    }
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto focused = [&window]() -> QWidget* {
        return QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    };

    for (const Case& c : cases) {
        state.OperadorAtual = c.operatorIndex;
        window.refreshMenus();
        if (c.menusWalked) {
            QTest::keyClick(focused(), Qt::Key_C, Qt::AltModifier);
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(focused(), Qt::Key_Escape);
        }
        ran.clear();

        QTest::keyClick(focused(), c.key, c.modifiers);

        EXPECT_EQ(ran, c.item ? std::vector<std::string>{c.item} : std::vector<std::string>{})
            << c.key << (c.menusWalked ? " after the menus" : "");
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.key;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }
}

TEST_F(MainWindowTest, MenuWindowsOpenWithoutWaitingAndOnlyOnce)
{
    state.OperadorAtual = 1;
    MainWindow window(state, backup);
    window.show();
    auto* clients = window.findChild<QAction*>("mnuDadosClientes");
    const auto shown = [](const char* name) {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            count += w->objectName() == QLatin1String(name) && w->isVisible() ? 1 : 0;
        }
        return count;
    };

    clients->trigger();
    clients->trigger();
    window.findChild<QAction*>("mnuAjudaSobre")->trigger();

    EXPECT_EQ(shown("frmDadosCli"), 1);
    EXPECT_EQ(shown("frmSobre"), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The exit closes them first.
    EXPECT_TRUE(window.close());
    EXPECT_EQ(shown("frmDadosCli"), 0);
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
    // Six cells in two rows: no pair runs into the next ("Operações D = ...").
    for (const char* cell : {"C = Clientes", "F = Fitas", "P = Produtos", "Enter = Operações",
                             "D = Devoluções", "V = Vendas"}) {
        EXPECT_TRUE(legend->text().contains(QStringLiteral(">") + QString::fromUtf8(cell) +
                                            QStringLiteral("</td>")))
            << cell;
    }
    EXPECT_EQ(legend->text().count("<tr>"), 2);
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
