#include "core/shell/AccessForm.h"

#include "ShellFixture.h"
#include "core/shell/OperatorSession.h"
#include "core/state/Operators.h"

namespace tavolim::core {
namespace {

using AccessFormTest = test::ShellFixture;
using Outcome = AccessForm::Outcome;

const std::string kExhausted =
    "   Seu número de tentativas esgotou!\n  Caso você tenha esquecido sua senha você pode "
    "pedir para outra pessoa registrada entrar no sistema e então registrar-se novamente com "
    "outra senha.\n  Se você for o(a) único(a) pessoa registrada entre em contato conosco.";

TEST_F(AccessFormTest, ThreeWrongEntriesEndTheLogin)
{
    setOperators({{"Ana", "abc", 1}, {"Bia", "xyz", 3}});
    struct Case {
        std::vector<std::pair<std::string, std::string>> entries;
        std::vector<Outcome> outcomes;
        int loggedIn;
    };
    const std::vector<Case> cases = {
        {{{" BIA ", "XYZ"}}, {Outcome::Succeeded}, 2},
        {{{"Bia", "abc"}, {"ana", "ABC"}}, {Outcome::Stay, Outcome::Succeeded}, 1},
        {{{"Bia", "abc"}, {"Caio", ""}, {"ana", "xyz"}},
         {Outcome::Stay, Outcome::Stay, Outcome::Failed},
         0},
    };

    for (const Case& c : cases) {
        AccessForm form(state, AccessForm::Mode::Login);
        dialogs.messages.clear();
        std::vector<Outcome> outcomes;

        for (const auto& [name, password] : c.entries) {
            outcomes.push_back(form.ok(name, password));
        }

        EXPECT_EQ(outcomes, c.outcomes);
        EXPECT_EQ(form.loggedIn(), c.loggedIn);
        const auto texts = dialogs.shownTexts();
        ASSERT_EQ(texts.size(), c.entries.size() - 1 + (c.loggedIn == 0 ? 1 : 0));
        if (c.loggedIn == 0) {
            EXPECT_EQ(texts.back(), kExhausted);
        }
        if (!texts.empty()) {
            EXPECT_EQ(texts.front(), "Nome ou Senha Inválidos, tente novamente!");
            EXPECT_EQ(dialogs.messages.front().title, "Acesso");
        }
    }
}

TEST_F(AccessFormTest, NewPasswordsAreTypedTwiceAndAtMostTenCharacters)
{
    struct Case {
        std::string first;
        std::string second;
        std::string refusal; // empty: accepted
    };
    const Case cases[] = {
        {"0123456789", "0123456789", ""},
        {"Nova Senha", " nova senha ", ""},
        {"01234567890", "", "A Senha Deve Possuir Até Dez Caracteres."},
        {"áéíóúçãõâê", "ÁÉÍÓÚÇÃÕÂÊ", ""},
        {"abc", "abd", "A Senha Digitada Não Coincide."},
    };

    for (const Case& c : cases) {
        setOperators({{"Ana", "velha", 1}});
        state.OperadorAtual = 1;
        AccessForm form(state, AccessForm::Mode::ChangePassword);
        dialogs.messages.clear();

        const Outcome first = form.ok("ignored", c.first);
        const Outcome second = form.confirming() ? form.ok("ignored", c.second) : Outcome::Stay;

        EXPECT_EQ(first, Outcome::Stay) << c.first;
        EXPECT_EQ(second, c.refusal.empty() ? Outcome::Succeeded : Outcome::Stay) << c.first;
        EXPECT_EQ(dialogs.shownTexts().back(),
                  c.refusal.empty() ? "Por Favor, Confirme a Senha." : c.refusal);
        // Written to the file only on success.
        rules() = GeneralRulesRecord{};
        state.records().readRecord(FileKind::GeneralRules, 1, true);
        EXPECT_EQ(passwordMatches(rules(), 1, c.first), c.refusal.empty()) << c.first;

        // With a confirmation box both are checked at once, with no reminder in between.
        setOperators({{"Ana", "velha", 1}});
        AccessForm boxes(state, AccessForm::Mode::ChangePassword);
        dialogs.messages.clear();

        const Outcome once = boxes.ok("ignored", c.first, c.second);

        EXPECT_EQ(once, c.refusal.empty() ? Outcome::Succeeded : Outcome::Stay) << c.first;
        EXPECT_EQ(dialogs.shownTexts(), c.refusal.empty() ? std::vector<std::string>{}
                                                          : std::vector<std::string>{c.refusal});
    }
}

TEST_F(AccessFormTest, RegisteringAppendsAnOperatorAtLevelThree)
{
    setOperators({{"Ana", "", 1}});
    AccessForm form(state, AccessForm::Mode::Register);

    EXPECT_EQ(form.ok(" ANA ", "x"), Outcome::Stay);
    EXPECT_EQ(form.ok("Bia", "segredo"), Outcome::Stay);
    EXPECT_EQ(form.ok("Bia", "SEGREDO"), Outcome::Succeeded);

    EXPECT_EQ(
        dialogs.shownTexts(),
        (std::vector<std::string>{"Já há um Usuário com este Nome.", "Por Favor, Confirme a Senha.",
                                  "Verifique o tipo de usuário clicando sobre o seu nome."}));
    EXPECT_EQ(form.registered(), 2);
    rules() = GeneralRulesRecord{};
    state.records().readRecord(FileKind::GeneralRules, 1, true);
    EXPECT_EQ(rules().NumOperadores, 2);
    EXPECT_EQ(rules().NomeOperador[1], "Bia");
    EXPECT_EQ(rules().NivelOperador[1], 3);
    EXPECT_TRUE(passwordMatches(rules(), 2, "segredo"));
}

TEST_F(AccessFormTest, StartLoginSkipsThePromptForTheOnlyDefaultOperator)
{
    const std::string warning =
        "Atenção!\nO Tavolim entrará utilizando o operador padrão 'Tavolim'.\nPara sua "
        "segurança cadastre-se como operador colocando seu nome e senha para acessar o Tavolim "
        "(menu Ferramentas/Operadores).\nPara maior segurança remova o operador 'Tavolim'.";
    struct Case {
        std::vector<Operator> table;
        int prompted; // what the login window returns
        bool prompts;
        int loggedIn;
    };
    const std::vector<Case> cases = {
        {{{"  tAVOLIM ", "x", 1}}, 0, false, 1},
        {{{"Tavolim", "", 1}, {"Bia", "", 3}}, 2, true, 2},
        {{{"Ana", "", 1}}, 0, true, 0},
    };

    for (const Case& c : cases) {
        setOperators(c.table);
        dialogs.messages.clear();
        bool prompted = false;

        const bool in = logInAtStart(state, [&] {
            prompted = true;
            return c.prompted;
        });

        EXPECT_EQ(prompted, c.prompts);
        EXPECT_EQ(in, c.loggedIn != 0);
        EXPECT_EQ(state.OperadorAtual, c.loggedIn);
        EXPECT_EQ(dialogs.shownTexts(),
                  c.prompts ? std::vector<std::string>{} : std::vector<std::string>{warning});
    }
}

TEST_F(AccessFormTest, ChangingOperatorKeepsTheCurrentOneWhenTheLoginFails)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
    int refreshed = 0;
    state.dayHooks.refreshMenus = [&] { ++refreshed; };
    struct Case {
        int prompted;
        int after;
        std::string text;
    };
    const Case cases[] = {
        {0, 1, "Usuário Não Modificado."},
        {1, 1, "Usuário Não Modificado."},
        {2, 2, "Usuário Modificado."},
    };

    for (const Case& c : cases) {
        state.OperadorAtual = 1;
        dialogs.messages.clear();

        changeOperator(state, [&] { return c.prompted; });

        EXPECT_EQ(state.OperadorAtual, c.after);
        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.text});
    }
    EXPECT_EQ(refreshed, 3);
}

TEST_F(AccessFormTest, LogOffLeavesNobodyWhenTheLoginFails)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 3}});
    state.OperadorAtual = 1;
    int seenDuringPrompt = -1;

    EXPECT_TRUE(logOff(state, [&] {
        seenDuringPrompt = state.OperadorAtual;
        return 2;
    }));
    EXPECT_EQ(seenDuringPrompt, 0);
    EXPECT_EQ(state.OperadorAtual, 2);
    EXPECT_FALSE(logOff(state, [] { return 0; }));
    EXPECT_EQ(state.OperadorAtual, 0);
}

} // namespace
} // namespace tavolim::core
