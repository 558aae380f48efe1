#include "app/registers/PersonRegister.h"

#include "app/counter/CounterOpeners.h"
#include "app/counter/SituationWindow.h"
#include "app/registers/ClientWindow.h"
#include "app/registers/DependentWindow.h"
#include "core/registers/RegisterModel.h"
#include "core/shell/AppState.h"

#include <QPushButton>

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

void connectSituationButton(QPushButton* button, core::AppState& state,
                            core::RegisterModel& model, bool titular,
                            const RegisterButtons::Step& step)
{
    QObject::connect(button, &QPushButton::clicked, button, [button, &state, &model, titular,
                                                             step] {
        step([&] {
            if (model.showsDeleted() || model.code() <= 0 || !model.save()) {
                return;
            }
            openSituation(state, {static_cast<std::int16_t>(model.code()), titular},
                          button->window(), counterWindows());
            model.showPosition(model.position());
        });
    });
}

} // namespace tavolim::app
