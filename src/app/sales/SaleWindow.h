#pragma once

#include "core/sales/WalkInSale.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tavolim::app {

class SalePanel;

// The walk-in sale (frmVendas), keyboard first: a code and Enter adds a product, Enter on the
// empty code box goes to txtValorPago, and Enter there confirms. core::WalkInSaleModel
// decides; the window copies the controls in and out.
class SaleWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SaleWindow(core::AppState& state, QWidget* parent = nullptr);

    core::WalkInSaleModel& model() { return m_model; }

    // cmdOK: the model confirms; the window closes only when the sale was written.
    void accept() override;

private:
    void buildLayout();
    void showTotals();

    core::WalkInSaleModel m_model;
    SalePanel* m_panel = nullptr;
    QLineEdit* m_valorPago = nullptr;
    QLabel* m_totals = nullptr;
    QCheckBox* m_imprimir = nullptr;
};

// mnuOpVendas.
void openWalkInSale(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
