#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The main window's data tools: mnuDadosLocalizar, mnuDadosSubstituir, mnuDadosPreenchCampo,
// mnuDadosApagCampo and mnuDadosAdicRegs, each opening its window over `parent`.
std::vector<std::pair<QString, std::function<void()>>> toolsMenuHandlers(core::AppState& state,
                                                                         QWidget* parent);

} // namespace tavolim::app
