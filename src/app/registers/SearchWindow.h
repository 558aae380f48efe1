#pragma once

#include "core/registers/RecordSearch.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The search box (frmProcura): a code box and a name box, the code box first with
// "CodPrimProc". The model decides and talks to the operator; the window closes once a
// record is found, which is then the current record of its kind.
class SearchWindow final : public QDialog {
    Q_OBJECT

public:
    SearchWindow(core::AppState& state, core::SearchMode mode, QWidget* parent = nullptr);

    const std::optional<core::SearchHit>& found() const { return m_found; }

private:
    void search();

    core::RecordSearch m_model;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_name = nullptr;
    std::optional<core::SearchHit> m_found;
};

// Opens frmProcura modally in the mode and gives the record found, or nullopt when the
// operator gave up. Clients/Operations: a holder (kind Clients) or a dependent (Dependents);
// ReturnTape: a tape that is out.
std::optional<core::SearchHit> searchRecord(core::AppState& state, QWidget* parent,
                                            core::SearchMode mode);

} // namespace tavolim::app
