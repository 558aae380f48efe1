#include "app/sales/ClientSaleWindow.h"

#include "app/sales/SalePanel.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/counter/Situation.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tavolim::app {

ClientSaleWindow::ClientSaleWindow(core::AppState& state, const core::Situation& situation,
                                   QWidget* parent)
    : QDialog(parent), m_model(state, situation)
{
    setObjectName(QStringLiteral("frmVendasCli"));
    setWindowTitle(QStringLiteral("Venda ao Cliente"));
    setModal(true);
    buildLayout();
    m_panel->refresh();
    m_panel->codeBox()->setFocus();
}

void ClientSaleWindow::buildLayout()
{
    auto* person = clientRow(this, toQString(m_model.personName()));
    const core::Money due = m_model.balanceDue();
    auto* balance = new QLabel(this);
    balance->setObjectName(QStringLiteral("lblSaldo"));
    balance->setText(
        (due.isPositive() ? QStringLiteral("Valor Devido: ") : QStringLiteral("Saldo: ")) +
        moneyText(due.isPositive() ? due : -due));
    balance->setStyleSheet(due.isPositive() ? QStringLiteral("color: #c00000;")
                                            : QStringLiteral("color: #006000;"));
    person->addWidget(balance);

    m_panel = new SalePanel(m_model.grid(), this);
    connect(m_panel, &SalePanel::changed, this, &ClientSaleWindow::showTotals);
    connect(m_panel, &SalePanel::entryDone, this, &ClientSaleWindow::accept);

    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("lblTotais"));
    m_totals->setFont(bigFont(m_totals->font()));
    m_totals->setMinimumHeight(m_totals->fontMetrics().height() + 8);

    m_payment = makePaymentBox(this, true);
    m_imprimir = printBox(this, m_model.chkImprimir);
    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(person);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_totals);
    layout->addLayout(paymentFoot(m_payment, m_imprimir, buttons));

    QWidget* order[] = {m_panel->lastInChain(),
                        m_payment.pagouTudo,
                        m_payment.pagouParte,
                        m_payment.valorPago,
                        m_payment.naoPagou,
                        m_imprimir,
                        buttons};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    resize(780, 560);
}

void ClientSaleWindow::showTotals()
{
    m_totals->setText(toQString(m_model.grid().caption()));
    m_payment.pagouTudo->setText(
        toQString(core::PaymentChoice::payAllCaption(m_model.amountOffered())));
}

void ClientSaleWindow::accept()
{
    m_payment.copyTo(m_model.payment);
    m_model.chkImprimir = m_imprimir->isChecked();
    switch (m_model.confirm()) {
    case core::ClientSaleModel::Outcome::Saved:
        QDialog::accept();
        return;
    case core::ClientSaleModel::Outcome::FocusValorPago:
        m_payment.valorPago->setFocus();
        return;
    case core::ClientSaleModel::Outcome::Stay:
        break;
    }
    m_panel->refresh();
    m_panel->codeBox()->setFocus();
}

bool runClientSale(core::AppState& state, const core::Situation& situation, QWidget* parent)
{
    ClientSaleWindow window(state, situation, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
