#include "app/counter/CounterOpeners.h"
#include "app/counter/PaymentWindow.h"
#include "app/counter/RentalWindow.h"
#include "app/counter/ReservationsWindow.h"
#include "app/counter/ReturnWindow.h"
#include "app/counter/SituationWindow.h"
#include "app/printing/NoteDialog.h"
#include "app/printing/TextWindow.h"
#include "app/registers/ChooserWindow.h"
#include "app/registers/DependentWindow.h"
#include "app/registers/SearchWindow.h"
#include "app/shell/DatePromptWindow.h"
#include "app/shell/InputPromptWindow.h"
#include "app/shell/LoginWindow.h"
#include "app/shell/MainWindow.h"
#include "app/shell/MsgBoxWindow.h"

#include "app/WindowKeys.h"
#include "app/counter/CounterWindowFixture.h"
#include "core/counter/ReservationList.h"
#include "core/counter/Situation.h"
#include "core/ports/Backup.h"
#include "core/shell/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>

namespace tavolim::app {
namespace {

class StubBackup final : public core::Backup {
public:
    bool available() const override { return false; }
    bool backup(const std::string&) override { return false; }
    bool backupOnExit(const std::string&) override { return false; }
    bool restore() override { return false; }
};

QString withoutKey(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// What every window of the program showed, gathered as the windows open.
class KeyAudit {
public:
    // Every visible control of the window that carries an access key: buttons, labels that
    // hand the focus to a box, group boxes, tabs and the window's own menu bar. Each page of
    // a tab strip is looked at on its own, as only the page shown takes its keys.
    void inspect(QWidget* window)
    {
        if (!window || m_seen.contains(window)) {
            return;
        }
        m_seen.insert(window);
        const QString name = window->objectName();
        m_windows << name;
        const QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
        if (tabs.isEmpty()) {
            checkShown(window, name);
        }
        for (QTabWidget* strip : tabs) {
            for (int i = 0; i < strip->count(); ++i) {
                strip->setCurrentIndex(i);
                checkShown(window, name + QStringLiteral(" / ") + withoutKey(strip->tabText(i)));
            }
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->window() == window && !button->objectName().isEmpty()) {
                const QString key = test::accessKeyOf(button->text());
                m_buttonKeys[button->objectName()].insert(key.isEmpty() ? QStringLiteral("(none)")
                                                                        : key);
            }
        }
    }

    // The items of a menu that can be chosen, and its submenus.
    void inspectMenu(QMenu* menu)
    {
        QMap<QString, QStringList> keys;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible() || !action->isEnabled()) {
                continue;
            }
            const QString key = test::accessKeyOf(action->text().section(QLatin1Char('\t'), 0, 0));
            if (!key.isEmpty()) {
                keys[key] << action->objectName();
            }
            if (QMenu* sub = action->menu()) {
                inspectMenu(sub);
            }
        }
        report(menu->objectName(), keys);
    }

    const QStringList& windows() const { return m_windows; }
    const QStringList& clashes() const { return m_clashes; }

    // The same button (cmdOK, cmdCancelar, cmdProcurar...) with different keys in
    // different windows.
    QStringList unevenButtons() const
    {
        QStringList uneven;
        for (auto it = m_buttonKeys.begin(); it != m_buttonKeys.end(); ++it) {
            if (it.value().size() > 1) {
                QStringList keys = it.value().values();
                keys.sort();
                uneven << it.key() + QStringLiteral(": ") + keys.join(QStringLiteral(" / "));
            }
        }
        return uneven;
    }

private:
    void checkShown(QWidget* window, const QString& where)
    {
        for (const auto& [key, captions] : test::clashingAccessKeys(window)) {
            QStringList all;
            for (const QString& caption : captions) {
                all << QLatin1Char('"') + caption + QLatin1Char('"');
            }
            m_clashes << where + QStringLiteral(": Alt+") + key + QLatin1Char(' ') +
                             all.join(QStringLiteral(", "));
        }
    }

    void report(const QString& where, const QMap<QString, QStringList>& keys)
    {
        for (auto it = keys.begin(); it != keys.end(); ++it) {
            if (it.value().size() > 1) {
                m_clashes << where + QStringLiteral(": Alt+") + it.key() + QStringLiteral(" ") +
                                 it.value().join(QStringLiteral(", "));
            }
        }
    }

    QSet<QWidget*> m_seen;
    QStringList m_windows;
    QStringList m_clashes;
    QMap<QString, QSet<QString>> m_buttonKeys;
};

using AccessKeysTest = test::CounterWindowTest;

// Opens every window of the program offscreen: each item of the main menu as the operator
// would choose it (modal windows are looked at and closed as they come up), then the windows
// reached from others. No two visible controls of a window may share an access key, no two
// items of a menu, and a button (by its name) keeps its key in every window.
TEST_F(AccessKeysTest, NoWindowHasTwoControlsOnOneKeyAndButtonsKeepTheirKeys)
{
    writeClient(1, "Ana", 0, 5);
    writeDependent(1, 1, "Bia", 0, 0);
    writeReservedTape({daysAgo(-1), daysAgo(-2)}, {2, 1});
    lend(2, {1, true}, 1, 2, 2.0);
    StubBackup backup;
    KeyAudit audit;
    auto main = std::make_unique<MainWindow>(state, backup);
    main->show();
    audit.inspect(main.get());
    for (QAction* top : main->menuBar()->actions()) {
        audit.inspectMenu(top->menu());
    }

    // Modal windows are looked at and closed as soon as they are up.
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&audit] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            audit.inspect(modal);
            modal->close();
        }
    });
    closer.start();
    const QSet<QString> leaveAlone = {QStringLiteral("mnuArqSair"),
                                      QStringLiteral("mnuFerrLogOff")};
    std::function<void(QMenu*)> chooseAll = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                chooseAll(action->menu());
            } else if (action->isEnabled() && !action->isSeparator() &&
                       !leaveAlone.contains(action->objectName())) {
                action->trigger();
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (top != main.get() && top->isVisible() && top->isWindow() &&
                        !qobject_cast<QMenu*>(top)) {
                        audit.inspect(top);
                        top->close();
                    }
                }
            }
        }
    };
    for (QAction* top : main->menuBar()->actions()) {
        chooseAll(top->menu());
    }

    // The windows other windows open.
    core::ReservationList reservations(state, 1);
    const core::Situation situation = core::showSituation(state, {1, true});
    const std::vector<std::function<QWidget*()>> others = {
        [&] { return new DependentWindow(state, 1, 1); },
        [&] {
            return new SituationWindow(state, {1, true}, counterWindows());
        },
        [&] {
            return new RentalWindow(state, {1, true}, core::Money{});
        },
        [&] { return new ReturnWindow(state, situation); },
        [&] {
            return new PaymentWindow(state, {1, true}, test::reais(5));
        },
        [&] { return new ReservationsWindow(reservations); },
        [&] { return new SearchWindow(state, core::SearchMode::Operations); },
        [&] {
            return new ChooserWindow("Clique no Nome do(a) Cliente", {"00001 Ana", "00001 Bia"});
        },
        [&] { return new LoginWindow(state, core::AccessForm::Mode::Login); },
        [&] { return new LoginWindow(state, core::AccessForm::Mode::Register); },
        [&] {
            return new MsgBoxWindow("Reservar", 32,
                                    "Reservar a fita para:", {"&Hoje", "&Amanhã", "&Data"});
        },
        [&] { return new DatePromptWindow(dialogs, "Data", "Data da reserva:", today); },
        [&] {
            auto* prompt =
                new InputPromptWindow(InputPromptWindow::Kind::Value, "Crédito", "Valor:", {});
            prompt->addCheckBox("&Imprimir recibo", true);
            return prompt;
        },
        [&] { return new TextWindow(state, "texto"); },
        [&] { return new NoteDialog(); },
    };
    closer.stop();
    for (const auto& make : others) {
        std::unique_ptr<QWidget> window(make());
        window->show();
        audit.inspect(window.get());
    }

    for (const char* expected :
         {"frmDadosCli", "frmDadosFitas", "frmFeriados", "frmOpções", "frmUsuários", "frmNivAcesso",
          "frmConfigRec", "frmAjuda", "frmSobre", "frmProcura", "frmDadosDep", "frmSitua_o",
          "frmLoca_o", "frmDevolu_es", "frmReservas", "frmAcesso"}) {
        EXPECT_TRUE(audit.windows().contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(audit.clashes().join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(audit.unevenButtons().join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace tavolim::app
