#pragma once

#include "core/reports/RecordLists.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// Opens the register of each kind of record on a code, from a list row. A kind left unset
// opens nothing from its rows.
struct RegisterOpeners {
    std::function<void(QWidget*, std::int32_t)> client;
    std::function<void(QWidget*, std::int32_t)> dependent;
    std::function<void(QWidget*, std::int32_t)> tape;
    std::function<void(QWidget*, std::int32_t)> product;
    std::function<void(QWidget*, std::int32_t)> distributor;

    const std::function<void(QWidget*, std::int32_t)>& forRow(core::ReportKind kind,
                                                              const core::ListRow& row) const;
};

// The registers the program has.
RegisterOpeners registerOpeners(core::AppState& state);

// A Relatórios menu item: asks what the list needs, selects and shows the list window
// (frmLista); nothing opens when the list is empty.
void openList(core::AppState& state, core::ListKind kind, QWidget* parent);

// The sheet of one record to the text editor, as the registers' "Atual" print items do; a
// record deleted or not on file is told.
void printSheet(core::AppState& state, core::ReportKind kind, const core::ListRow& row);

// frmDadosRelat on the kind, modally.
void openSheetReport(core::AppState& state, core::ReportKind kind, QWidget* parent);

} // namespace tavolim::app
