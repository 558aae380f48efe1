#include "core/shell/AccessForm.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

namespace {

constexpr int kMaxLoginAttempts = 3;

// Length as typed, in characters; the password field holds one byte per character.
std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

} // namespace

AccessForm::AccessForm(AppState& state, Mode mode) : m_state(state), m_mode(mode) {}

std::string AccessForm::title() const
{
    switch (m_mode) {
    case Mode::ChangePassword:
        return "Alterar Senha";
    case Mode::Register:
        return "Registro de Usuário";
    case Mode::Login:
        break;
    }
    return "Controle de Acesso";
}

std::string AccessForm::fixedName() const
{
    const auto& rules = m_state.records().rules();
    const int current = m_state.OperadorAtual;
    if (m_mode != Mode::ChangePassword || current < 1 || current > rules.operatorCount()) {
        return {};
    }
    return trim(rules.NomeOperador[static_cast<std::size_t>(current - 1)]);
}

AccessForm::Outcome AccessForm::ok(std::string_view name, std::string_view password)
{
    return m_mode == Mode::Login ? login(name, password) : newPassword(name, password);
}

AccessForm::Outcome AccessForm::login(std::string_view name, std::string_view password)
{
    const auto& rules = m_state.records().rules();
    const int found = findOperator(rules, name);
    if (found != 0 && passwordMatches(rules, found, password)) {
        m_loggedIn = found;
        return Outcome::Succeeded;
    }
    Dialogs& dialogs = m_state.ports().dialogs;
    if (++m_failures < kMaxLoginAttempts) {
        dialogs.message("Nome ou Senha Inválidos, tente novamente!", msg::Exclamation, "Acesso");
        return Outcome::Stay;
    }
    dialogs.message(std::string("   Seu número de tentativas esgotou!") + "\n" +
                        "  Caso você tenha esquecido sua senha você pode " +
                        "pedir para outra pessoa registrada entrar no " +
                        "sistema e então registrar-se novamente com outra " + "senha." + "\n" +
                        "  Se você for o(a) único(a) pessoa registrada " +
                        "entre em contato conosco.",
                    msg::Critical, "Acesso");
    return Outcome::Failed;
}

std::optional<AccessForm::Outcome> AccessForm::refuseNewPassword(std::string_view name,
                                                                 const std::string& typed)
{
    const auto& rules = m_state.records().rules();
    Dialogs& dialogs = m_state.ports().dialogs;
    if (m_mode == Mode::Register && findOperator(rules, name) != 0) {
        dialogs.message("Já há um Usuário com este Nome.", msg::Exclamation);
        return Outcome::Stay;
    }
    if (m_mode == Mode::Register && trim(name).empty()) {
        return Outcome::Stay;
    }
    if (characterCount(typed) > kMaxPasswordLength) {
        dialogs.message("A Senha Deve Possuir Até Dez Caracteres.", msg::Exclamation);
        return Outcome::Stay;
    }
    return std::nullopt;
}

AccessForm::Outcome AccessForm::newPassword(std::string_view name, std::string_view password)
{
    const std::string typed = normalizeCredential(password);
    if (!m_confirming) {
        if (const auto refused = refuseNewPassword(name, typed)) {
            return *refused;
        }
        m_firstPassword = typed;
        m_confirming = true;
        m_state.ports().dialogs.message("Por Favor, Confirme a Senha.", msg::Information);
        return Outcome::Stay;
    }
    m_confirming = false;
    return storeNewPassword(name, typed);
}

AccessForm::Outcome AccessForm::ok(std::string_view name, std::string_view password,
                                   std::string_view confirmation)
{
    if (m_mode == Mode::Login) {
        return login(name, password);
    }
    m_confirming = false;
    const std::string typed = normalizeCredential(password);
    if (const auto refused = refuseNewPassword(name, typed)) {
        return *refused;
    }
    m_firstPassword = typed;
    return storeNewPassword(name, normalizeCredential(confirmation));
}

AccessForm::Outcome AccessForm::storeNewPassword(std::string_view name,
                                                 const std::string& confirmation)
{
    auto& rules = m_state.records().rules();
    Dialogs& dialogs = m_state.ports().dialogs;
    if (confirmation != m_firstPassword) {
        dialogs.message("A Senha Digitada Não Coincide.", msg::Exclamation);
        return Outcome::Stay;
    }
    int index = m_state.OperadorAtual;
    if (m_mode == Mode::Register) {
        if (!mayAddOperator(rules, dialogs)) {
            return Outcome::Failed;
        }
        index = rules.operatorCount() + 1;
        rules.NumOperadores = static_cast<std::int16_t>(index);
        rules.NomeOperador[static_cast<std::size_t>(index - 1)] = trim(name);
        rules.NivelOperador[static_cast<std::size_t>(index - 1)] = kLevelOperator;
        m_registered = index;
    } else if (index < 1 || index > rules.operatorCount()) {
        return Outcome::Failed;
    }
    storePassword(rules, index, m_firstPassword);
    m_state.saveRules();
    if (m_mode == Mode::Register) {
        dialogs.message("Verifique o tipo de usuário clicando sobre o seu nome.", msg::Information);
    }
    return Outcome::Succeeded;
}

} // namespace tavolim::core
