#include "core/counter/Account.h"

#include "core/counter/CounterFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::core {
namespace {

using test::reais;

TEST(Account, AddCreditPaysTheDebtFirstAndAddDebitTakesTheCreditFirst)
{
    struct Case {
        const char* name;
        bool credit;
        Balance before;
        Money amount;
        Balance after;
    };
    const std::vector<Case> cases = {
        {"credit on no debt", true, {reais(5), {}}, reais(7.5), {reais(12.5), {}}},
        {"credit 30 on a debt of 50", true, {{}, reais(50)}, reais(30), {{}, reais(20)}},
        {"credit 80 on a debt of 50", true, {{}, reais(50)}, reais(80), {reais(30), {}}},
        {"credit equal to the debt", true, {{}, reais(50)}, reais(50), {{}, {}}},
        {"credit 80 on debt 50 and old credit 4", true, {reais(4), reais(50)}, reais(80),
         {reais(34), {}}},
        {"credit a thousandth short of the debt", true, {{}, reais(2.5)}, reais(2.499),
         {{}, reais(0.001)}},
        {"debit on no credit", false, {{}, reais(3)}, reais(2.25), {{}, reais(5.25)}},
        {"debit 10 on a credit of 25", false, {reais(25), {}}, reais(10), {reais(15), {}}},
        {"debit 40 on a credit of 25", false, {reais(25), {}}, reais(40), {{}, reais(15)}},
        {"debit equal to the credit", false, {reais(25), {}}, reais(25), {{}, {}}},
        {"debit 40 on credit 25 and old debt 2", false, {reais(25), reais(2)}, reais(40),
         {{}, reais(17)}},
    };

    for (const auto& c : cases) {
        Balance b = c.before;

        if (c.credit) {
            AddCredit(b, c.amount);
        } else {
            AddDebit(b, c.amount);
        }

        EXPECT_EQ(b, c.after) << c.name;
    }
}

class AccountFile : public test::CounterTest {};

TEST_F(AccountFile, DependentsUseTheHolderAccountOnlyWithUnicaConta)
{
    writeClient(1, "Ana", 0, 10);
    writeDependent(1, 1, "Bia", 0, 4);
    struct Case {
        bool unicaConta;
        PersonRef person;
        double holderDebt;
        double dependentDebt;
    };
    const std::vector<Case> cases = {
        {false, {1, false}, 10, 1},
        {true, {1, false}, 7, 4},
        {true, {1, true}, 7, 4},
    };

    for (const auto& c : cases) {
        writeClient(1, "Ana", 0, 10);
        dependent(1).ValorDevido = reais(4);
        ASSERT_TRUE(records().writeRecord(FileKind::Dependents, 1));
        state.options().UnicaConta = c.unicaConta;
        Account account(state, c.person);

        account.AddCredit(reais(3));
        ASSERT_TRUE(account.save());

        EXPECT_EQ(client(1).ValorDevido, reais(c.holderDebt)) << c.unicaConta;
        EXPECT_EQ(dependent(1).ValorDevido, reais(c.dependentDebt)) << c.unicaConta;
    }
}

TEST_F(AccountFile, SavingAfterAnotherPersonWasReadWritesNothing)
{
    writeClient(1, "Ana", 0, 10);
    writeClient(2, "Caio", 0, 0);
    Account account(state, {1, true});
    account.AddCredit(reais(10));

    client(2);
    const bool saved = account.save();

    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O Código do Cliente foi modificado. Operação cancelada."
                                       "\r\nPor favor, contate-nos deste erro."});
    EXPECT_EQ(client(1).ValorDevido, reais(10));
}

} // namespace
} // namespace tavolim::core
