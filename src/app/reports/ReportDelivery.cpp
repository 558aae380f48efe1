#include "app/reports/ReportDelivery.h"

#include "app/shell/QtConversions.h"
#include "app/shell/QtPrinter.h"
#include "core/ports/Dialogs.h"
#include "core/reports/ReportFiles.h"
#include "core/reports/ReportOutput.h"
#include "core/state/AppState.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace tavolim::app {

bool writeReportPdf(const QString& path, const std::string& text)
{
    QtPrinter pdf;
    QPrinter& device = pdf.device();
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    device.setDocName(QStringLiteral("Relatório"));
    return pdf.printText(text, std::string(core::kReportFont), core::kReportFontSize);
}

bool deliverReport(core::AppState& state, const std::string& text, ReportChoice choice,
                   QWidget* parent, const QString& suggestedName)
{
    switch (choice) {
    case ReportChoice::Editor:
        return core::reportToEditor(state, text);
    case ReportChoice::File:
        return core::reportToFile(state, text);
    case ReportChoice::Printer:
        return core::reportToPrinter(state, text);
    case ReportChoice::Pdf:
        break;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Salvar como PDF"),
        QDir(documents).filePath(suggestedName + QStringLiteral(".pdf")),
        QStringLiteral("Documentos PDF (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (!writeReportPdf(path, text)) {
        state.ports().dialogs.message(
            core::fileWriteFailure(toPath(path), "não foi possível gerar o PDF"),
            core::msg::Critical, "Erro");
        return false;
    }
    return true;
}

void addReportChoices(QMenu* menu, const std::function<void(ReportChoice)>& chosen)
{
    const std::pair<QString, ReportChoice> choices[] = {
        {QStringLiteral("No &editor de textos"), ReportChoice::Editor},
        {QStringLiteral("No &arquivo Relatorio.txt"), ReportChoice::File},
        {QStringLiteral("Salvar como &PDF..."), ReportChoice::Pdf},
        {QStringLiteral("Na &impressora"), ReportChoice::Printer},
    };
    for (const auto& [caption, choice] : choices) {
        QAction* action = menu->addAction(caption);
        QObject::connect(action, &QAction::triggered, menu,
                         [chosen, choice = choice] { chosen(choice); });
    }
}

void addBookOutputs(QPushButton* button, core::AppState& state, const std::function<void()>& print,
                    const std::function<std::optional<std::string>()>& text,
                    const QString& suggestedName)
{
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("mnuSaida"));
    QWidget* window = button->window();
    addReportChoices(menu, [&state, print, text, suggestedName, window](ReportChoice choice) {
        if (choice == ReportChoice::Printer) {
            print();
        } else if (const auto made = text()) {
            deliverReport(state, *made, choice, window, suggestedName);
        }
    });
    button->setMenu(menu);
}

} // namespace tavolim::app
