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

// The main window's items over the books: mnuHistResumoDia, mnuHistLocDev,
// mnuHistLivroCaixa and mnuHistGrafCaixa, each with what it opens over `parent`.
std::vector<std::pair<QString, std::function<void()>>> bookMenuHandlers(core::AppState& state,
                                                                        QWidget* parent);

} // namespace tavolim::app
