#pragma once

#include "core/tools/RecordAdder.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmAdicRegs: the kind (cboTipo) with its record count (lblRegistros), how many blank
// records to add (txtQuantidade) and cmdAdicionar. A thin view over core::RecordAdder.
class AddRecordsWindow final : public QDialog {
    Q_OBJECT

public:
    explicit AddRecordsWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::RecordAdder& model() const { return m_model; }
    // cmdAdicionar: true when every record asked for was added.
    bool add();

private:
    void showCount();

    core::RecordAdder m_model;
    QComboBox* m_kind = nullptr;
    QLabel* m_count = nullptr;
    QLineEdit* m_quantity = nullptr;
};

} // namespace tavolim::app
