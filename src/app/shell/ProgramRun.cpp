#include "app/shell/ProgramRun.h"

#include "app/printing/TextEditorWindow.h"
#include "app/rules/HolidayWindow.h"
#include "app/shell/ColourScheme.h"
#include "app/shell/LoginWindow.h"
#include "app/shell/MainWindow.h"
#include "app/shell/ProgramTitle.h"
#include "app/shell/QtDialogs.h"
#include "app/shell/QtLauncher.h"
#include "app/shell/QtPrinter.h"
#include "app/shell/QtProgress.h"
#include "app/shell/QtSettingsStore.h"
#include "app/shell/SplashWindow.h"
#include "app/shell/Startup.h"
#include "app/shell/SystemClock.h"
#include "app/shell/Translations.h"
#include "app/tools/BackupComponent.h"
#include "app/tools/RestoreWindow.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/shell/NewInstallation.h"
#include "core/shell/OperatorSession.h"
#include "core/shell/StoreStart.h"
#include "core/state/AppState.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace tavolim::app {

namespace {

// When a window closes and nothing is active (no window manager to pick one), the keys go to
// the modal window still open, else to the window the closed one was opened over, else to the
// main window: the counter is worked by keyboard.
class KeyboardKeeper final : public QObject {
public:
    explicit KeyboardKeeper(QWidget& main) : m_main(&main) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Hide || !watched->isWidgetType() ||
            !static_cast<QWidget*>(watched)->isWindow()) {
            return false;
        }
        const QWidget* closed = static_cast<QWidget*>(watched);
        QPointer<QWidget> opener =
            closed->parentWidget() ? closed->parentWidget()->window() : nullptr;
        QTimer::singleShot(0, this, [this, opener] {
            if (QApplication::activeWindow() || QApplication::activePopupWidget()) {
                return;
            }
            QWidget* next = QApplication::activeModalWidget();
            if (!next && opener && opener->isVisible()) {
                next = opener;
            }
            if (!next) {
                next = m_main;
            }
            if (next && next->isVisible()) {
                next->activateWindow();
            }
        });
        return false;
    }

private:
    QPointer<QWidget> m_main;
};

} // namespace

int runProgram(QApplication& application)
{
    // Calendars, day names, number boxes and Qt's own dialogs speak the store's language.
    installPortugueseTranslations(application);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kProgramTitle));
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramTitle));

    QtDialogs dialogs;
    SystemClock clock;
    QtSettingsStore settings;
    QtPrinter printer;
    QtProgress progress;
    QtLauncher launcher;

    const auto folder = resolveDataFolder(QCoreApplication::arguments());
    const core::Ports ports{dialogs, clock, settings, printer, progress, launcher};
    // A folder that lost its tavolim.ini is offered its backups, through a state that reads
    // nothing of the store before the restore.
    const auto offerRestore = [&] {
        core::AppState bare(folder, ports);
        RestoreWindow window(bare);
        return window.exec() == QDialog::Accepted;
    };
    const core::StoreStart start =
        core::startStore(folder, clock.today(), dialogs, settings, offerRestore);
    if (start.state == core::StoreStart::State::Refused) {
        return 1;
    }
    core::AppState state(folder, ports);
    state.readOnly = start.state == core::StoreStart::State::ReadOnly;
    BackupComponent backup(state);
    state.records().readRecord(core::FileKind::Store, 1, true);

    // The splash stays up for its two seconds while the program goes on loading; it owns no
    // dialog and is gone before the first one shows.
    QPointer<SplashWindow> splash = new SplashWindow(2000);
    splash->show();
    QCoreApplication::processEvents();

    state.loadOptions();
    if (!state.configWarnings.empty()) {
        std::string text = "Problemas no arquivo Config.ini (valem os padrões indicados):";
        for (const auto& warning : state.configWarnings) {
            text += "\n- " + warning;
        }
        dialogs.message(text, core::msg::Exclamation);
    }

    applyColourScheme(state.options());

    MainWindow window(state, backup);
    backup.setWindow(&window);
    installTextEditor(state, &window);
    installHolidayEditor(state, &window);
    window.show();
    KeyboardKeeper keeper(window);
    application.installEventFilter(&keeper);
    if (splash) {
        splash->raise();
        QEventLoop waiting;
        QObject::connect(splash, &QObject::destroyed, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    window.activateWindow();

    if (start.state == core::StoreStart::State::Created) {
        dialogs.message(core::newStoreMessage(folder), core::msg::Information, "Nova locadora");
    }
    if (!core::logInAtStart(state, [&] { return LoginWindow::logIn(state, &window); })) {
        return 0;
    }
    state.dayHooks.refreshMenus = [&window] { window.refreshMenus(); };
    core::startDay(state, false);
    // The day's first windows (holidays, messages) are gone: the keys go to the main window.
    window.raise();
    window.activateWindow();
    return QApplication::exec();
}

} // namespace tavolim::app
