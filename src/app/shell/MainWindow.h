#pragma once

#include <QMainWindow>

class QLabel;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The program's main window (frmPrincipal): the store's name and where its data lives.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(core::AppState& state, QWidget* parent = nullptr);

private:
    core::AppState& m_state;
    QLabel* m_storeName = nullptr;
    QLabel* m_dataFolder = nullptr;
};

} // namespace tavolim::app
