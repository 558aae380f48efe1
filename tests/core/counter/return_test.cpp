#include "core/counter/Return.h"

#include "core/books/BookRecords.h"
#include "core/books/DayRoll.h"
#include "core/books/TapeBook.h"
#include "core/counter/CounterFixture.h"
#include "core/day/BusinessDay.h"
#include "core/printing/ReceiptBuilder.h"
#include "support/RecordFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
#include <vector>

namespace tavolim::core {
namespace {

using test::reais;
using namespace std::chrono;

// A store installed ten days before the test's day, Saturday 5/12/2026. Label 1 at 1.50 a day
// with 3-day terms and a fine of 1.00 per two whole late days; lateness charged per agreed
// term unless a test says otherwise.
class ReturnTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        const auto day = clock.date;
        clock.date = sys_days(day) - days{10};
        CounterTest::SetUp();
        today = day;
        startDay(state, false);
        state.options().TipoCobraAtraso = 3;
        writeFlatLabel(1.5, 3);
        auto& l = records().label();
        l.TempoMulta = 2;
        l.UnidadeMulta = 1;
        l.ValorMulta = reais(1);
        ASSERT_TRUE(records().writeRecord(FileKind::Labels, 1));
    }

    // The clock moves to `ago` days before the test's day and the business day follows.
    void goTo(int ago)
    {
        clock.date = sys_days(today) - days{ago};
        checkDateChange(state);
        dialogs.messages.clear();
    }

    // What the situation window hands over, on the test's day.
    Situation situation(PersonRef person = {1, true})
    {
        goTo(0);
        return showSituation(state, person);
    }
};

// Tapes 7 (3.00, one day out) and 9 (free) stay; tape 8 (2.00 for 2 days, 5 days out), in
// between, comes back at Int(3 / 2 + 0.99) + 1 = 3 terms, 6.00. The client owes 2.50: 11.50
// due.
TEST_F(ReturnTest, TheMiddleTapeComesBackAndTheAccountMovesByWhatWasPaid)
{
    using P = PaymentChoice::Option;
    struct Case {
        const char* name;
        P payment;
        const char* typed;
        double surcharge;
        double discount;
        Balance after;
        double devPago;
    };
    const std::vector<Case> cases = {
        {"exactly the returned total", P::PagouParte, "6,00", 0, 0, {{}, reais(2.5)}, 6},
        {"everything due", P::PagouTudo, "", 0, 0, {reais(3), {}}, 11.5},
        {"less than the returned", P::PagouParte, "4", 0, 0, {{}, reais(4.5)}, 4},
        {"surcharge and discount", P::NaoPagou, "", 1, 0.5, {{}, reais(9)}, 0},
    };

    for (const auto& c : cases) {
        writeClient(1, "Ana", 0, 2.5);
        lend(7, {1, true}, 1, 2, 3);
        lend(8, {1, true}, 5, 2, 2);
        lend(9, {1, true}, 1, 2, 0);
        state.CaixaDia = DailyTotalsRecord{};
        ReturnModel model(state, situation());
        model.setDevolveuTodos(false);
        model.toggle(1);
        model.payment.option = c.payment;
        model.payment.txtValorPago = c.typed;
        model.setSurcharge(reais(c.surcharge));
        ASSERT_TRUE(model.setDiscount(reais(c.discount)));

        ASSERT_EQ(model.confirm(), ReturnModel::Outcome::Saved) << c.name;

        const ClientRecord after = client(1);
        EXPECT_EQ((Balance{after.ValorPago, after.ValorDevido}), c.after) << c.name;
        EXPECT_EQ(std::tuple(after.ValorUltPgto, state.CaixaDia.DevPago, state.CaixaDia.Entrada),
                  std::tuple(reais(c.devPago), reais(c.devPago), reais(c.devPago)))
            << c.name;
        EXPECT_EQ(std::vector<std::int16_t>(after.Fitas.begin(), after.Fitas.begin() + 3),
                  (std::vector<std::int16_t>{7, 9, 0}))
            << c.name;
        const TapeRecord freed = tape(8);
        EXPECT_EQ(std::tuple(freed.isRented(), freed.DataRetirada, freed.QtdLocadas,
                             freed.ValorLocacao, freed.ValorArrecadado, freed.UltData[0],
                             freed.UltCliente[0], freed.UltTitular[0]),
                  std::tuple(false, 0, 1, reais(2), reais(6), daysAgo(5), 1, true))
            << c.name;
        loadCaixaDia(state);
        EXPECT_EQ(std::tuple(state.CaixaDia.NumDevolucoes, state.CaixaDia.FitasDevolvidas),
                  std::tuple(1, 1))
            << c.name;
    }
}

// A tape of 3.00 for 2 days back 3 days late: Int(3 / 2 + 0.99) + 1 agreed terms and one
// whole fine period of 1.00. A freebie back the next day costs nothing. The charges of the
// other modes are the tape charge's and the counter road's.
TEST_F(ReturnTest, EachTapeIsChargedAndFreed)
{
    struct Case {
        bool freebie;
        int periods;
        double amount;
        const char* fine;
    };
    const std::vector<Case> cases = {{false, 3, 3 * 3 + 1, "0003d/0001/1"}, {true, 0, 0, ""}};
    state.options().CobrarMulta = true;

    for (const auto& c : cases) {
        state.CaixaDia = DailyTotalsRecord{};
        writeClient(1, "Ana", 0, 0);
        lend(7, {1, true}, c.freebie ? 1 : 5, 2, 3, c.freebie);
        ReturnModel model(state, situation());
        model.payment.option = PaymentChoice::Option::NaoPagou;

        ASSERT_EQ(model.confirm(), ReturnModel::Outcome::Saved) << c.freebie;

        const auto row = model.rowTexts(0);
        EXPECT_EQ(
            std::tuple(row[3], row[5], row[6]),
            std::tuple(std::to_string(c.periods), c.freebie ? "Brinde" : "", std::string(c.fine)))
            << c.freebie;
        EXPECT_EQ(client(1).ValorDevido, reais(c.amount)) << c.freebie;
        EXPECT_EQ(tape(7).ValorArrecadado, reais(c.amount)) << c.freebie;
    }
}

TEST_F(ReturnTest, TheTapeBookRecordsOfTheReturnedTapesAreCompleted)
{
    writeClient(1, "Ana", 0, 0);
    goTo(4);
    lend(7, {1, true}, 4, 2, 3);
    lend(8, {1, true}, 4, 2, 2);
    const std::vector<RentedTape> rented = {{7, reais(3)}, {8, reais(2)}};
    std::int32_t history = 0;
    ASSERT_TRUE(appendRentals(state, rented, 1, -1, history));
    goTo(0);
    ReturnModel model(state, situation());
    model.setDevolveuTodos(false);
    model.txtCod = "8";
    ASSERT_EQ(model.confirm(), ReturnModel::Outcome::Stay); // the code only marks
    ASSERT_TRUE(model.isMarked(1));

    EXPECT_EQ(model.confirm(), ReturnModel::Outcome::Saved);

    const auto book = test::readRecords<TapeBookRecord>(folder.file("LivroFts.tvl"));
    ASSERT_EQ(book.size(), 2u);
    EXPECT_TRUE(book[0].isOut());
    // Int(2 / 2 + 0.99) + 1 terms.
    EXPECT_EQ(std::tuple(book[1].DataDev, book[1].QtdDiarias, book[1].ValorDev),
              std::tuple(daysAgo(0), 2, reais(4)));
    const auto log = test::readRecords<ReturnedTapeRecord>(folder.file("FitasDev.tvl"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().bookRecord(), 2);
    EXPECT_EQ(test::readRecords<PositionRecord>(folder.file("PosFtDev.tvl")).back().QtdRegs, 1);
}

TEST_F(ReturnTest, RefusalsTellTheOperatorAndWriteNothing)
{
    writeClient(1, "Ana", 0, 0);
    lend(7, {1, true}, 1, 2, 3);
    lend(8, {1, true}, 1, 2, 2);
    ReturnModel model(state, situation());
    model.toggle(0);

    const auto everyNotMarked = model.confirm();
    model.txtCod = "abc";
    model.confirm();
    model.txtCod = "99";
    model.confirm();
    model.txtCod.clear(); // a refused code stays in the box
    model.setDevolveuTodos(false);
    model.payment.option = PaymentChoice::Option::PagouParte;
    const auto noValue = model.confirm();
    model.payment.option = PaymentChoice::Option::NaoPagou;
    const auto noTape = model.confirm();
    const bool discount = model.setDiscount(reais(5.01));

    EXPECT_EQ(everyNotMarked, ReturnModel::Outcome::Stay);
    EXPECT_EQ(noValue, ReturnModel::Outcome::FocusValorPago);
    EXPECT_EQ(noTape, ReturnModel::Outcome::Stay);
    EXPECT_FALSE(discount);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{
                  "Erro: A opção 'Devolveu Todas as Fitas' está selecionada mas nem todas as "
                  "fitas estão marcadas como devolvidas!\nSelecione as fitas devolvidas "
                  "clicando sobre elas.",
                  "O código da fita está incorreto.", "Esta fita não está na lista.",
                  "Nenhuma fita foi marcada como devolvida.\nSelecione as fitas devolvidas "
                  "clicando sobre elas.",
                  "O desconto não pode ser maior do que o valor devido."}));
    EXPECT_EQ(client(1).NumFitas, 2);
    EXPECT_TRUE(tape(7).isRented());
}

TEST_F(ReturnTest, ADependentOnTheHoldersAccountLosesTheTapeAndTheHolderIsCharged)
{
    state.options().UnicaConta = true;
    writeClient(1, "Ana", 0, 1);
    writeDependent(2, 1, "Rui", 0, 0);
    lend(7, {2, false}, 1, 2, 3);
    ReturnModel model(state, situation({2, false}));
    model.payment.option = PaymentChoice::Option::PagouParte;
    model.payment.txtValorPago = "2";

    EXPECT_EQ(model.confirm(), ReturnModel::Outcome::Saved);

    EXPECT_EQ(
        std::tuple(dependent(2).NumFitas, dependent(2).ValorUltPgto, dependent(2).ValorDevido),
        std::tuple(0, reais(2), Money()));
    EXPECT_EQ(client(1).ValorDevido, reais(2)); // 1 + 3 returned - 2 paid
}

TEST_F(ReturnTest, PayingMoreThanDueAsksBeforeGoingOn)
{
    state.options().ConfirmOp = true;
    writeClient(1, "Ana", 0, 0);
    lend(7, {1, true}, 1, 2, 3);
    ReturnModel model(state, situation());
    model.payment.option = PaymentChoice::Option::PagouParte;
    model.payment.txtValorPago = "20";
    model.chkImprimir = true;
    state.options().NumViasRec = 1;
    dialogs.answers = {msg::Answer::No, msg::Answer::Yes};

    EXPECT_EQ(model.confirm(), ReturnModel::Outcome::Stay);
    EXPECT_TRUE(tape(7).isRented());
    EXPECT_EQ(model.confirm(), ReturnModel::Outcome::Saved);

    EXPECT_EQ(dialogs.messages.at(0).text, "O valor pago pelo(a) cliente é maior do que o "
                                           "valor devido.\nConfirma a Operação ?");
    EXPECT_EQ(dialogs.messages.at(0).flags, msg::Question + msg::YesNo);
    EXPECT_EQ(client(1).ValorPago, reais(17));
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("Saldo     R$   17,00"), std::string::npos);
    EXPECT_EQ(state.options().ImpNotaDev, 1);
}

TEST_F(ReturnTest, ReceiptListsTheReturnedTapeAndTheNonZeroAmounts)
{
    writeClient(1, "Ana", 0, 2.5);
    lend(7, {1, true}, 1, 2, 3);
    lend(8, {1, true}, 5, 2, 2);
    ReturnModel model(state, situation());
    model.setDevolveuTodos(false);
    model.toggle(1);
    model.setSurcharge(reais(1));
    model.payment.option = PaymentChoice::Option::PagouParte;
    model.payment.txtValorPago = "10";
    ReceiptBuilder builder(state);

    const std::string body = model.receiptBody(builder);

    EXPECT_EQ(PaymentChoice::payAllCaption(model.amountDue()), "Pagou &Tudo(R$12,50)");
    EXPECT_EQ(body, builder.line("000008 Fita 8") +
                        builder.line("            Diárias: 3     R$    6,00") +
                        builder.line("      Fitas Devolvidas     R$    6,00") +
                        builder.line("             Acréscimo     R$    1,00") +
                        builder.line("  Outras Fitas Locadas     R$    3,00") +
                        builder.line("        Outros Débitos     R$    2,50") +
                        builder.line("                 Total     R$   12,50") +
                        builder.line("            Valor Pago     R$   10,00") +
                        builder.line("          Valor Devido     R$    2,50"));
}

} // namespace
} // namespace tavolim::core
