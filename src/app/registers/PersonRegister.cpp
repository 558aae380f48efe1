#include "app/registers/PersonRegister.h"

#include "app/counter/CounterOpeners.h"
#include "app/counter/SituationWindow.h"
#include "app/registers/ClientWindow.h"
#include "app/registers/DependentWindow.h"
#include "core/registers/FamilyRules.h"
#include "core/registers/RegisterModel.h"
#include "core/state/AppState.h"

#include <QPushButton>

namespace tavolim::app {

void openPersonRegister(core::AppState& state, core::PersonRef person, QWidget* parent)
{
    if (person.titular) {
        ClientWindow window(state, parent);
        window.showClient(person.code);
        window.exec();
        return;
    }
    // A dependent its holder no longer lists has no place in the holder's window.
    const auto place = core::dependentPlace(state.records(), person.code);
    if (!place.position) {
        return;
    }
    DependentWindow window(state, place.holder, *place.position, parent);
    window.exec();
}

void connectSituationButton(QPushButton* button, core::AppState& state, core::RegisterModel& model,
                            bool titular, const RegisterButtons::Step& step)
{
    QObject::connect(
        button, &QPushButton::clicked, button, [button, &state, &model, titular, step] {
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
