#pragma once

#include "core/counter/Account.h"

class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// Opens the register of a person modally: a holder in frmDadosCli, a dependent in
// frmDadosDep inside its holder's list.
void openPersonRegister(core::AppState& state, core::PersonRef person, QWidget* parent);

} // namespace tavolim::app
