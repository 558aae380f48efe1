#include "app/sales/SaleWindow.h"

#include "app/counter/CounterControls.h"
#include "app/sales/SalePanel.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tavolim::app {

SaleWindow::SaleWindow(core::AppState& state, QWidget* parent) : QDialog(parent), m_model(state)
{
    setObjectName(QStringLiteral("frmVendas"));
    setWindowTitle(QStringLiteral("Vendas"));
    setModal(true);
    buildLayout();
    m_panel->refresh();
    m_panel->codeBox()->setFocus();
}

void SaleWindow::buildLayout()
{
    m_panel = new SalePanel(m_model.grid(), this);
    connect(m_panel, &SalePanel::changed, this, &SaleWindow::showTotals);
    connect(m_panel, &SalePanel::entryDone, this, [this] {
        m_valorPago->setFocus();
        m_valorPago->selectAll();
    });

    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("lblTotais"));
    m_totals->setFont(bigFont(m_totals->font()));
    m_totals->setMinimumHeight(m_totals->fontMetrics().height() + 8);

    m_valorPago = new QLineEdit(this);
    m_valorPago->setObjectName(QStringLiteral("txtValorPago"));
    m_valorPago->setAlignment(Qt::AlignRight);
    m_valorPago->setMaxLength(12);
    m_valorPago->setFixedWidth(m_valorPago->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    connect(m_valorPago, &QLineEdit::textChanged, this, &SaleWindow::showTotals);
    auto* valorLabel = new QLabel(QStringLiteral("&Valor Pago: R$"), this);
    valorLabel->setBuddy(m_valorPago);
    m_imprimir = printBox(this, m_model.chkImprimir);
    auto* buttons = okCancelButtons(this);

    auto* foot = new QHBoxLayout;
    foot->addWidget(valorLabel);
    foot->addWidget(m_valorPago);
    foot->addSpacing(16);
    foot->addWidget(m_imprimir);
    foot->addStretch(1);
    foot->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_totals);
    layout->addLayout(foot);

    setTabOrder(m_panel->lastInChain(), m_valorPago);
    setTabOrder(m_valorPago, m_imprimir);
    setTabOrder(m_imprimir, buttons);
    resize(760, 480);
}

void SaleWindow::showTotals()
{
    m_model.txtValorPago = toStdString(m_valorPago->text());
    m_totals->setText(toQString(m_model.caption()));
}

void SaleWindow::accept()
{
    m_model.txtValorPago = toStdString(m_valorPago->text());
    m_model.chkImprimir = m_imprimir->isChecked();
    switch (m_model.confirm()) {
    case core::WalkInSaleModel::Outcome::Saved:
        QDialog::accept();
        return;
    case core::WalkInSaleModel::Outcome::FocusValorPago:
        m_valorPago->setFocus();
        m_valorPago->selectAll();
        return;
    case core::WalkInSaleModel::Outcome::Stay:
        break;
    }
    m_panel->refresh();
    m_panel->codeBox()->setFocus();
}

void openWalkInSale(core::AppState& state, QWidget* parent)
{
    SaleWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
