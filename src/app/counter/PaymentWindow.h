#pragma once

#include "app/counter/CounterControls.h"

#include "core/counter/Payment.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The payment (frmPagamentos): the whole amount due or a part of it, over
// core::PaymentModel.
class PaymentWindow final : public QDialog {
    Q_OBJECT

public:
    PaymentWindow(core::AppState& state, core::PersonRef person, core::Money amountDue,
                  QWidget* parent = nullptr);

    core::PaymentModel& model() { return m_model; }

    // cmdOK: the model confirms; the window closes only when it says so.
    void accept() override;

private:
    core::AppState& m_state;
    core::PaymentModel m_model;
    PaymentBox m_payment;
    QCheckBox* m_imprimir = nullptr;
};

// cmdPagamento of the client situation: true when the payment was written, and the
// situation is to be filled again.
bool runPayment(core::AppState& state, core::PersonRef person, core::Money amountDue,
                QWidget* parent);

} // namespace tavolim::app
