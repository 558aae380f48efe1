#pragma once

#include "core/reports/BookReports.h"
#include "core/reports/PersonHistoryView.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

// frmHist: one person's rentals or purchases, oldest first, and their printout.
class HistoryForm {
public:
    // cmdHistFita / cmdHistProd of the client situation. An empty history is told to the
    // operator ("O histórico de fitas locadas está vazio.", "O histórico de vendas do cliente
    // está vazio.") and opens nothing; a damaged one opens with a warning.
    static std::optional<HistoryForm> open(AppState& state, PersonRef person, HistoryKind kind);

    // "Histórico de Locações de Cliente" or "Histórico de Vendas a Cliente".
    std::string title() const;
    const PersonHistoryView& history() const { return m_history; }
    std::vector<std::string> headings() const;
    int rowCount() const { return m_history.lineCount(); }
    std::vector<std::string> cells(int row) const;

    // The printout for any output (editor, file, PDF).
    BookReport report() const;
    // cmdImprimir to the printer, the way receipts go.
    bool print() const;
    AppState& state() const { return *m_state; }

private:
    HistoryForm(AppState& state, PersonHistoryView history);

    AppState* m_state;
    PersonHistoryView m_history;
};

} // namespace tavolim::core
