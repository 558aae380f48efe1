#include "core/shell/OperatorSession.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"

namespace tavolim::core {

namespace {

void refreshMenus(AppState& state)
{
    if (state.dayHooks.refreshMenus) {
        state.dayHooks.refreshMenus();
    }
}

} // namespace

bool logInAtStart(AppState& state, const LoginPrompt& prompt)
{
    if (onlyDefaultOperator(state.records().rules())) {
        state.ports().dialogs.message(
            "Atenção!\nO Tavolim entrará utilizando o operador padrão 'Tavolim'.\n"
            "Para sua segurança cadastre-se como operador colocando seu nome e senha para "
            "acessar o Tavolim (menu Ferramentas/Operadores).\n"
            "Para maior segurança remova o operador 'Tavolim'.",
            msg::Information);
        state.OperadorAtual = 1;
    } else {
        state.OperadorAtual = prompt();
    }
    return state.OperadorAtual != 0;
}

bool logOff(AppState& state, const LoginPrompt& prompt)
{
    state.OperadorAtual = 0;
    state.OperadorAtual = prompt();
    if (state.OperadorAtual == 0) {
        return false;
    }
    refreshMenus(state);
    return true;
}

void changeOperator(AppState& state, const LoginPrompt& prompt)
{
    const int before = state.OperadorAtual;
    const int chosen = prompt();
    if (chosen != 0) {
        state.OperadorAtual = chosen;
    }
    state.ports().dialogs.message(state.OperadorAtual != before ? "Usuário Modificado."
                                                                : "Usuário Não Modificado.",
                                  msg::Information);
    refreshMenus(state);
}

void changePassword(AppState& state, const std::function<bool()>& prompt)
{
    state.ports().dialogs.message(prompt() ? "Senha Alterada." : "Senha Não Alterada.",
                                  msg::Information);
}

} // namespace tavolim::core
