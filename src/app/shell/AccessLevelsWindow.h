#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The access-level window (frmNivAcesso): the 24 rows with the highest level allowed each;
// a cell is edited through txtN. OK stores the rows, writes the record and refreshes menus.
class AccessLevelsWindow final : public QDialog {
    Q_OBJECT

public:
    explicit AccessLevelsWindow(core::AppState& state, QWidget* parent = nullptr);

private:
    void editRow(int row);
    void storeCell();
    void accept() override;

    core::AppState& m_state;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_value = nullptr;
};

} // namespace tavolim::app
