#include "core/counter/PersonAccount.h"

#include "core/books/DayRoll.h"
#include "core/counter/AccountMove.h"
#include "core/counter/CounterFixture.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
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
        {"credit 80 on debt 50 and old credit 4",
         true,
         {reais(4), reais(50)},
         reais(80),
         {reais(34), {}}},
        {"credit a thousandth short of the debt",
         true,
         {{}, reais(2.5)},
         reais(2.499),
         {{}, reais(0.001)}},
        {"debit on no credit", false, {{}, reais(3)}, reais(2.25), {{}, reais(5.25)}},
        {"debit 10 on a credit of 25", false, {reais(25), {}}, reais(10), {reais(15), {}}},
        {"debit 40 on a credit of 25", false, {reais(25), {}}, reais(40), {{}, reais(15)}},
        {"debit equal to the credit", false, {reais(25), {}}, reais(25), {{}, {}}},
        {"debit 40 on credit 25 and old debt 2",
         false,
         {reais(25), reais(2)},
         reais(40),
         {{}, reais(17)}},
    };

    for (const auto& c : cases) {
        Balance b = c.before;

        if (c.credit) {
            addCredit(b, c.amount);
        } else {
            addDebit(b, c.amount);
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
        PersonAccount account(state, c.person);

        account.addCredit(reais(3));
        ASSERT_TRUE(account.save(records()));

        EXPECT_EQ(client(1).ValorDevido, reais(c.holderDebt)) << c.unicaConta;
        EXPECT_EQ(dependent(1).ValorDevido, reais(c.dependentDebt)) << c.unicaConta;
    }
}

class AccountMoveTest : public test::CounterTest {};

TEST_F(AccountMoveTest, MovesTheAccountAndTheDayTotals)
{
    struct Case {
        const char* name;
        AccountMoveKind kind;
        std::optional<std::string> typed;
        double pago, devido; // before
        double pagoAfter, devidoAfter;
        double creditos, debitos, entrada;
        bool done;
    };
    const std::vector<Case> cases = {
        {"credit 80 on 50 owed", AccountMoveKind::Credit, "80,00", 0, 50, 30, 0, 80, 0, 80, true},
        {"debit 40 on 25 credit", AccountMoveKind::Debit, "40", 25, 0, 0, 15, 0, 40, 0, true},
        {"cancelled prompt", AccountMoveKind::Credit, std::nullopt, 0, 50, 0, 50, 0, 0, 0, false},
        {"empty prompt", AccountMoveKind::Debit, " ", 25, 0, 25, 0, 0, 0, 0, false},
    };

    for (const auto& c : cases) {
        writeClient(1, "Ana", c.pago, c.devido);
        state.CaixaDia = DailyTotalsRecord{};
        saveCaixaDia(state);

        const bool done = recordAccountMove(state, {1, true}, c.kind, c.typed, false);

        EXPECT_EQ(done, c.done) << c.name;
        EXPECT_EQ((Balance{client(1).ValorPago, client(1).ValorDevido}),
                  (Balance{reais(c.pagoAfter), reais(c.devidoAfter)}))
            << c.name;
        loadCaixaDia(state);
        EXPECT_EQ(
            std::tuple(state.CaixaDia.Creditos, state.CaixaDia.Debitos, state.CaixaDia.Entrada),
            std::tuple(reais(c.creditos), reais(c.debitos), reais(c.entrada)))
            << c.name;
    }
}

TEST_F(AccountMoveTest, PrintedDebitCarriesBothBalancesAndKeepsTheBoxState)
{
    state.options().NumViasRec = 1;
    writeClient(1, "Ana", 25, 0);
    ReceiptBuilder builder(state);

    recordAccountMove(state, {1, true}, AccountMoveKind::Debit, "40", true);

    ASSERT_EQ(printer.printed.size(), 1U);
    const std::string& text = printer.printed[0];
    EXPECT_NE(text.find(builder.line(amountLine("Saldo Anterior", reais(25))) +
                        builder.line(amountLine("Débito", reais(40))) +
                        builder.line(amountLine("Saldo Atual", reais(-15)))),
              std::string::npos);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(kRemovePrintout)});
    EXPECT_TRUE(accountMovePrintDefault(state, AccountMoveKind::Debit));
    EXPECT_FALSE(accountMovePrintDefault(state, AccountMoveKind::Credit));
    EXPECT_EQ(client(1).ValorDevido, reais(15));
}

} // namespace
} // namespace tavolim::core
