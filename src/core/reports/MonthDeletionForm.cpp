#include "core/reports/MonthDeletionForm.h"

#include "core/books/MonthDeletion.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/reports/WriteFailure.h"
#include "core/state/AppState.h"

#include <cerrno>
#include <cstdio>

namespace tavolim::core {

MonthDeletionForm::MonthDeletionForm(AppState& state, MonthBook book) : m_state(state), m_book(book)
{
    m_months = book == MonthBook::Tapes ? tapeBookMonths(state.dataFolder(), state.DataDia)
                                        : salesBookMonths(state.dataFolder(), state.DataDia);
    for (const auto m : m_months) {
        char text[16];
        std::snprintf(text, sizeof text, "%02u/%04d", static_cast<unsigned>(m.month()),
                      static_cast<int>(m.year()));
        m_texts.emplace_back(text);
    }
}

bool MonthDeletionForm::selectable(int index) const
{
    // The last month listed is the current one.
    return index >= 0 && index + 1 < static_cast<int>(m_months.size());
}

bool MonthDeletionForm::isSelected(int index) const
{
    return index >= 0 && index < m_selected;
}

void MonthDeletionForm::click(int index)
{
    if (selectable(index)) {
        m_selected = index + 1;
    }
}

bool MonthDeletionForm::excluir()
{
    if (m_selected < 1) {
        return false;
    }
    // Cutting the books writes them: the day must be the calendar's first.
    checkDateChange(m_state);
    const auto last = m_months[static_cast<std::size_t>(m_selected - 1)];
    std::filesystem::path failed;
    errno = 0;
    const bool done =
        m_book == MonthBook::Tapes
            ? deleteOldestTapeMonths(m_state.dataFolder(), last, m_state.DataDia, &failed)
            : deleteOldestSalesMonths(m_state.dataFolder(), last, m_state.DataDia, &failed);
    const int error = errno;
    if (!done && !failed.empty()) {
        m_state.ports().dialogs.message(writeFailureText(failed, error), msg::Critical, "Erro");
    }
    return done;
}

} // namespace tavolim::core
