#include "core/reports/SheetReportForm.h"

#include "core/ports/Dialogs.h"
#include "core/reports/RecordSheets.h"
#include "core/reports/ReportLines.h"
#include "core/state/AppState.h"

namespace tavolim::core {
namespace {

ListKind everyRecord(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Client:
        return ListKind::People;
    case ReportKind::Tape:
        return ListKind::Tapes;
    case ReportKind::Product:
        return ListKind::Products;
    case ReportKind::Distributor:
        return ListKind::Distributors;
    }
    return ListKind::People;
}

std::string entryLine(ReportKind kind, const ListRow& row)
{
    const bool sixDigits = kind == ReportKind::Tape || kind == ReportKind::Product;
    std::string line = zeroPadded(row.code, sixDigits ? 6 : 5) + "  " + row.name;
    if (kind == ReportKind::Client) {
        line += row.kind == 'D' ? "  (dependente)" : "  (titular)";
    }
    return line;
}

} // namespace

SheetReportForm::SheetReportForm(AppState& state, ReportKind kind) : m_state(state), m_kind(kind)
{
    setKind(kind);
}

void SheetReportForm::setKind(ReportKind kind)
{
    m_kind = kind;
    lstDados.clear();
    for (ListRow& row : selectList(m_state.records(), everyRecord(kind)).rows) {
        std::string line = entryLine(kind, row);
        lstDados.push_back({std::move(row), std::move(line), false});
    }
}

std::optional<std::string> SheetReportForm::cmdExibir()
{
    std::vector<ListRow> rows;
    for (const Entry& entry : lstDados) {
        if (optTodos || entry.ticked) {
            rows.push_back(entry.row);
        }
    }
    if (rows.empty()) {
        m_state.ports().dialogs.message(
            std::string(optTodos ? listInfo(everyRecord(m_kind)).emptyMessage : kNothingTicked),
            msg::Information);
        return std::nullopt;
    }
    return sheetsText(m_state.records(), m_state.memos(), m_kind, rows);
}

} // namespace tavolim::core
