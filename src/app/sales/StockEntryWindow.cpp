#include "app/sales/StockEntryWindow.h"

#include "app/counter/CounterControls.h"
#include "app/registers/ChooserWindow.h"
#include "app/shell/QtConversions.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

using core::StockColumn;

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

StockEntryWindow::StockEntryWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_model(state)
{
    setObjectName(QStringLiteral("frmEstoque"));
    setWindowTitle(QStringLiteral("Entrada de Estoque"));
    setModal(true);
    m_model.chooseProduct = listChooser(this);
    buildLayout();
    refresh();
    m_codProd->setFocus();
}

void StockEntryWindow::buildLayout()
{
    m_byBarcode = namedOption(this, "optCodBarras", QStringLiteral("Código de &Barras:"));
    m_byName = namedOption(this, "optNome", QStringLiteral("&Nome:"));
    m_byBarcode->setChecked(true);
    auto* mode = new QButtonGroup(this);
    mode->addButton(m_byBarcode);
    mode->addButton(m_byName);
    m_codProd = new QLineEdit(this);
    m_codProd->setObjectName(QStringLiteral("txtCodProd"));
    m_codProd->setMaxLength(25);
    m_codProd->setMinimumWidth(220);
    for (QRadioButton* option : {m_byBarcode, m_byName}) {
        // Choosing how to look is choosing to type: the box takes the focus.
        connect(option, &QRadioButton::clicked, this, [this] {
            m_codProd->setFocus();
            m_codProd->selectAll();
        });
    }
    m_procurar = namedButton(this, "cmdProcurar", QStringLiteral("&Procurar"));
    connect(m_procurar, &QPushButton::clicked, this, &StockEntryWindow::find);

    m_entrada = new QLineEdit(this);
    m_entrada->setObjectName(QStringLiteral("txtEntrada"));
    m_entrada->setAlignment(Qt::AlignRight);
    m_entrada->setMaxLength(6);
    m_entrada->setFixedWidth(m_entrada->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
    auto* entradaLabel = new QLabel(QStringLiteral("&Entrada:"), this);
    entradaLabel->setBuddy(m_entrada);
    // Leaving the box enters what it holds, as Enter does.
    connect(m_entrada, &QLineEdit::editingFinished, this, &StockEntryWindow::enter);
    m_adicionar = namedButton(this, "cmdAdicionar", QStringLiteral("&Adicionar"));
    connect(m_adicionar, &QPushButton::clicked, this, &StockEntryWindow::enter);

    // The mode's caption labels the box: both stand in the line before it.
    auto* look = new QGridLayout;
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_byBarcode);
    modes->addSpacing(12);
    modes->addWidget(m_byName);
    modes->addStretch(1);
    look->addLayout(modes, 0, 1);
    look->addWidget(new QLabel(QStringLiteral("Produto:"), this), 1, 0);
    look->addWidget(m_codProd, 1, 1);
    look->addWidget(m_procurar, 1, 2);
    look->addWidget(entradaLabel, 2, 0);
    auto* units = new QHBoxLayout;
    units->addWidget(m_entrada);
    units->addWidget(m_adicionar);
    units->addStretch(1);
    look->addLayout(units, 2, 1);
    look->setColumnStretch(1, 1);

    QStringList headers;
    for (const auto& column : core::kStockColumns) {
        headers << toQString(column);
    }
    m_grid = makeCounterGrid(this, headers, static_cast<int>(StockColumn::Descricao));
    m_grid->setItemDelegate(new CellEditor(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    m_grid->setMinimumSize(480, 220);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellChanged, this, &StockEntryWindow::cellEdited);
    auto* gridTitle = new QLabel(QStringLiteral("Produ&tos:"), this);
    gridTitle->setBuddy(m_grid);

    m_dados = new QLabel(this);
    m_dados->setObjectName(QStringLiteral("lblDados"));
    QFont bold = m_dados->font();
    bold.setBold(true);
    m_dados->setFont(bold);

    m_remover = namedButton(this, "cmdRemover", QStringLiteral("&Remover"));
    m_imprimir = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    m_fechar = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    connect(m_remover, &QPushButton::clicked, this, &StockEntryWindow::removeLine);
    connect(m_imprimir, &QPushButton::clicked, this, [this] { m_model.printNote(); });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton* b : {m_procurar, m_adicionar, m_remover, m_imprimir, m_fechar}) {
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_dados, 1);
    buttons->addWidget(m_remover);
    buttons->addWidget(m_imprimir);
    buttons->addWidget(m_fechar);

    m_codProd->installEventFilter(this);
    m_entrada->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(look);
    layout->addWidget(gridTitle);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {m_byBarcode, m_byName, m_codProd, m_procurar, m_entrada,
                        m_adicionar, m_grid,   m_remover, m_imprimir, m_fechar};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    resize(620, 460);
}

void StockEntryWindow::refresh()
{
    m_filling = true;
    const auto& lines = m_model.lines();
    m_grid->setRowCount(static_cast<int>(lines.size()));
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const auto texts = m_model.rowTexts(row);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(toQString(texts[column]));
            Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (column == static_cast<std::size_t>(StockColumn::Estoque)) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            if (column == static_cast<std::size_t>(StockColumn::Numero) ||
                column == static_cast<std::size_t>(StockColumn::Estoque)) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    m_filling = false;
    m_dados->setText(toQString(m_model.lblDados()));
    const bool any = !lines.empty();
    m_adicionar->setEnabled(any);
    m_remover->setEnabled(any);
    m_imprimir->setEnabled(any);
}

void StockEntryWindow::copyIn()
{
    m_model.optCodBarras = m_byBarcode->isChecked();
    m_model.txtCodProd = toStdString(m_codProd->text());
    m_model.txtEntrada = toStdString(m_entrada->text());
}

void StockEntryWindow::find()
{
    copyIn();
    if (!m_model.find()) {
        m_codProd->setFocus();
        m_codProd->selectAll();
        return;
    }
    m_codProd->setText(toQString(m_model.txtCodProd));
    refresh();
    m_grid->setCurrentCell(m_grid->rowCount() - 1, static_cast<int>(StockColumn::Estoque));
    m_entrada->setFocus();
}

void StockEntryWindow::enter()
{
    const int row = m_grid->currentRow();
    // A message box taking the focus is no second leaving of the box.
    if (m_entering || row < 0 || m_entrada->text().trimmed().isEmpty()) {
        return;
    }
    m_entering = true;
    copyIn();
    const auto outcome = m_model.enter(static_cast<std::size_t>(row));
    m_entering = false;
    m_entrada->setText(toQString(m_model.txtEntrada));
    refresh();
    m_grid->setCurrentCell(row, static_cast<int>(StockColumn::Estoque));
    if (outcome == core::StockEntryModel::EntryOutcome::Refused) {
        m_entrada->setFocus();
        m_entrada->selectAll();
        return;
    }
    m_codProd->setFocus();
    m_codProd->selectAll();
}

void StockEntryWindow::removeLine()
{
    const int row = m_grid->currentRow();
    if (row < 0 || !m_model.remove(static_cast<std::size_t>(row))) {
        return;
    }
    refresh();
    m_grid->setCurrentCell(std::min(row, m_grid->rowCount() - 1), 0);
}

void StockEntryWindow::cellEdited(int row, int column)
{
    if (m_filling || row < 0 || column != static_cast<int>(StockColumn::Estoque)) {
        return;
    }
    const std::string text = toStdString(m_grid->item(row, column)->text());
    // The editor is still closing: a refusal is told, and the grid filled again, once it has.
    QTimer::singleShot(0, this, [this, row, column, text] {
        m_model.editStock(static_cast<std::size_t>(row), text);
        refresh();
        m_grid->setCurrentCell(row, column);
        m_grid->setFocus();
    });
}

bool StockEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_codProd && isEnter(event)) {
        find();
        return true;
    }
    if (watched == m_entrada && isEnter(event)) {
        enter();
        return true;
    }
    if (watched == m_grid && isEnter(event)) {
        if (m_grid->hasFocus() && m_grid->currentItem() &&
            (m_grid->currentItem()->flags() & Qt::ItemIsEditable)) {
            m_grid->editItem(m_grid->currentItem());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void openStockEntry(core::AppState& state, QWidget* parent)
{
    StockEntryWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
