#include "app/reports/ReportActions.h"

#include "app/registers/ChooserWindow.h"
#include "app/registers/ClientWindow.h"
#include "app/registers/DependentWindow.h"
#include "app/registers/DistributorWindow.h"
#include "app/registers/ProductWindow.h"
#include "app/registers/TapeWindow.h"
#include "app/reports/ListWindow.h"
#include "app/reports/SheetReportWindow.h"
#include "core/ports/Dialogs.h"
#include "core/registers/FamilyRules.h"
#include "core/reports/ListPrompts.h"
#include "core/reports/RecordSheets.h"
#include "core/reports/ReportOutput.h"
#include "core/state/AppState.h"

namespace tavolim::app {

const std::function<void(QWidget*, std::int32_t)>& RegisterOpeners::forRow(
    core::ReportKind kind, const core::ListRow& row) const
{
    switch (kind) {
    case core::ReportKind::Client:
        return row.kind == 'D' ? dependent : client;
    case core::ReportKind::Tape:
        return tape;
    case core::ReportKind::Product:
        return product;
    case core::ReportKind::Distributor:
        return distributor;
    }
    return client;
}

RegisterOpeners registerOpeners(core::AppState& state)
{
    RegisterOpeners openers;
    openers.client = [&state](QWidget* parent, std::int32_t code) {
        ClientWindow window(state, parent);
        window.showClient(code);
        window.exec();
    };
    openers.dependent = [&state](QWidget* parent, std::int32_t code) {
        // A dependent window works inside its holder's list.
        const auto place = core::dependentPlace(state.records(), static_cast<std::int16_t>(code));
        if (!place.position) {
            state.ports().dialogs.message("O dependente não consta da lista do seu titular.",
                                          core::msg::Exclamation);
            return;
        }
        DependentWindow window(state, place.holder, *place.position, parent);
        window.exec();
    };
    openers.tape = [&state](QWidget* parent, std::int32_t code) {
        TapeWindow window(state, parent);
        window.showTape(code);
        window.exec();
    };
    openers.product = [&state](QWidget* parent, std::int32_t code) {
        ProductWindow window(state, parent);
        window.showProduct(code);
        window.exec();
    };
    openers.distributor = [&state](QWidget* parent, std::int32_t code) {
        DistributorWindow window(state, code, parent);
        window.exec();
    };
    return openers;
}

void openList(core::AppState& state, core::ListKind kind, QWidget* parent)
{
    auto list = core::runList(state, kind, listChooser(parent));
    if (!list) {
        return;
    }
    auto* window = new ListWindow(state, std::move(*list), registerOpeners(state), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void printSheet(core::AppState& state, core::ReportKind kind, const core::ListRow& row)
{
    const auto sheet = core::rowSheet(state.records(), state.memos(), kind, row);
    if (!sheet) {
        state.ports().dialogs.message(std::string(core::kNoSheet), core::msg::Information);
        return;
    }
    core::reportToEditor(state, *sheet);
}

void openSheetReport(core::AppState& state, core::ReportKind kind, QWidget* parent)
{
    SheetReportWindow window(state, kind, parent);
    window.exec();
}

} // namespace tavolim::app
