#include "core/counter/ConfirmOperation.h"

#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

Confirmation confirmOperation(AppState& state)
{
    checkDateChange(state);
    if (refuseCounterWork(state)) {
        return Confirmation::Stay;
    }
    if (!state.options().ConfirmOp) {
        return Confirmation::Go;
    }
    switch (
        state.ports().dialogs.message("Confirma a Operação ?", msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes:
        return Confirmation::Go;
    case msg::Answer::No:
        return Confirmation::Discard;
    default:
        return Confirmation::Stay;
    }
}

bool refuseNegativePayment(AppState& state, std::string_view typed)
{
    if (!parseMoney(typed).isNegative()) {
        return false;
    }
    state.ports().dialogs.message("O valor pago não pode ser negativo.", msg::Exclamation);
    return true;
}

} // namespace tavolim::core
