#include "app/sales/SalePanel.h"

#include "app/counter/CounterControls.h"
#include "app/registers/ChooserWindow.h"
#include "app/shell/QtConversions.h"

#include <QHBoxLayout>
#include <QHeaderView>
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

using core::SaleColumn;

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

SalePanel::SalePanel(core::SaleGrid& grid, QWidget* parent)
    : QWidget(parent), m_model(grid), m_chooser(listChooser(parent))
{
    m_codProd = new QLineEdit(this);
    m_codProd->setObjectName(QStringLiteral("txtCodProd"));
    m_codProd->setMaxLength(13);
    m_codProd->setFixedWidth(m_codProd->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 15);
    m_nome = new QLineEdit(this);
    m_nome->setObjectName(QStringLiteral("txtNome"));
    m_nome->setMaxLength(25);
    m_nome->setMinimumWidth(220);
    auto* codLabel = new QLabel(QStringLiteral("&Código:"), this);
    codLabel->setBuddy(m_codProd);
    auto* nomeLabel = new QLabel(QStringLiteral("N&ome:"), this);
    nomeLabel->setBuddy(m_nome);
    m_adicionar = namedButton(this, "cmdAdicionar", QStringLiteral("&Adicionar"));
    m_remover = namedButton(this, "cmdRemover", QStringLiteral("&Remover"));
    m_codProd->installEventFilter(this);
    m_nome->installEventFilter(this);
    connect(m_adicionar, &QPushButton::clicked, this, &SalePanel::addProduct);
    connect(m_remover, &QPushButton::clicked, this, &SalePanel::removeLine);
    auto* entry = new QHBoxLayout;
    entry->addWidget(codLabel);
    entry->addWidget(m_codProd);
    entry->addSpacing(8);
    entry->addWidget(nomeLabel);
    entry->addWidget(m_nome, 1);
    entry->addWidget(m_adicionar);
    entry->addWidget(m_remover);

    QStringList headers;
    for (const auto& column : core::kSaleColumns) {
        headers << toQString(column);
    }
    m_grid = makeCounterGrid(this, headers, static_cast<int>(SaleColumn::Nome));
    m_grid->setItemDelegate(new CellEditor(m_grid));
    // Cell by cell: the current cell is the one Enter or F2 edits.
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    m_grid->setMinimumSize(560, 200);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { editCurrentCell(m_grid); });
    connect(m_grid, &QTableWidget::cellChanged, this, &SalePanel::cellEdited);
    auto* gridTitle = new QLabel(QStringLiteral("It&ens:"), this);
    gridTitle->setBuddy(m_grid);

    m_acrescimo = namedButton(this, "cmdAcrescimo", QStringLiteral("Acrésci&mo"));
    m_desconto = namedButton(this, "cmdDesconto", QStringLiteral("&Desconto"));
    if (m_model.kind() == core::SaleKind::Client) {
        m_brinde = namedButton(this, "cmdBrinde", QStringLiteral("&Brinde"));
        connect(m_brinde, &QPushButton::clicked, this, &SalePanel::toggleFreebie);
    }
    connect(m_acrescimo, &QPushButton::clicked, this, [this] {
        m_model.askSurcharge();
        refresh();
    });
    connect(m_desconto, &QPushButton::clicked, this, [this] {
        m_model.askDiscount();
        refresh();
    });
    m_surcharge = amountLabel(this, "lblAcrescimo");
    m_discount = amountLabel(this, "lblDesconto");
    auto* side = new QVBoxLayout;
    if (m_brinde) {
        side->addWidget(m_brinde);
        side->addSpacing(12);
    }
    side->addWidget(m_acrescimo);
    side->addWidget(m_surcharge);
    side->addWidget(m_desconto);
    side->addWidget(m_discount);
    side->addStretch(1);
    for (QPushButton* b : {m_adicionar, m_remover, m_brinde, m_acrescimo, m_desconto}) {
        if (b) {
            // Enter belongs to the boxes and the grid, never to a button that had the focus.
            b->setAutoDefault(false);
        }
    }
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_grid, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(entry);
    layout->addWidget(gridTitle);
    layout->addLayout(middle, 1);

    QWidget* order[] = {m_codProd, m_nome,   m_adicionar, m_remover,
                        m_grid,    m_brinde, m_acrescimo, m_desconto};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (w && previous) {
            setTabOrder(previous, w);
        }
        previous = w ? w : previous;
    }
}

QWidget* SalePanel::firstInChain() const
{
    return m_codProd;
}

QWidget* SalePanel::lastInChain() const
{
    return m_desconto;
}

void SalePanel::refresh()
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
            if (m_model.cellEditable(r, static_cast<SaleColumn>(column))) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            const bool text = column == static_cast<std::size_t>(SaleColumn::Nome) ||
                              column == static_cast<std::size_t>(SaleColumn::Codigo);
            if (!text) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(row, static_cast<int>(column), item);
        }
    }
    m_filling = false;

    m_surcharge->setText(moneyText(m_model.surcharge()));
    m_discount->setText(moneyText(m_model.discount()));
    m_remover->setEnabled(rows > 0);
    if (m_brinde) {
        m_brinde->setEnabled(rows > 0 && m_model.mayMarkFreebie());
    }
    m_acrescimo->setEnabled(m_model.mayChangeAmount());
    m_desconto->setEnabled(m_model.mayChangeAmount());
    emit changed();
}

void SalePanel::copyIn()
{
    m_model.txtCodProd = toStdString(m_codProd->text());
    m_model.txtNome = toStdString(m_nome->text());
}

void SalePanel::addProduct()
{
    copyIn();
    const bool byCode = !m_codProd->text().trimmed().isEmpty();
    const auto outcome = m_model.add(m_chooser);
    if (outcome == core::SaleGrid::AddOutcome::Empty) {
        emit entryDone();
        return;
    }
    m_codProd->setText(toQString(m_model.txtCodProd));
    m_nome->setText(toQString(m_model.txtNome));
    refresh();
    if (outcome == core::SaleGrid::AddOutcome::Added) {
        m_grid->setCurrentCell(static_cast<int>(m_model.lastLine()),
                               static_cast<int>(SaleColumn::Qtde));
    }
    // Ready for the next product, or for correcting the text refused.
    QLineEdit* box = byCode || outcome == core::SaleGrid::AddOutcome::Added ? m_codProd : m_nome;
    box->setFocus();
    box->selectAll();
}

void SalePanel::removeLine()
{
    const int row = m_grid->currentRow();
    if (row < 0) {
        return;
    }
    m_model.removeLine(static_cast<std::size_t>(row));
    refresh();
    m_grid->setCurrentCell(std::min(row, m_grid->rowCount() - 1), 0);
}

void SalePanel::toggleFreebie()
{
    const int row = m_grid->currentRow();
    if (row >= 0 && m_model.toggleFreebie(static_cast<std::size_t>(row))) {
        refresh();
        m_grid->setCurrentCell(row, static_cast<int>(SaleColumn::Preco));
    }
}

void SalePanel::cellEdited(int row, int column)
{
    if (m_filling || row < 0) {
        return;
    }
    const std::string text = toStdString(m_grid->item(row, column)->text());
    // The editor is still closing: a refusal is told, and the grid filled again, once it has.
    QTimer::singleShot(0, this, [this, row, column, text] {
        m_model.editCell(static_cast<std::size_t>(row), static_cast<SaleColumn>(column), text);
        refresh();
        m_grid->setCurrentCell(row, column);
        m_grid->setFocus();
    });
}

bool SalePanel::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_codProd || watched == m_nome) && isEnter(event)) {
        addProduct();
        return true;
    }
    // Enter in the grid edits a cell and never confirms the sale by surprise; the Enter that
    // closes txtT comes here too, on its way up.
    if (watched == m_grid && isEnter(event)) {
        if (m_grid->hasFocus()) {
            editCurrentCell(m_grid);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavolim::app
