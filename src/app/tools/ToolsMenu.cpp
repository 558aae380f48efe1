#include "app/tools/ToolsMenu.h"

#include "app/tools/AddRecordsWindow.h"
#include "app/tools/DataToolWindow.h"

namespace tavolim::app {

std::vector<std::pair<QString, std::function<void()>>> toolsMenuHandlers(core::AppState& state,
                                                                         QWidget* parent)
{
    using Mode = DataToolWindow::Mode;
    std::vector<std::pair<QString, std::function<void()>>> handlers;
    const std::pair<const char*, Mode> tools[] = {
        {"mnuDadosLocalizar", Mode::Find},
        {"mnuDadosSubstituir", Mode::Replace},
        {"mnuDadosPreenchCampo", Mode::Fill},
        {"mnuDadosApagCampo", Mode::Clear},
    };
    for (const auto& [name, mode] : tools) {
        handlers.emplace_back(QString::fromLatin1(name), [&state, parent, mode = mode] {
            DataToolWindow window(state, mode, parent);
            window.exec();
        });
    }
    handlers.emplace_back(QStringLiteral("mnuDadosAdicRegs"), [&state, parent] {
        AddRecordsWindow window(state, parent);
        window.exec();
    });
    return handlers;
}

} // namespace tavolim::app
