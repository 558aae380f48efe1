#include "app/shell/ProgramRun.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Ties the windows to the menu entry (tavolim.desktop) and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tavolim"));
    return tavolim::app::runProgram(application);
}
