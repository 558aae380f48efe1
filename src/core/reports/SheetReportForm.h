#pragma once

#include "core/reports/RecordLists.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

inline constexpr std::string_view kNothingTicked = "Marque na lista os registros a imprimir.";

// The model of frmDadosRelat: the sheets of one kind of records, of all of them (optTodos)
// or of those ticked in lstDados (optSelecionados), built by cmdExibir.
class SheetReportForm {
public:
    struct Entry {
        ListRow row;
        std::string line; // as the list shows it: code, name and, for people, the kind
        bool ticked = false;
    };

    SheetReportForm(AppState& state, ReportKind kind);

    ReportKind kind() const { return m_kind; }
    // Another kind: lstDados is filled anew, nothing ticked.
    void setKind(ReportKind kind);

    // Every live record of the kind in record order; for clients the holders, then the
    // dependents.
    std::vector<Entry> lstDados;
    bool optTodos = true;

    // The sheets of all records, or of the ticked ones in list order. Nothing ticked under
    // optSelecionados is told and gives nullopt.
    std::optional<std::string> cmdExibir();

private:
    AppState& m_state;
    ReportKind m_kind;
};

} // namespace tavolim::core
