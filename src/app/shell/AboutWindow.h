#pragma once

#include <QDialog>

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The about box (frmSobre): the program's name, its version, the store and its data folder.
class AboutWindow final : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(const core::AppState& state, QWidget* parent = nullptr);
};

} // namespace tavolim::app
