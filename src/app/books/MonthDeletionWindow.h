#pragma once

#include "core/reports/MonthDeletionForm.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tavolim::app {

// frmExcluirHist: the months of a book in lstMes; a click selects the month and every older
// one. cmdExcluir deletes them and closes with Accepted; cmdFechar leaves.
class MonthDeletionWindow final : public QDialog {
    Q_OBJECT

public:
    MonthDeletionWindow(core::AppState& state, core::MonthBook book, QWidget* parent = nullptr);

private:
    void showSelection();

    core::MonthDeletionForm m_form;
    QListWidget* m_months = nullptr;
    QPushButton* m_delete = nullptr;
    bool m_showing = false;
};

} // namespace tavolim::app
