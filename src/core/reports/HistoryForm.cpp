#include "core/reports/HistoryForm.h"

#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/reports/BookReports.h"
#include "core/state/AppState.h"

namespace tavolim::core {
namespace {

template <class Cells>
std::vector<std::string> asVector(const Cells& cells)
{
    return {cells.begin(), cells.end()};
}

} // namespace

std::optional<HistoryForm> HistoryForm::open(AppState& state, PersonRef person, HistoryKind kind)
{
    auto history = personHistory(state.records(), person, kind);
    if (!history || history->empty()) {
        state.ports().dialogs.message(kind == HistoryKind::Rentals
                                          ? "O histórico de fitas locadas está vazio."
                                          : "O histórico de vendas do cliente está vazio.",
                                      msg::Information);
        return std::nullopt;
    }
    if (!history->warnings.empty()) {
        std::string text;
        for (const std::string& w : history->warnings) {
            text += (text.empty() ? "" : "\n") + w;
        }
        state.ports().dialogs.message(text, msg::Exclamation);
    }
    return HistoryForm(state, std::move(*history));
}

HistoryForm::HistoryForm(AppState& state, PersonHistoryView history)
    : m_state(&state), m_history(std::move(history))
{
}

std::string HistoryForm::title() const
{
    return m_history.kind == HistoryKind::Rentals ? "Histórico de Locações de Cliente"
                                                  : "Histórico de Vendas a Cliente";
}

std::vector<std::string> HistoryForm::headings() const
{
    return m_history.kind == HistoryKind::Rentals ? asVector(rentalHistoryHeadings())
                                                  : asVector(purchaseHistoryHeadings());
}

std::vector<std::string> HistoryForm::cells(int row) const
{
    const auto i = static_cast<std::size_t>(row);
    return m_history.kind == HistoryKind::Rentals
               ? asVector(rentalHistoryCells(m_history.rentals.at(i), row + 1))
               : asVector(purchaseHistoryCells(m_history.purchases.at(i), row + 1));
}

BookReport HistoryForm::report() const
{
    return historyReport(m_history, ReceiptBuilder(*m_state).width());
}

bool HistoryForm::print() const
{
    return printReport(*m_state, report(),
                       m_history.kind == HistoryKind::Rentals ? kRemovePrintout
                                                              : kRemovePurchasesPrintout);
}

} // namespace tavolim::core
