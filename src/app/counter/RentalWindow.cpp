#include "app/counter/RentalWindow.h"

#include "app/counter/CounterControls.h"
#include "app/counter/ReservationsWindow.h"
#include "app/registers/ChooserWindow.h"
#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

using core::RentalColumn;

// The grid's cell editor is the program's txtT.
class CellEditor final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("txtT"));
        editor->setAlignment(Qt::AlignRight);
        return editor;
    }
};

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

RentalWindow::RentalWindow(core::AppState& state, core::PersonRef person, core::Money tapesAtHome,
                           QWidget* parent)
    : QDialog(parent), m_model(state, person, tapesAtHome)
{
    setObjectName(QStringLiteral("frmLoca_o"));
    setWindowTitle(QStringLiteral("Locação"));
    setModal(true);
    m_model.chooseTape = listChooser(this);
    m_model.chooseReservation = [this](core::ReservationList& list) {
        return showReservations(list, this);
    };
    buildLayout();
    refresh();
    m_codFita->setFocus();
}

void RentalWindow::buildLayout()
{
    auto* emCasa = new QLabel(this);
    emCasa->setObjectName(QStringLiteral("lblFitasEmCasa"));
    emCasa->setText(QStringLiteral("Fitas em casa: %1 (%2)")
                        .arg(m_model.tapesAtHomeCount())
                        .arg(moneyText(m_model.tapesAtHome())));
    auto* person = clientRow(this, toQString(m_model.personName()));
    person->addWidget(emCasa);

    m_codFita = new QLineEdit(this);
    m_codFita->setObjectName(QStringLiteral("txtCodFita"));
    m_codFita->setMaxLength(13);
    m_codFita->setFixedWidth(110);
    m_nome = new QLineEdit(this);
    m_nome->setObjectName(QStringLiteral("txtNome"));
    m_nome->setMinimumWidth(240);
    auto* codLabel = new QLabel(QStringLiteral("&Código:"), this);
    codLabel->setBuddy(m_codFita);
    auto* nomeLabel = new QLabel(QStringLiteral("N&ome:"), this);
    nomeLabel->setBuddy(m_nome);
    m_adicionar = namedButton(this, "cmdAdicionar", QStringLiteral("&Adicionar"));
    m_remover = namedButton(this, "cmdRemover", QStringLiteral("&Remover"));
    for (QPushButton* b : {m_adicionar, m_remover}) {
        b->setAutoDefault(false);
    }
    m_codFita->installEventFilter(this);
    m_nome->installEventFilter(this);
    connect(m_adicionar, &QPushButton::clicked, this, &RentalWindow::addTape);
    connect(m_remover, &QPushButton::clicked, this, &RentalWindow::removeRow);
    auto* entry = new QHBoxLayout;
    entry->addWidget(codLabel);
    entry->addWidget(m_codFita);
    entry->addSpacing(8);
    entry->addWidget(nomeLabel);
    entry->addWidget(m_nome, 1);
    entry->addWidget(m_adicionar);
    entry->addWidget(m_remover);

    QStringList headers;
    for (const auto& column : core::kRentalColumns) {
        headers << toQString(column);
    }
    m_grid = makeCounterGrid(this, headers, static_cast<int>(RentalColumn::Nome));
    m_grid->setItemDelegate(new CellEditor(m_grid));
    // Cell by cell: the current cell is the one Enter or F2 edits.
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    m_grid->setMinimumSize(560, 220);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { editCurrentCell(m_grid); });
    connect(m_grid, &QTableWidget::cellChanged, this, &RentalWindow::cellEdited);
    auto* gridTitle = new QLabel(QStringLiteral("&Fitas:"), this);
    gridTitle->setBuddy(m_grid);

    m_brinde = namedButton(this, "cmdBrinde", QStringLiteral("&Brinde"));
    m_desconto = namedButton(this, "cmdDesconto", QStringLiteral("&Desconto"));
    m_acrescimo = namedButton(this, "cmdAcrescimo", QStringLiteral("Acrésci&mo"));
    for (QPushButton* b : {m_brinde, m_desconto, m_acrescimo}) {
        b->setAutoDefault(false);
    }
    connect(m_brinde, &QPushButton::clicked, this, &RentalWindow::toggleFreebie);
    connect(m_desconto, &QPushButton::clicked, this, [this] {
        m_model.askDiscount();
        refresh();
    });
    connect(m_acrescimo, &QPushButton::clicked, this, [this] {
        m_model.askSurcharge();
        refresh();
    });
    m_surcharge = amountLabel(this, "lblAcrescimo");
    m_discount = amountLabel(this, "lblDesconto");
    auto* side = new QVBoxLayout;
    side->addWidget(m_brinde);
    side->addSpacing(12);
    side->addWidget(m_acrescimo);
    side->addWidget(m_surcharge);
    side->addWidget(m_desconto);
    side->addWidget(m_discount);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_grid, 1);
    middle->addLayout(side);

    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("lblTotais"));
    QFont bold = m_totals->font();
    bold.setBold(true);
    m_totals->setFont(bold);
    m_totals->setMinimumHeight(m_totals->fontMetrics().height() + 6);

    m_payment = makePaymentBox(this, true);
    m_imprimir = printBox(this, m_model.chkImprimir);
    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(person);
    layout->addLayout(entry);
    layout->addWidget(gridTitle);
    layout->addLayout(middle, 1);
    layout->addWidget(m_totals);
    layout->addLayout(paymentFoot(m_payment, m_imprimir, buttons));

    QWidget* order[] = {m_codFita,
                        m_nome,
                        m_adicionar,
                        m_remover,
                        m_grid,
                        m_brinde,
                        m_acrescimo,
                        m_desconto,
                        m_payment.pagouTudo,
                        m_payment.pagouParte,
                        m_payment.valorPago,
                        m_payment.naoPagou,
                        m_imprimir,
                        buttons};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void RentalWindow::refresh()
{
    m_filling = true;
    const int rows = static_cast<int>(m_model.rowCount());
    m_grid->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const auto texts = m_model.rowTexts(r);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(toQString(texts[column]));
            Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (m_model.cellEditable(r, static_cast<RentalColumn>(column))) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            if (column != static_cast<std::size_t>(RentalColumn::Nome)) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(row, static_cast<int>(column), item);
        }
    }
    m_filling = false;

    m_totals->setText(toQString(m_model.caption()));
    m_surcharge->setText(moneyText(m_model.pricing().surcharge()));
    m_discount->setText(moneyText(m_model.pricing().discount()));
    m_payment.pagouTudo->setText(toQString(core::PaymentChoice::payAllCaption(m_model.amount())));
    m_payment.suggestNoCash(m_model.suggestedPayment() == core::PaymentChoice::Option::NaoPagou);
    m_remover->setEnabled(rows > 0);
    m_brinde->setEnabled(rows > 0 && m_model.mayMarkFreebie());
    m_desconto->setEnabled(m_model.mayChangeAmount());
    m_acrescimo->setEnabled(m_model.mayChangeAmount());
}

void RentalWindow::copyIn()
{
    m_model.txtCodFita = toStdString(m_codFita->text());
    m_model.txtNome = toStdString(m_nome->text());
    m_payment.copyTo(m_model.payment);
    m_model.chkImprimir = m_imprimir->isChecked();
}

void RentalWindow::addTape()
{
    copyIn();
    const bool byCode = !m_codFita->text().trimmed().isEmpty();
    const auto outcome = m_model.add();
    if (outcome == core::RentalModel::AddOutcome::Confirm) {
        accept();
        return;
    }
    m_codFita->setText(toQString(m_model.txtCodFita));
    m_nome->setText(toQString(m_model.txtNome));
    refresh();
    if (outcome == core::RentalModel::AddOutcome::Added) {
        m_grid->setCurrentCell(static_cast<int>(m_model.rowCount()) - 1, 0);
    }
    // Ready for the next tape, or for correcting the text refused.
    QLineEdit* box = byCode || outcome == core::RentalModel::AddOutcome::Added ? m_codFita : m_nome;
    box->setFocus();
    box->selectAll();
}

void RentalWindow::addChosenTape(std::int16_t code)
{
    auto dialog = std::move(m_model.chooseReservation);
    m_model.chooseReservation = [](core::ReservationList&) {
        return core::ReservationList::Choice::Locar;
    };
    m_codFita->setText(QString::number(code));
    addTape();
    m_model.chooseReservation = std::move(dialog);
}

void RentalWindow::removeRow()
{
    const int row = m_grid->currentRow();
    if (row < 0) {
        return;
    }
    m_model.removeRow(static_cast<std::size_t>(row));
    refresh();
    m_grid->setCurrentCell(std::min(row, m_grid->rowCount() - 1), 0);
}

void RentalWindow::toggleFreebie()
{
    const int row = m_grid->currentRow();
    if (row >= 0 && m_model.toggleFreebie(static_cast<std::size_t>(row))) {
        refresh();
        m_grid->setCurrentCell(row, static_cast<int>(RentalColumn::Diaria));
    }
}

void RentalWindow::cellEdited(int row, int column)
{
    if (m_filling || row < 0) {
        return;
    }
    m_model.editCell(static_cast<std::size_t>(row), static_cast<RentalColumn>(column),
                     toStdString(m_grid->item(row, column)->text()));
    // The editor is still closing; the grid is filled again once it has.
    QTimer::singleShot(0, this, [this, row, column] {
        refresh();
        m_grid->setCurrentCell(row, column);
    });
}

void RentalWindow::accept()
{
    copyIn();
    switch (m_model.confirm()) {
    case core::RentalModel::Outcome::Saved:
        QDialog::accept();
        return;
    case core::RentalModel::Outcome::Discarded:
        reject();
        return;
    case core::RentalModel::Outcome::FocusValorPago:
        refresh();
        m_payment.valorPago->setFocus();
        return;
    case core::RentalModel::Outcome::Stay:
        break;
    }
    refresh();
    m_codFita->setFocus();
}

bool RentalWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_codFita || watched == m_nome) && isEnter(event)) {
        addTape();
        return true;
    }
    // Enter in the grid edits a cell and never confirms the rental by surprise; the Enter
    // that closes txtT comes here too, on its way up.
    if (watched == m_grid && isEnter(event)) {
        if (m_grid->hasFocus()) {
            editCurrentCell(m_grid);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool runRental(core::AppState& state, core::PersonRef person, core::Money tapesAtHome,
               QWidget* parent, std::int16_t tape)
{
    RentalWindow window(state, person, tapesAtHome, parent);
    if (tape > 0) {
        window.addChosenTape(tape);
    }
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
