#include "app/books/BookGrid.h"

#include "app/shell/QtConversions.h"

#include <QHeaderView>
#include <QTableView>

namespace tavolim::app {

BookTableModel::BookTableModel(QStringList headings, QSet<int> rightAligned, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)), m_right(std::move(rightAligned))
{
}

void BookTableModel::setRows(int count, RowCells cells)
{
    beginResetModel();
    m_count = count;
    m_cells = std::move(cells);
    m_cachedRow = -1;
    endResetModel();
}

int BookTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int BookTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant BookTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(
            Qt::AlignVCenter | (m_right.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (index.row() != m_cachedRow) {
        m_cached.clear();
        for (const std::string& cell : m_cells(index.row())) {
            m_cached.append(toQString(cell));
        }
        m_cachedRow = index.row();
    }
    return m_cached.value(index.column());
}

QVariant BookTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return m_headings.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QTableView* makeBookGrid(QWidget* parent, const char* name, BookTableModel* model, int stretch)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    // Sizing to contents looks at a sample of rows, not at a whole year of them.
    grid->horizontalHeader()->setResizeContentsPrecision(200);
    grid->horizontalHeader()->setSectionResizeMode(stretch, QHeaderView::Stretch);
    return grid;
}

void fitBookGrid(QTableView* grid)
{
    grid->resizeColumnsToContents();
}

} // namespace tavolim::app
