#include "app/books/BookMenu.h"

#include "app/books/CashGraphWindow.h"
#include "app/books/DailySummaryWindow.h"
#include "app/books/SalesBookWindow.h"
#include "app/books/TapeBookWindow.h"

namespace tavolim::app {

std::vector<std::pair<QString, std::function<void()>>> bookMenuHandlers(core::AppState& state,
                                                                        QWidget* parent)
{
    return {
        {QStringLiteral("mnuHistResumoDia"), [&state, parent] { showDailySummary(state, parent); }},
        {QStringLiteral("mnuHistLocDev"), [&state, parent] { openTapeBook(state, parent); }},
        {QStringLiteral("mnuHistLivroCaixa"), [&state, parent] { openSalesBook(state, parent); }},
        {QStringLiteral("mnuHistGrafCaixa"), [&state, parent] { openCashGraph(state, parent); }},
    };
}

} // namespace tavolim::app
