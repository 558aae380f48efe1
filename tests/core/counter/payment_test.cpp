#include "core/counter/Payment.h"

#include "core/books/DayRoll.h"
#include "core/counter/CounterFixture.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tavolim::core {
namespace {

using test::reais;

TEST(Payment, EachAccountCaseMovesTheMoneyItsWay)
{
    struct Case {
        const char* name;
        Balance before;
        Money due;
        Money paid;
        Balance after;
    };
    const std::vector<Case> cases = {
        {"pays all: debt cleared, tapes credited",
         {{}, reais(10)},
         reais(13),
         reais(13),
         {reais(3), {}}},
        {"pays all of nothing due", {reais(5), {}}, {}, {}, {reais(5), {}}},
        {"part with no debt becomes credit", {reais(1), {}}, reais(8), reais(5), {reais(6), {}}},
        {"part less than the debt of 10", {{}, reais(10)}, reais(12), reais(4), {{}, reais(6)}},
        {"part of 15 on a debt of 10", {{}, reais(10)}, reais(12), reais(15), {reais(5), {}}},
        {"part equal to the debt", {{}, reais(10)}, reais(12), reais(10), {{}, {}}},
        {"part on a negative debt clears it", {{}, reais(-2)}, reais(8), reais(5), {reais(5), {}}},
    };

    for (const auto& c : cases) {
        Balance b = c.before;

        applyPayment(b, c.due, c.paid);

        EXPECT_EQ(b, c.after) << c.name;
    }
}

class PaymentWindow : public test::CounterTest {};

// A ticked print box prints the copies before the account is written.
TEST_F(PaymentWindow, ConfirmingPrintsAndWritesDayTotalsAndTheAccount)
{
    struct Case {
        const char* typed;
        double devido;
        double pago;
        bool print;
    };
    const std::vector<Case> cases = {
        {"4,00", 6, 0, false},
        {"15.00", 0, 5, false},
        {"abc", 10, 0, false},
        {"10", 0, 0, true},
    };
    state.options().NumViasRec = 2;

    for (const auto& c : cases) {
        writeClient(1, "Ana", 0, 10);
        state.CaixaDia = DailyTotalsRecord{};
        PaymentModel payment(state, {1, true}, reais(10));
        payment.payment.option = PaymentChoice::Option::PagouParte;
        payment.payment.txtValorPago = c.typed;
        payment.chkImprimir = c.print;

        const auto outcome = payment.confirm();

        EXPECT_EQ(outcome, PaymentModel::Outcome::Saved) << c.typed;
        const Money paid = reais(10 - c.devido + c.pago);
        EXPECT_EQ(std::tuple(client(1).ValorDevido, client(1).ValorPago, client(1).ValorUltPgto),
                  std::tuple(reais(c.devido), reais(c.pago), paid))
            << c.typed;
        loadCaixaDia(state);
        EXPECT_EQ(std::tuple(state.CaixaDia.Pagamentos, state.CaixaDia.Entrada),
                  std::tuple(paid, paid))
            << c.typed;
        ASSERT_EQ(printer.printed.size(), c.print ? 2U : 0U) << c.typed;
    }
    EXPECT_NE(printer.printed[0].find("#Pagamento#"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(kRemovePrintout)});
}

TEST_F(PaymentWindow, ADependentOnTheHoldersAccountPaysTheHoldersDebtAndKeepsItsLastPayment)
{
    writeClient(1, "Ana", 0, 10);
    writeDependent(3, 1, "Caio", 0, 0);
    state.options().UnicaConta = true;
    PaymentModel payment(state, {3, false}, reais(10));
    payment.payment.option = PaymentChoice::Option::PagouParte;
    payment.payment.txtValorPago = "4";

    EXPECT_EQ(payment.confirm(), PaymentModel::Outcome::Saved);
    EXPECT_EQ(std::tuple(client(1).ValorDevido, client(1).ValorUltPgto, dependent(3).ValorDevido,
                         dependent(3).ValorUltPgto),
              std::tuple(reais(6), Money(), Money(), reais(4)));
}

TEST_F(PaymentWindow, ConfirmOpNoDiscardsAndCancelStays)
{
    state.options().ConfirmOp = true;
    writeClient(1, "Ana", 0, 10);
    dialogs.answers = {msg::Answer::No, msg::Answer::Cancel};
    PaymentModel payment(state, {1, true}, reais(10));

    EXPECT_EQ(payment.confirm(), PaymentModel::Outcome::Discarded);
    EXPECT_EQ(payment.confirm(), PaymentModel::Outcome::Stay);
    payment.payment.option = PaymentChoice::Option::PagouParte;
    payment.payment.txtValorPago = "-3";
    EXPECT_EQ(payment.confirm(), PaymentModel::Outcome::Stay);

    EXPECT_EQ(dialogs.messages.at(0).text, "Confirma a Operação ?");
    EXPECT_EQ(dialogs.messages.at(0).flags, 35);
    EXPECT_EQ(dialogs.messages.back().text, "O valor pago não pode ser negativo.");
    EXPECT_EQ(client(1).ValorDevido, reais(10));
}

TEST_F(PaymentWindow, ReceiptListsTheNonZeroAmountsAndWhatIsLeft)
{
    writeClient(1, "Ana", 0, 2.5);
    PaymentModel payment(state, {1, true}, reais(9));
    payment.payment.option = PaymentChoice::Option::PagouParte;
    payment.payment.txtValorPago = "4";
    ReceiptBuilder builder(state);

    const std::string body = payment.receiptBody(builder);

    EXPECT_EQ(PaymentChoice::payAllCaption(payment.amountDue()), "Pagou &Tudo(R$9,00)");
    EXPECT_EQ(body, builder.line("        Fitas Locadas     R$    6,50") +
                        builder.line("       Outros Débitos     R$    2,50") +
                        builder.line("                Total     R$    9,00") +
                        builder.line("           Valor Pago     R$    4,00") +
                        builder.line("         Valor Devido     R$    5,00"));
}

} // namespace
} // namespace tavolim::core
