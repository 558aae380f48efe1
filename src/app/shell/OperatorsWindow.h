#pragma once

#include <QDialog>

class QListWidget;
class QSlider;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The operators window (frmUsuários): the operator list, the selected one's level on a
// slider, adding and deleting. The core's operator rules decide every refusal.
class OperatorsWindow final : public QDialog {
    Q_OBJECT

public:
    explicit OperatorsWindow(core::AppState& state, QWidget* parent = nullptr);

private:
    void fillList(int select);
    void showLevel();
    void levelMoved(int level);
    void addOperator();
    void deleteOperator();
    void accept() override;

    core::AppState& m_state;
    QListWidget* m_list = nullptr;
    QSlider* m_level = nullptr;
};

} // namespace tavolim::app
