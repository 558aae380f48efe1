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

// The main window's data checks of the Utilitários menu: mnuUtilVerifRegsExc,
// mnuUtilRetiraErros, the four mnuUtilNomeRep items and the two mnuUtilCodRep items.
std::vector<std::pair<QString, std::function<void()>>> checkMenuHandlers(core::AppState& state,
                                                                         QWidget* parent);

} // namespace tavolim::app
