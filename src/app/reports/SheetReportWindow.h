#pragma once

#include "app/reports/ReportDelivery.h"
#include "core/reports/SheetReportForm.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QRadioButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmDadosRelat: the sheets of one kind of records, of all (optTodos) or of those ticked in
// lstDados (optSelecionados), sent where the operator chose when cmdExibir is pressed. A
// thin view over core::SheetReportForm.
class SheetReportWindow final : public QDialog {
    Q_OBJECT

public:
    SheetReportWindow(core::AppState& state, core::ReportKind kind, QWidget* parent = nullptr);

    const core::SheetReportForm& model() const { return m_model; }
    ReportChoice choice() const;
    // cmdExibir: builds the sheets and sends them; false when nothing went out.
    bool exibir();

private:
    void fillList();
    void collect();

    core::AppState& m_state;
    core::SheetReportForm m_model;
    QComboBox* m_kind = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
    QListWidget* m_list = nullptr;
    QRadioButton* m_editor = nullptr;
    QRadioButton* m_file = nullptr;
    QRadioButton* m_pdf = nullptr;
    QRadioButton* m_printer = nullptr;
};

} // namespace tavolim::app
