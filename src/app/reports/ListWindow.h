#pragma once

#include "app/reports/ReportActions.h"
#include "app/reports/ReportDelivery.h"
#include "core/reports/RecordLists.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmLista: the rows of a list in a grid (FlexGrid1), tagged with the kind of its records
// (the "Tag" property: "Cliente", "Fita", "Prod" or "Dist"). Enter or a double click opens the
// register on the row; the print button sends the rows shown, in the order shown, as a
// listing; the export button writes them as CSV.
class ListWindow final : public QDialog {
    Q_OBJECT

public:
    ListWindow(core::AppState& state, core::RecordList list, RegisterOpeners openers,
               QWidget* parent = nullptr);

    const core::RecordList& list() const { return m_list; }
    // The rows in the order the grid shows them (it sorts by a click on a column title).
    std::vector<core::ListRow> shownRows() const;
    // The printed listing of the rows shown.
    std::string listingText() const;
    bool printListing(ReportChoice choice);
    bool exportCsv(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openRow(int row);

    core::AppState& m_state;
    core::RecordList m_list;
    RegisterOpeners m_openers;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_open = nullptr;
};

} // namespace tavolim::app
