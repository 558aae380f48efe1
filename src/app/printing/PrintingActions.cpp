#include "app/printing/PrintingActions.h"

#include "app/printing/ReceiptSettingsWindow.h"
#include "app/printing/TextWindow.h"
#include "app/shell/QtConversions.h"
#include "app/shell/QtPrinter.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/state/AppState.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace tavolim::app {

void installTextWindow(core::AppState& state, QWidget* parent)
{
    QPointer<QWidget> owner(parent);
    state.showText = [&state, owner](const std::string& text) {
        auto* window = new TextWindow(state, toQString(text), {}, owner.data());
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    };
}

bool showPrinterSetup(core::AppState& state, QWidget* parent)
{
    auto* printer = dynamic_cast<QtPrinter*>(&state.ports().printer);
    if (!printer) {
        return false;
    }
    QPrintDialog dialog(&printer->device(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setWindowTitle(QStringLiteral("Configurar Impressora"));
    return dialog.exec() == QDialog::Accepted;
}

void printTestReceipt(core::AppState& state)
{
    core::ReceiptPrinter(state).printTestReceipt();
}

bool showReceiptSettings(core::AppState& state, QWidget* parent)
{
    ReceiptSettingsWindow window(state, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
