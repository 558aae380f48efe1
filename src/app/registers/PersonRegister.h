#pragma once

#include "app/registers/RegisterButtons.h"
#include "core/counter/Account.h"

class QPushButton;
class QWidget;

namespace tavolim::core {
class AppState;
class RegisterModel;
} // namespace tavolim::core

namespace tavolim::app {

// Opens the register of a person modally: a holder in frmDadosCli, a dependent in
// frmDadosDep inside its holder's list.
void openPersonRegister(core::AppState& state, core::PersonRef person, QWidget* parent);

// cmdSituação of a person register: the person shown, saved first, in the client
// situation; shown again afterwards, as the counter may have changed the account.
void connectSituationButton(QPushButton* button, core::AppState& state, core::RegisterModel& model,
                            bool titular, const RegisterButtons::Step& step);

} // namespace tavolim::app
