#include "core/reports/ReportOutput.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/reports/ReportFiles.h"
#include "core/state/AppState.h"

namespace tavolim::core {

std::string editorLimitMessage(std::size_t characters)
{
    return "O relatório tem " + std::to_string(characters) +
           " caracteres e o editor de textos aceita no máximo " + std::to_string(kEditorLimit) +
           ".\nNada foi mostrado. Envie o relatório para o arquivo Relatorio.txt, para PDF ou "
           "para a impressora.";
}

bool reportToEditor(AppState& state, std::string_view text)
{
    const std::size_t characters = charCount(text);
    if (characters > kEditorLimit) {
        state.ports().dialogs.message(editorLimitMessage(characters), msg::Critical, "Erro");
        return false;
    }
    if (!state.showText) {
        return false;
    }
    state.showText(std::string(text));
    return true;
}

std::filesystem::path reportFilePath(const AppState& state)
{
    return state.dataFolder() / std::string(kReportFileName);
}

bool reportToFile(AppState& state, std::string_view text)
{
    const auto path = reportFilePath(state);
    std::string bytes = "\xEF\xBB\xBF";
    bytes += text;
    if (const std::string cause = writeTextFile(path, bytes); !cause.empty()) {
        state.ports().dialogs.message(fileWriteFailure(path, cause), msg::Critical, "Erro");
        return false;
    }
    if (!state.ports().launcher.openDocument(path.string())) {
        state.ports().dialogs.message("O relatório foi gravado em " + path.string() +
                                          ", mas não foi possível abri-lo no editor de textos "
                                          "do sistema.",
                                      msg::Exclamation);
        return false;
    }
    return true;
}

bool reportToPrinter(AppState& state, std::string_view text)
{
    if (!state.ports().printer.printText(std::string(text), std::string(kReportFont),
                                         kReportFontSize)) {
        state.ports().dialogs.message("Não foi possível imprimir.", msg::Critical, "Erro");
        return false;
    }
    state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    return true;
}

bool sendReport(AppState& state, std::string_view text, ReportDestination destination)
{
    switch (destination) {
    case ReportDestination::Editor:
        return reportToEditor(state, text);
    case ReportDestination::File:
        return reportToFile(state, text);
    case ReportDestination::Printer:
        return reportToPrinter(state, text);
    }
    return false;
}

} // namespace tavolim::core
