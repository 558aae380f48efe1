#include "app/counter/PaymentWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolim::app {

PaymentWindow::PaymentWindow(core::AppState& state, core::PersonRef person, core::Money amountDue,
                             QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state, person, amountDue)
{
    setObjectName(QStringLiteral("frmPagamentos"));
    setWindowTitle(QStringLiteral("Pagamentos"));

    auto* caption = new QLabel(QStringLiteral("Valor Devido:"), this);
    auto* due = new QLabel(moneyText(m_model.amountDue()), this);
    due->setObjectName(QStringLiteral("lblValorDevido"));
    due->setFont(bigFont(due->font()));
    caption->setFont(due->font());
    auto* dueRow = new QHBoxLayout;
    dueRow->addWidget(caption);
    dueRow->addStretch(1);
    dueRow->addWidget(due);

    m_payment = makePaymentBox(this, false);
    m_payment.pagouTudo->setText(
        toQString(core::PaymentChoice::payAllCaption(m_model.amountDue())));

    m_imprimir = printBox(this, m_model.chkImprimir);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dueRow);
    layout->addWidget(m_payment.box);
    layout->addWidget(m_imprimir);
    layout->addWidget(okCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_payment.pagouTudo->setFocus();
}

void PaymentWindow::accept()
{
    m_payment.copyTo(m_model.payment);
    m_model.chkImprimir = m_imprimir->isChecked();
    switch (m_model.confirm()) {
    case core::PaymentModel::Outcome::Saved:
        // The box starts the next payment as the operator left it.
        m_state.options().ImpNotaPag = m_model.chkImprimir ? 1 : 0;
        QDialog::accept();
        return;
    case core::PaymentModel::Outcome::Discarded:
        reject();
        return;
    case core::PaymentModel::Outcome::Stay:
        return;
    }
}

bool runPayment(core::AppState& state, core::PersonRef person, core::Money amountDue,
                QWidget* parent)
{
    PaymentWindow window(state, person, amountDue, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
