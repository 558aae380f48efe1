#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QMenu;
class QPushButton;
class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// Where the operator sends a finished report: the three ways of the core, or a PDF file.
enum class ReportChoice { Editor, File, Pdf, Printer };

// Sends the report; PDF asks for the file name first (suggested in the user's documents).
// False when nothing went out (refused, cancelled or failed, each told).
bool deliverReport(core::AppState& state, const std::string& text, ReportChoice choice,
                   QWidget* parent, const QString& suggestedName);

// Writes the report text to a PDF file, a fixed-pitch font keeping the columns. False when
// the file could not be written.
bool writeReportPdf(const QString& path, const std::string& text);

// Fills a menu with the four ways out, in order, each with its access key; `chosen` runs
// with the one picked.
void addReportChoices(QMenu* menu, const std::function<void(ReportChoice)>& chosen);

// Gives a book window's print button (cmdImprimir) the menu of the four ways out (mnuSaida):
// the printer runs `print`, the way receipts go; the others take `text`, when it gives one.
void addBookOutputs(QPushButton* button, core::AppState& state, const std::function<void()>& print,
                    const std::function<std::optional<std::string>()>& text,
                    const QString& suggestedName);

} // namespace tavolim::app
