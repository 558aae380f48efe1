#pragma once

class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// What the main window's menus open for printing.

// Sends printouts made while "IsDebugging" is on to a text window (frmText); call once at
// start, after the state is made.
void installTextWindow(core::AppState& state, QWidget* parent = nullptr);

// mnuArqConfigImp: the printer set-up dialog on the printer every job goes to. False when
// the program's printer is not the platform one or the operator cancels.
bool showPrinterSetup(core::AppState& state, QWidget* parent = nullptr);

// mnuArqImpRecTeste.
void printTestReceipt(core::AppState& state);

// Opens frmConfigRec modally; true when its settings were saved.
bool showReceiptSettings(core::AppState& state, QWidget* parent = nullptr);

} // namespace tavolim::app
