#include "app/shell/MainWindow.h"
#include "app/shell/ProgramTitle.h"
#include "app/shell/QtDialogs.h"
#include "app/shell/QtLauncher.h"
#include "app/shell/QtPrinter.h"
#include "app/shell/QtProgress.h"
#include "app/shell/QtSettingsStore.h"
#include "app/shell/Startup.h"
#include "app/shell/SystemClock.h"
#include "core/shell/AppState.h"

#include <QApplication>

using namespace tavolim;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(app::kProgramTitle));
    QCoreApplication::setApplicationName(QString::fromLatin1(app::kProgramTitle));

    app::QtDialogs dialogs;
    app::SystemClock clock;
    app::QtSettingsStore settings;
    app::QtPrinter printer;
    app::QtProgress progress;
    app::QtLauncher launcher;

    const auto folder = app::resolveDataFolder(QCoreApplication::arguments());
    if (!app::prepareDataFolder(folder, clock.today(), dialogs)) {
        return 1;
    }

    core::AppState state(folder, {dialogs, clock, settings, printer, progress, launcher});
    state.loadOptions();

    app::MainWindow window(state);
    window.show();
    return QApplication::exec();
}
