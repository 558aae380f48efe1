#include "app/counter/ReturnWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/counter/Situation.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

constexpr int kSituacao = 0;
constexpr int kNome = 1;

} // namespace

ReturnWindow::ReturnWindow(core::AppState& state, const core::Situation& situation, QWidget* parent)
    : QDialog(parent), m_model(state, situation)
{
    setObjectName(QStringLiteral("frmDevolu_es"));
    setWindowTitle(QStringLiteral("Devoluções"));
    buildLayout();
    refresh();
    m_cod->setFocus();
}

void ReturnWindow::buildLayout()
{
    auto* person = clientRow(this, toQString(m_model.situation().txtNome));

    QStringList headers;
    for (const auto& column : core::kReturnColumns) {
        headers << toQString(column);
    }
    m_grid = makeCounterGrid(this, headers, kNome);
    m_grid->setRowCount(static_cast<int>(m_model.rowCount()));
    m_grid->setMinimumSize(640, 200);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row) { toggleRow(row); });
    auto* gridTitle = new QLabel(QStringLiteral("&Fitas em casa (clique ou Espaço marca a "
                                                "fita devolvida):"),
                                 this);
    gridTitle->setBuddy(m_grid);

    m_todos = namedOption(this, "optDevolveuTodos", QStringLiteral("Devolveu Toda&s as Fitas"));
    m_algumas = namedOption(this, "optDevolveuAlgumas", QStringLiteral("Devolveu Al&gumas Fitas"));
    connect(m_todos, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            m_model.setDevolveuTodos(true);
            refresh();
        }
    });
    connect(m_algumas, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            m_model.setDevolveuTodos(false);
            refresh();
        }
    });
    m_cod = new QLineEdit(this);
    m_cod->setObjectName(QStringLiteral("txtCod"));
    m_cod->setMaximumWidth(90);
    auto* codLabel = new QLabel(QStringLiteral("&Código:"), this);
    codLabel->setBuddy(m_cod);
    auto* codRow = new QHBoxLayout;
    codRow->addWidget(codLabel);
    codRow->addWidget(m_cod);
    codRow->addStretch(1);
    auto* tapes = new QGroupBox(QStringLiteral("Fitas"), this);
    auto* tapesLayout = new QVBoxLayout(tapes);
    tapesLayout->addWidget(m_todos);
    tapesLayout->addWidget(m_algumas);
    tapesLayout->addLayout(codRow);

    m_returned = amountLabel(this, "lblFitasDevolvidas");
    m_surcharge = amountLabel(this, "lblAcrescimo");
    m_discount = amountLabel(this, "lblDesconto");
    m_saldo = amountLabel(this, "lblValorSaldo");
    const QFont big = bigFont(m_saldo->font());
    m_saldo->setFont(big);
    m_saldoCaption = new QLabel(QStringLiteral("Saldo:"), this);
    m_saldoCaption->setObjectName(QStringLiteral("lblSaldo"));
    m_saldoCaption->setFont(big);
    auto* amounts = new QFormLayout;
    amounts->addRow(QStringLiteral("Fitas Devolvidas:"), m_returned);
    amounts->addRow(QStringLiteral("Acréscimo:"), m_surcharge);
    amounts->addRow(QStringLiteral("Desconto:"), m_discount);
    amounts->addRow(m_saldoCaption, m_saldo);

    auto* acrescimo = namedButton(this, "cmdAcrescimo", QStringLiteral("Acrésci&mo"));
    auto* desconto = namedButton(this, "cmdDesconto", QStringLiteral("&Desconto"));
    connect(acrescimo, &QPushButton::clicked, this, [this] {
        m_model.askSurcharge();
        refresh();
    });
    connect(desconto, &QPushButton::clicked, this, [this] {
        m_model.askDiscount();
        refresh();
    });
    auto* changes = new QVBoxLayout;
    changes->addWidget(acrescimo);
    changes->addWidget(desconto);
    changes->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(tapes);
    middle->addStretch(1);
    middle->addLayout(amounts);
    middle->addSpacing(12);
    middle->addLayout(changes);

    m_payment = makePaymentBox(this, true);
    m_imprimir = printBox(this, m_model.chkImprimir);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(person);
    layout->addWidget(gridTitle);
    layout->addWidget(m_grid, 1);
    layout->addLayout(middle);
    layout->addLayout(paymentFoot(m_payment, m_imprimir, okCancelButtons(this)));

    setTabOrder(m_cod, m_grid);
}

void ReturnWindow::refresh()
{
    for (std::size_t row = 0; row < m_model.rowCount(); ++row) {
        const auto texts = m_model.rowTexts(row);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(toQString(texts[column]));
            if (column == kSituacao) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            } else if (column >= 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    {
        const QSignalBlocker todos(m_todos);
        const QSignalBlocker algumas(m_algumas);
        (m_model.devolveuTodos() ? m_todos : m_algumas)->setChecked(true);
    }
    m_returned->setText(moneyText(m_model.returnedTotal()));
    m_surcharge->setText(moneyText(m_model.surcharge()));
    m_discount->setText(moneyText(m_model.discount()));
    // As on the situation: what is owed, or the credit left once the tapes are paid.
    const core::Money balance =
        m_model.situation().valorDevido + m_model.surcharge() - m_model.discount();
    m_saldoCaption->setText(balance.isPositive() ? QStringLiteral("Valor Devido:")
                                                 : QStringLiteral("Saldo:"));
    m_saldo->setText(moneyText(balance.isPositive() ? balance : -balance));
    m_payment.pagouTudo->setText(
        toQString(core::PaymentChoice::payAllCaption(m_model.amountDue())));
}

void ReturnWindow::copyIn()
{
    m_model.txtCod = toStdString(m_cod->text());
    m_payment.copyTo(m_model.payment);
    m_model.chkImprimir = m_imprimir->isChecked();
}

void ReturnWindow::accept()
{
    copyIn();
    const bool marking = !m_cod->text().trimmed().isEmpty();
    switch (m_model.confirm()) {
    case core::ReturnModel::Outcome::Saved:
        QDialog::accept();
        return;
    case core::ReturnModel::Outcome::Discarded:
        reject();
        return;
    case core::ReturnModel::Outcome::FocusValorPago:
        refresh();
        m_payment.valorPago->setFocus();
        return;
    case core::ReturnModel::Outcome::Stay:
        break;
    }
    m_cod->setText(toQString(m_model.txtCod));
    refresh();
    if (marking) {
        // Ready for the next code, or for correcting the one refused.
        m_cod->setFocus();
        m_cod->selectAll();
    }
}

void ReturnWindow::toggleRow(int row)
{
    if (row < 0) {
        return;
    }
    m_model.toggle(static_cast<std::size_t>(row));
    refresh();
}

void ReturnWindow::markOnly(std::int16_t tape)
{
    m_model.setDevolveuTodos(false);
    m_model.txtCod = std::to_string(tape);
    m_model.markCode();
    m_cod->setText(toQString(m_model.txtCod));
    refresh();
}

bool ReturnWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggleRow(m_grid->currentRow());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool runReturn(core::AppState& state, const core::Situation& situation, QWidget* parent)
{
    ReturnWindow window(state, situation, parent);
    return window.exec() == QDialog::Accepted;
}

bool runQuickReturn(core::AppState& state, const core::Situation& situation, std::int16_t tape,
                    QWidget* parent)
{
    ReturnWindow window(state, situation, parent);
    window.markOnly(tape);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
