#pragma once

#include <functional>

namespace tavolim::core {

class AppState;

// Shows the login window in login mode; returns who logged in (1-based), 0 = nobody.
using LoginPrompt = std::function<int()>;

// Start-up: the store's only operator being the default "Tavolim" logs in with a warning,
// anyone else through the prompt. False when nobody logged in: the program ends.
bool logInAtStart(AppState& state, const LoginPrompt& prompt);

// "Sair Usuário": nobody is logged in until the prompt finds someone. False when nobody
// did (the main window closes); else the menus are refreshed.
bool logOff(AppState& state, const LoginPrompt& prompt);

// "Alterar Usuário": the current operator stays unless another one logs in; says which,
// then refreshes the menus.
void changeOperator(AppState& state, const LoginPrompt& prompt);

// "Alterar Senha": the prompt runs the change mode and tells whether it succeeded.
void changePassword(AppState& state, const std::function<bool()>& prompt);

} // namespace tavolim::core
