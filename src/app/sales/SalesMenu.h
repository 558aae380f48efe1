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

// The main window's items over sales and stock: mnuOpVendas and mnuOpEntradaEstq, each with
// the window it opens over `parent`.
std::vector<std::pair<QString, std::function<void()>>> salesMenuHandlers(core::AppState& state,
                                                                         QWidget* parent);

} // namespace tavolim::app
