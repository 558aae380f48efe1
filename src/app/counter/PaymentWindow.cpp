#include "app/counter/PaymentWindow.h"

#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/shell/AppState.h"
#include "core/store/TextHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolim::app {

PaymentWindow::PaymentWindow(core::AppState& state, core::PersonRef person,
                             core::Money amountDue, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state, person, amountDue)
{
    setObjectName(QStringLiteral("frmPagamentos"));
    setWindowTitle(QStringLiteral("Pagamentos"));

    auto* caption = new QLabel(QStringLiteral("Valor Devido:"), this);
    auto* due = new QLabel(QStringLiteral("R$ ") +
                               toQString(core::formatMoney(m_model.amountDue())),
                           this);
    due->setObjectName(QStringLiteral("lblValorDevido"));
    QFont big = due->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    due->setFont(big);
    caption->setFont(big);
    auto* dueRow = new QHBoxLayout;
    dueRow->addWidget(caption);
    dueRow->addStretch(1);
    dueRow->addWidget(due);

    m_pagouTudo = new QRadioButton(toQString(m_model.pagouTudoCaption()), this);
    m_pagouTudo->setObjectName(QStringLiteral("optPagouTudo"));
    m_pagouTudo->setChecked(true);
    m_pagouParte = new QRadioButton(QStringLiteral("Pagou &Parte:"), this);
    m_pagouParte->setObjectName(QStringLiteral("optPagouParte"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_pagouTudo);
    group->addButton(m_pagouParte);
    m_valorPago = new QLineEdit(this);
    m_valorPago->setObjectName(QStringLiteral("txtValorPago"));
    m_valorPago->setMaximumWidth(100);
    connect(m_valorPago, &QLineEdit::textEdited, this,
            [this] { m_pagouParte->setChecked(true); });
    connect(m_pagouParte, &QRadioButton::clicked, this, [this] { m_valorPago->setFocus(); });
    auto* parteRow = new QHBoxLayout;
    parteRow->addWidget(m_pagouParte);
    parteRow->addWidget(m_valorPago);
    parteRow->addStretch(1);
    auto* payment = new QGroupBox(QStringLiteral("Pagamento"), this);
    auto* paymentLayout = new QVBoxLayout(payment);
    paymentLayout->addWidget(m_pagouTudo);
    paymentLayout->addLayout(parteRow);

    m_imprimir = new QCheckBox(QStringLiteral("&Imprimir recibo"), this);
    m_imprimir->setObjectName(QStringLiteral("chkImprimir"));
    m_imprimir->setChecked(m_model.chkImprimir);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dueRow);
    layout->addWidget(payment);
    layout->addWidget(m_imprimir);
    layout->addWidget(okCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pagouTudo->setFocus();
}

void PaymentWindow::accept()
{
    m_model.optPagouTudo = m_pagouTudo->isChecked();
    m_model.txtValorPago = toStdString(m_valorPago->text());
    m_model.chkImprimir = m_imprimir->isChecked();
    switch (m_model.confirm()) {
    case core::PaymentModel::Outcome::Saved:
        // The box starts the next payment as the operator left it.
        m_state.options().ImpNotaPag = m_model.chkImprimir ? 1 : 0;
        QDialog::accept();
        return;
    case core::PaymentModel::Outcome::Discarded: reject(); return;
    case core::PaymentModel::Outcome::Stay: return;
    }
}

bool runPayment(core::AppState& state, core::PersonRef person, core::Money amountDue,
                QWidget* parent)
{
    PaymentWindow window(state, person, amountDue, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
