#pragma once

#include "core/reports/BookForms.h"

#include <QDialog>

class QPushButton;
class QRadioButton;
class QTabBar;
class QTableView;

namespace tavolim::app {

class BookTableModel;
class PeriodControls;

// frmLivroFitas: the tape book by day of rental (TabStrip1's first tab) or of return, over
// the period chosen in List2, in FlexDados; printing and the deletion of old months.
class TapeBookWindow final : public QDialog {
    Q_OBJECT

public:
    explicit TapeBookWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::TapeBookForm& form() const { return m_form; }

private:
    void showLines();
    void deleteMonths();

    core::AppState& m_state;
    core::TapeBookForm m_form;
    QTabBar* m_tabs = nullptr;
    PeriodControls* m_periods = nullptr;
    QRadioButton* m_byRental = nullptr;
    QRadioButton* m_byReturn = nullptr;
    BookTableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_print = nullptr;
};

// mnuHistLocDev: refused with its message when the tape book is empty.
void openTapeBook(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
