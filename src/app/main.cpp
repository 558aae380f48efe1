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
#include "app/tools/BackupComponent.h"
#include "core/day/BusinessDay.h"
#include "core/shell/OperatorSession.h"
#include "core/state/AppState.h"
#include "core/tools/BackupRestore.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>

using namespace tavolim;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Calendars, day names and number boxes speak the store's language.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCoreApplication::setOrganizationName(QString::fromLatin1(app::kProgramTitle));
    QCoreApplication::setApplicationName(QString::fromLatin1(app::kProgramTitle));

    app::QtDialogs dialogs;
    app::SystemClock clock;
    app::QtSettingsStore settings;
    app::QtPrinter printer;
    app::QtProgress progress;
    app::QtLauncher launcher;

    const auto folder = app::resolveDataFolder(QCoreApplication::arguments());
    // A restore stopped half-way is carried through before anything reads the store.
    core::finishInterruptedRestore(folder);
    if (!app::prepareDataFolder(folder, clock.today(), dialogs)) {
        return 1;
    }
    core::AppState state(folder, {dialogs, clock, settings, printer, progress, launcher});
    app::BackupComponent backup(state);
    state.records().readRecord(core::FileKind::Store, 1, true);

    // The splash stays up for its two seconds while the program goes on loading.
    QPointer<app::SplashWindow> splash = new app::SplashWindow(2000);
    splash->show();
    QCoreApplication::processEvents();

    state.loadOptions();

    app::applyColourScheme(state.options());

    app::MainWindow window(state, backup);
    backup.setWindow(&window);
    app::installTextEditor(state, &window);
    app::installHolidayEditor(state, &window);
    window.show();
    if (splash) {
        splash->raise();
    }

    if (!core::logInAtStart(state, [&] { return app::LoginWindow::logIn(state, &window); })) {
        return 0;
    }
    state.dayHooks.refreshMenus = [&window] { window.refreshMenus(); };
    core::startDay(state, false);
    return QApplication::exec();
}
