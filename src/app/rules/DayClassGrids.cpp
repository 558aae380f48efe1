#include "app/rules/DayClassGrids.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace tavolim::app {
namespace {

// The in-place editor carries the program's name, so it can be found and typed into.
class NamedEditor final : public QStyledItemDelegate {
public:
    NamedEditor(const QString& name, QObject* parent) : QStyledItemDelegate(parent), m_name(name) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->setObjectName(m_name);
        return editor;
    }

private:
    QString m_name;
};

const char* const kCaptions[] = {"Dom-Qui", "Sexta-feira", "Sábado"};

} // namespace

DayClassGrids::DayClassGrids(const QString& name, const QString& valueHeader,
                             const QString& editorName, bool countColumn, QWidget* parent)
    : QWidget(parent), m_valueColumn(countColumn ? 1 : 0)
{
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int c = 1; c <= 3; ++c) {
        auto* table = new QTableWidget(15, countColumn ? 2 : 1, this);
        table->setObjectName(name + QString::number(c));
        table->setItemDelegate(new NamedEditor(editorName, table));
        QStringList headers;
        if (countColumn) {
            headers << QStringLiteral("Fitas");
        }
        headers << valueHeader;
        table->setHorizontalHeaderLabels(headers);
        table->horizontalHeader()->setSectionResizeMode(m_valueColumn, QHeaderView::Stretch);
        if (countColumn) {
            table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
            table->verticalHeader()->hide();
        }
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
        table->setTabKeyNavigation(false);
        for (int row = 0; row < 15; ++row) {
            if (countColumn) {
                auto* count = new QTableWidgetItem(QString::number(row + 1));
                count->setFlags(Qt::ItemIsEnabled);
                count->setTextAlignment(Qt::AlignCenter);
                table->setItem(row, 0, count);
            }
            table->setItem(row, m_valueColumn, new QTableWidgetItem);
        }
        connect(table, &QTableWidget::cellChanged, this, [this, c](int row, int column) {
            if (m_filling || column != m_valueColumn || !m_edited) {
                return;
            }
            m_edited(c, row + 1, grid(c)->item(row, column)->text());
        });
        auto* caption = new QLabel(QString::fromUtf8(kCaptions[c - 1]), this);
        caption->setAlignment(Qt::AlignCenter);
        layout->addWidget(caption, 0, c - 1);
        layout->addWidget(table, 1, c - 1);
        m_grids[static_cast<std::size_t>(c - 1)] = table;
    }
}

void DayClassGrids::fill(const std::function<QString(int, int)>& text,
                         const std::function<bool(int, int)>& differs)
{
    m_filling = true;
    for (int c = 1; c <= 3; ++c) {
        for (int row = 0; row < 15; ++row) {
            QTableWidgetItem* item = grid(c)->item(row, m_valueColumn);
            item->setText(text(c, row + 1));
            item->setTextAlignment(m_valueColumn == 0 ? Qt::AlignRight | Qt::AlignVCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
            const bool mixed = differs && differs(c, row + 1);
            item->setBackground(mixed ? palette().alternateBase() : QBrush());
            // A message longer than its column is read whole in the tip.
            item->setToolTip(mixed ? QStringLiteral("Os selos selecionados têm valores diferentes "
                                                    "aqui; o primeiro é o mostrado.")
                                   : item->text());
        }
    }
    m_filling = false;
}

void DayClassGrids::setEditable(bool editable)
{
    for (QTableWidget* g : m_grids) {
        g->setEditTriggers(editable ? QAbstractItemView::DoubleClicked |
                                          QAbstractItemView::EditKeyPressed |
                                          QAbstractItemView::AnyKeyPressed
                                    : QAbstractItemView::NoEditTriggers);
        g->setEnabled(editable);
    }
}

} // namespace tavolim::app
