#include "app/registers/PersonRegister.h"

#include "app/registers/ClientWindow.h"
#include "app/registers/DependentWindow.h"
#include "core/shell/AppState.h"

#include <algorithm>

namespace tavolim::app {

void openPersonRegister(core::AppState& state, core::PersonRef person, QWidget* parent)
{
    auto& records = state.records();
    if (person.titular) {
        ClientWindow window(state, parent);
        window.showClient(person.code);
        window.exec();
        return;
    }
    records.readRecord(core::FileKind::Dependents, person.code, true);
    const std::int16_t holder = records.dependent().Titular;
    records.readRecord(core::FileKind::Clients, holder, true);
    const auto& dep = records.client().Dep;
    const auto end = dep.begin() + records.client().depCount();
    const auto at = std::find(dep.begin(), end, person.code);
    // A dependent its holder no longer lists has no place in the holder's window.
    if (holder < 1 || at == end) {
        return;
    }
    DependentWindow window(state, holder, static_cast<int>(at - dep.begin()) + 1, parent);
    window.exec();
}

} // namespace tavolim::app
