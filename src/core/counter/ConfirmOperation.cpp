#include "core/counter/ConfirmOperation.h"

#include "core/ports/Dialogs.h"
#include "core/shell/AppState.h"
#include "core/shell/BusinessDay.h"

namespace tavolim::core {

Confirmation confirmOperation(AppState& state)
{
    checkDateChange(state);
    if (!state.options().ConfirmOp) {
        return Confirmation::Go;
    }
    switch (state.ports().dialogs.message("Confirma a Operação ?",
                                          msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes: return Confirmation::Go;
    case msg::Answer::No: return Confirmation::Discard;
    default: return Confirmation::Stay;
    }
}

} // namespace tavolim::core
