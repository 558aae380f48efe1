#pragma once

#include "core/registers/StoreDataForm.h"

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmDadosLocadora: the store's own data, one record. OK writes it; Cancelar and Esc leave
// it as it was.
class StoreDataWindow final : public QDialog {
    Q_OBJECT

public:
    explicit StoreDataWindow(core::AppState& state, QWidget* parent = nullptr);

    void accept() override;

private:
    core::AppState& m_state;
    std::vector<std::pair<std::string core::StoreDataForm::*, QLineEdit*>> m_boxes;
    QPlainTextEdit* m_notes = nullptr;
};

// Cadastros > Locadora: the window, modal. True when the data were saved, so the caller
// can put the new trade name in the main window's caption.
bool openStoreData(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
