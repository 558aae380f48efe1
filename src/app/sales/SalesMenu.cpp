#include "app/sales/SalesMenu.h"

#include "app/sales/SaleWindow.h"
#include "app/sales/StockEntryWindow.h"

namespace tavolim::app {

std::vector<std::pair<QString, std::function<void()>>> salesMenuHandlers(core::AppState& state,
                                                                         QWidget* parent)
{
    return {
        {QStringLiteral("mnuOpVendas"), [&state, parent] { openWalkInSale(state, parent); }},
        {QStringLiteral("mnuOpEntradaEstq"), [&state, parent] { openStockEntry(state, parent); }},
    };
}

} // namespace tavolim::app
