#pragma once

class QApplication;

namespace tavolim::app {

// The whole run of the program on an application already made: the data folder, the
// splash, the main window, the login and the business day, then the event loop until the
// main window closes. Returns the exit code.
int runProgram(QApplication& application);

} // namespace tavolim::app
