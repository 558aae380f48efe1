#include "app/shell/ProgramRun.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return tavolim::app::runProgram(application);
}
