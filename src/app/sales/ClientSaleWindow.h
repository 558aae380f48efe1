#pragma once

#include "app/counter/CounterControls.h"
#include "core/sales/ClientSale.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tavolim::core {
struct Situation;
}

namespace tavolim::app {

class SalePanel;

// The sale to a client or dependent (frmVendasCli), opened by cmdVenda of the client
// situation: the products as in the walk-in sale, freebies, and the payment box that may
// leave the sale on the account. Enter on the empty code box confirms, as the rental does.
class ClientSaleWindow final : public QDialog {
    Q_OBJECT

public:
    ClientSaleWindow(core::AppState& state, const core::Situation& situation,
                     QWidget* parent = nullptr);

    core::ClientSaleModel& model() { return m_model; }

    void accept() override;

private:
    void buildLayout();
    void showTotals();

    core::ClientSaleModel m_model;
    SalePanel* m_panel = nullptr;
    QLabel* m_totals = nullptr;
    PaymentBox m_payment;
    QCheckBox* m_imprimir = nullptr;
};

// cmdVenda: sells to the person the situation shows; true when the sale was written.
bool runClientSale(core::AppState& state, const core::Situation& situation, QWidget* parent);

} // namespace tavolim::app
