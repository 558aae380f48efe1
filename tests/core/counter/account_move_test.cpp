#include "core/counter/AccountMove.h"

#include "core/books/DayRoll.h"
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

class AccountMoveTest : public test::CounterTest {};

TEST_F(AccountMoveTest, MovesTheAccountAndTheDayTotals)
{
    struct Case {
        const char* name;
        AccountMoveKind kind;
        std::optional<std::string> typed;
        double pago, devido;       // before
        double pagoAfter, devidoAfter;
        double creditos, debitos, entrada;
        bool done;
    };
    const std::vector<Case> cases = {
        {"credit 80 on 50 owed", AccountMoveKind::Credit, "80,00", 0, 50, 30, 0, 80, 0, 80,
         true},
        {"debit 40 on 25 credit", AccountMoveKind::Debit, "40", 25, 0, 0, 15, 0, 40, 0, true},
        {"cancelled prompt", AccountMoveKind::Credit, std::nullopt, 0, 50, 0, 50, 0, 0, 0,
         false},
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
        EXPECT_EQ(std::tuple(state.CaixaDia.Creditos, state.CaixaDia.Debitos,
                             state.CaixaDia.Entrada),
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
