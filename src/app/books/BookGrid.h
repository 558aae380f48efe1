#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QTableView;

namespace tavolim::app {

// The rows of a book grid, made from the window's core model only when the view shows
// them, so that a year's listing is not copied into the view up front.
class BookTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using RowCells = std::function<std::vector<std::string>(int row)>;

    // Headings may hold a line break ("Preço\nUnitário"); `rightAligned` lists the columns
    // of numbers and money.
    BookTableModel(QStringList headings, QSet<int> rightAligned, QObject* parent = nullptr);

    void setRows(int count, RowCells cells);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headings;
    QSet<int> m_right;
    int m_count = 0;
    RowCells m_cells;
    // The view asks for a row one cell at a time: keep the last row made.
    mutable int m_cachedRow = -1;
    mutable QStringList m_cached;
};

// A read-only grid of whole rows named `name`, over `model`; column `stretch` takes the
// width the others leave.
QTableView* makeBookGrid(QWidget* parent, const char* name, BookTableModel* model, int stretch);
// Columns sized to the headings and the first rows, after new rows came in.
void fitBookGrid(QTableView* grid);

} // namespace tavolim::app
