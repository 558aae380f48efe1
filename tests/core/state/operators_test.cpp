#include "core/state/Operators.h"

#include "core/shell/ShellFixture.h"
#include "core/store/Cp1252.h"

namespace tavolim::core {
namespace {

using test::ShellFixture;
using Operators = ShellFixture;

TEST(PasswordScrambling, RoundTripsAndHidesThePassword)
{
    const std::string passwords[] = {"", "a", "senha", "1234567890", "   ", "ação çé", "~~~~~"};

    for (const std::string& p : passwords) {
        const std::string stored = scramblePassword(p);
        const auto length = static_cast<int>(toCp1252(p).size());

        EXPECT_EQ(unscramblePassword(stored, length), p) << p;
        if (!p.empty()) {
            EXPECT_NE(stored, p) << p;
        }
        EXPECT_EQ(stored.find('\0'), std::string::npos) << p;
    }
}

TEST_F(Operators, PasswordSurvivesTheRecordFileEvenWhenItsScrambledTextEndsInSpaces)
{
    // A password whose scrambled text ends in a space, which the record trims away.
    std::string password;
    for (char c = 0x21; c < 0x7F && password.empty(); ++c) {
        const std::string candidate = std::string("x") + c;
        if (scramblePassword(candidate).back() == ' ') {
            password = candidate;
        }
    }
    ASSERT_FALSE(password.empty());
    setOperators({{"Ana", password, 1}, {"Bia", "", 2}});

    ASSERT_TRUE(state.saveRules());
    rules() = GeneralRulesRecord{};
    state.records().readRecord(FileKind::GeneralRules, 1, true);

    EXPECT_TRUE(passwordMatches(rules(), 1, password));
    EXPECT_TRUE(passwordMatches(rules(), 2, ""));
    EXPECT_FALSE(passwordMatches(rules(), 2, " x"));
}

TEST_F(Operators, NamesAndPasswordsIgnoreCaseAndSurroundingSpaces)
{
    setOperators({{"Ana Souza", "Segredo", 1}, {"JOSÉ", "çÃo", 3}});
    struct Case {
        std::string name;
        std::string password;
        int found;
        bool matches;
    };
    const Case cases[] = {
        {"ana souza", "segredo", 1, true}, {"  ANA SOUZA ", " SEGREDO  ", 1, true},
        {"josé", "ÇãO", 2, true},          {"José", "cao", 2, false},
        {"Ana", "segredo", 0, false},
    };

    for (const Case& c : cases) {
        const int found = findOperator(rules(), c.name);

        EXPECT_EQ(found, c.found) << c.name;
        EXPECT_EQ(passwordMatches(rules(), found, c.password), c.matches) << c.name;
    }
}

TEST_F(Operators, AccessRuleComparesTheOperatorLevelWithTheRow)
{
    setOperators({{"Adm", "", 1}, {"Med", "", 2}, {"Op", "", 3}});
    rules().NivelAcesso[0] = 1;
    rules().NivelAcesso[1] = 2;
    rules().NivelAcesso[2] = 3;
    struct Case {
        int operatorIndex;
        int row;
        bool allowed;
    };
    const Case cases[] = {
        {1, 1, true},  {1, 2, true},  {1, 3, true}, //
        {2, 1, false}, {2, 2, true},  {2, 3, true}, //
        {3, 1, false}, {3, 2, false}, {3, 3, true}, //
        {0, 3, false}, {4, 3, false}, {1, 0, false}, {1, 25, false},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(mayUse(rules(), c.operatorIndex, c.row), c.allowed)
            << c.operatorIndex << " row " << c.row;
    }
}

TEST_F(Operators, DeletingRefusesTheOnlyTheActiveAndTheLastAdministrator)
{
    struct Case {
        std::vector<Operator> table;
        int current;
        int victim;
        std::string refusal;
    };
    const std::vector<Case> cases = {
        {{{"Ana", "", 1}},
         0,
         1,
         "Acesso Negado: Deve haver no mínimo um(a) usuário(a) cadastrado(a)."},
        {{{"Ana", "", 1}, {"Bia", "", 1}},
         2,
         2,
         "Acesso Negado: O(A) usuário(a) não pode ser excluído(a) enquanto estiver como "
         "usuário(a) ativo(a)."},
        {{{"Ana", "", 1}, {"Bia", "", 3}},
         2,
         1,
         "Acesso Negado: Não é possível excluir todos(as) os(as) usuários(as) "
         "administradores(as)."},
    };

    for (const Case& c : cases) {
        setOperators(c.table);
        const GeneralRulesRecord before = rules();
        dialogs.messages.clear();
        int current = c.current;

        EXPECT_FALSE(deleteOperator(rules(), c.victim, current, dialogs));

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(rules().encoded(), before.encoded());
    }
}

TEST_F(Operators, DeletingMovesLaterOperatorsUpAndFollowsTheActiveOne)
{
    setOperators({{"Ana", "a", 1}, {"Bia", "b", 2}, {"Caio", "c", 3}});
    int current = 3;
    dialogs.answers = {msg::Answer::No, msg::Answer::Yes};

    EXPECT_FALSE(deleteOperator(rules(), 2, current, dialogs));
    EXPECT_TRUE(deleteOperator(rules(), 2, current, dialogs));

    EXPECT_EQ(dialogs.messages[0].text,
              "Tem Certeza que Deseja Excluir 'Bia' do Registro de Usuários ?");
    EXPECT_EQ(rules().NumOperadores, 2);
    EXPECT_EQ(rules().NomeOperador[1], "Caio");
    EXPECT_EQ(rules().NivelOperador[1], 3);
    EXPECT_TRUE(passwordMatches(rules(), 2, "c"));
    EXPECT_EQ(rules().NomeOperador[2], "");
    EXPECT_EQ(current, 2);
}

TEST_F(Operators, LevelChangeKeepsOneAdministrator)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 2}});

    EXPECT_FALSE(setOperatorLevel(rules(), 1, 2, dialogs));
    EXPECT_TRUE(setOperatorLevel(rules(), 2, 1, dialogs));
    EXPECT_TRUE(setOperatorLevel(rules(), 1, 3, dialogs));

    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Não é Possível Excluir Todos os Administradores."});
    EXPECT_EQ(rules().NivelOperador[0], 3);
    EXPECT_EQ(rules().NivelOperador[1], 1);
}

TEST_F(Operators, TenOperatorsIsTheLimitAndAccessLevelsAreOneToThree)
{
    setOperators(std::vector<Operator>(10, {"X", "", 1}));

    EXPECT_FALSE(mayAddOperator(rules(), dialogs));
    for (const char* bad : {"0", "4", "", "x", "12"}) {
        EXPECT_FALSE(acceptAccessLevel(bad, dialogs)) << bad;
    }
    for (const char* good : {"1", "2", " 3 "}) {
        EXPECT_TRUE(acceptAccessLevel(good, dialogs)) << good;
    }

    EXPECT_EQ(dialogs.shownTexts().front(), "10 Usuários é o Limite Máximo.");
    EXPECT_EQ(dialogs.shownTexts().back(), "O Nível de Acesso está Incorreto.");
    EXPECT_EQ(dialogs.messages.size(), 6u);
}

} // namespace
} // namespace tavolim::core
