#pragma once

#include "core/reports/BookForms.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace tavolim::app {

class BookTableModel;
class PeriodControls;

// frmLivroCaixa, "Histórico de Vendas": the product lines sold over the period chosen in
// List2, in FlexProds; printing and the deletion of old months.
class SalesBookWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SalesBookWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::SalesBookForm& form() const { return m_form; }

private:
    void showLines();
    void deleteMonths();

    core::AppState& m_state;
    core::SalesBookForm m_form;
    PeriodControls* m_periods = nullptr;
    BookTableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_print = nullptr;
};

// mnuHistLivroCaixa: refused with its message when the sales book is empty.
void openSalesBook(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
