#include "app/tools/ChecksMenu.h"

#include "app/printing/TextWindow.h"
#include "app/shell/QtConversions.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/state/AppState.h"
#include "core/tools/DeletedListRebuild.h"
#include "core/tools/LinkCheck.h"
#include "core/tools/RepeatedRecords.h"

#include <algorithm>

namespace tavolim::app {
namespace {

using core::RepeatKind;

// A short answer in a message box; a long list in a window that scrolls and prints.
void showReport(core::AppState& state, const core::RepeatReport& report, QWidget* parent)
{
    if (std::count(report.text.begin(), report.text.end(), '\n') < 20) {
        state.ports().dialogs.message(report.text, core::msg::Information, report.title);
        return;
    }
    TextWindow window(state, toQString(report.text), toQString(report.title), parent);
    window.exec();
}

} // namespace

std::vector<std::pair<QString, std::function<void()>>> checkMenuHandlers(core::AppState& state,
                                                                         QWidget* parent)
{
    std::vector<std::pair<QString, std::function<void()>>> handlers;
    handlers.emplace_back(QStringLiteral("mnuUtilVerifRegsExc"), [&state] {
        if (core::rebuildDeletedLists(state)) {
            state.ports().dialogs.message("Os registros excluídos foram verificados.",
                                          core::msg::Information);
        }
    });
    handlers.emplace_back(QStringLiteral("mnuUtilRetiraErros"), [&state] {
        const core::LinkCheckResult result = core::checkLinks(state);
        if (!result.completed) {
            return;
        }
        state.ports().dialogs.message(
            result.repairs == 0
                ? std::string("Os bancos de dados foram verificados e nenhum erro foi achado.")
                : "Os bancos de dados foram verificados: " + std::to_string(result.repairs) +
                      (result.repairs == 1 ? " erro foi reparado" : " erros foram reparados") +
                      " (veja o arquivo Err.log na pasta de dados).",
            core::msg::Information);
    });
    const std::pair<const char*, RepeatKind> names[] = {
        {"mnuUtilNomeRepCli", RepeatKind::Clients},
        {"mnuUtilNomeRepFitas", RepeatKind::Tapes},
        {"mnuUtilNomeRepProds", RepeatKind::Products},
        {"mnuUtilNomeRepDist", RepeatKind::Distributors},
    };
    for (const auto& [name, kind] : names) {
        handlers.emplace_back(QString::fromLatin1(name), [&state, parent, kind = kind] {
            core::RepeatReport report;
            {
                core::ScopedWait wait(&state.ports().progress, "Verificando Nomes Repetidos...");
                report = core::findRepeatedNames(state.records(), kind);
            }
            showReport(state, report, parent);
        });
    }
    const std::pair<const char*, RepeatKind> codes[] = {
        {"mnuUtilCodRepFitas", RepeatKind::Tapes},
        {"mnuUtilCodRepProds", RepeatKind::Products},
    };
    for (const auto& [name, kind] : codes) {
        handlers.emplace_back(QString::fromLatin1(name), [&state, parent, kind = kind] {
            core::RepeatReport report;
            {
                core::ScopedWait wait(&state.ports().progress, "Verificando Códigos Repetidos...");
                report = core::findRepeatedCodes(state.records(), kind);
            }
            showReport(state, report, parent);
        });
    }
    return handlers;
}

} // namespace tavolim::app
