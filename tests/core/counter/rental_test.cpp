#include "core/counter/Rental.h"

#include "core/books/BookRecords.h"
#include "core/books/DayRoll.h"
#include "core/books/Histories.h"
#include "core/books/PositionFile.h"
#include "core/counter/CounterFixture.h"
#include "core/day/BusinessDay.h"
#include "support/RecordFiles.h"

#include <gtest/gtest.h>

#include <deque>

#include <string>
#include <tuple>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono_literals;
using test::reais;
using Choice = ReservationList::Choice;

// Saturday: the general table gives 2 days, to Monday.
constexpr std::chrono::year_month_day kToday = 2026y / 12 / 5;
const std::int32_t kTodayCode = fromYmd(kToday);

constexpr const char* kTooMany = "O máximo de fitas locadas por cliente é 15.";

class RentalTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        startDay(state, false);
        writeTwoPriceLabel(3);
        for (std::int16_t code = 1; code <= 20; ++code) {
            writeTape(code, code <= 10 ? 2 : 1);
        }
        writeClient(1, "Ana", 0, 0);
        writeClient(2, "Beto", 0, 0);
    }

    void reserve(std::int16_t code, std::vector<std::pair<PersonRef, int>> entries)
    {
        auto& t = tape(code);
        t.NumReservas = static_cast<std::int16_t>(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            t.ReservaCliente[i] = entries[i].first.code;
            t.ReservaTitular[i] = entries[i].first.titular;
            t.ReservaData[i] =
                fromYmd(std::chrono::sys_days(kToday) + std::chrono::days(entries[i].second));
        }
        ASSERT_TRUE(records().writeRecord(FileKind::Tapes, code));
    }

    static RentalModel::AddOutcome add(RentalModel& rental, const std::string& code)
    {
        rental.txtCodFita = code;
        return rental.add();
    }

    auto tapeBook() const { return test::readRecords<TapeBookRecord>(folder.file("LivroFts.tvl")); }
};

TEST_F(RentalTest, FifteenTapesCountTheOnesAlreadyAtHome)
{
    client(1).NumFitas = 14;
    ASSERT_TRUE(records().writeRecord(FileKind::Clients, 1));
    RentalModel rental(state, {1, true}, {});

    EXPECT_EQ(add(rental, "1"), RentalModel::AddOutcome::Added);
    EXPECT_EQ(add(rental, "2"), RentalModel::AddOutcome::NotAdded);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{kTooMany});
}

TEST_F(RentalTest, TwoTapesOfALabelTakeTheTwoTapePriceUntilOneIsRemoved)
{
    RentalModel rental(state, {1, true}, {});
    const auto prices = [&] {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < rental.rowCount(); ++i) {
            out.push_back(rental.rowTexts(i)[4]);
        }
        return out;
    };

    add(rental, "1");
    const auto one = prices();
    add(rental, "2");
    const auto two = prices();
    rental.removeRow(0);

    EXPECT_EQ(one, std::vector<std::string>{"3,00"});
    EXPECT_EQ(two, (std::vector<std::string>{"2,50", "2,50"}));
    EXPECT_EQ(prices(), std::vector<std::string>{"3,00"});
    EXPECT_EQ(rental.rowTexts(0)[1], "000002");
    EXPECT_EQ(rental.caption(), "1 Fita Locada / Menor entrega em 2 dias / 07/12/2026 / "
                                "Valor = R$ 3,00");
}

TEST_F(RentalTest, EditedPricesNeverLetATapeGoOutForNothingOrTheAmountBelowZero)
{
    RentalModel rental(state, {1, true}, {});
    add(rental, "11"); // label 1, 4,00
    rental.editCell(0, RentalColumn::Diaria, "");
    add(rental, "4"); // label 2 priced again; the blank of label 1 stays
    const auto blank = rental.rowTexts(0)[4];
    const auto refused = rental.confirm();

    rental.editCell(0, RentalColumn::Diaria, "4,00");
    dialogs.texts = {"6,00"};
    rental.askDiscount(); // 6,00 of 7,00
    rental.editCell(1, RentalColumn::Diaria, "1,00");

    EXPECT_EQ(blank, "");
    EXPECT_EQ(refused, RentalModel::Outcome::Stay);
    EXPECT_EQ(rental.pricing().discount(), Money());
    EXPECT_EQ(rental.amount(), reais(5));
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Os itens Prazo e Diária não podem ficar em branco.",
                                        "O desconto foi anulado com esta operação por ser "
                                        "maior do que o valor devido."}));
}

TEST_F(RentalTest, TapesThatCannotBeAddedSayWhy)
{
    writeTape(15, 1, "#Apagada");
    writeTape(20, 1, "1917");
    tape(16).ClienteFita = 2;
    ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 16));
    tape(17).CodigoBarras = "78900001";
    ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 17));
    state.options().VerifHist = true;
    auto& ana = client(1);
    ana.RegHistFita = allocateHistory(records(), FileKind::TapeHistory);
    std::int32_t bookRecord = 1;
    const std::vector<std::int16_t> seen = {18};
    ASSERT_TRUE(Histories(folder.path()).appendTapeHistory(ana.RegHistFita, seen, bookRecord));
    ASSERT_TRUE(records().writeRecord(FileKind::Clients, 1));

    struct Case {
        std::string code;
        std::string title;
        RentalModel::AddOutcome outcome;
        std::string message;
    };
    using enum RentalModel::AddOutcome;
    const std::vector<Case> cases = {
        {"999", "", BadCode, "O código da fita está incorreto."},
        {"abc", "", BadCode, "O código da fita está incorreto."},
        {"15", "", NotAdded, "O registro desta fita foi excluído."},
        {"1", "", NotAdded, ""}, // already in the grid
        {"16", "", NotAdded,
         "A fita 'Fita 16' está locada com o cliente de código 2.\n\nDeseja reservá-la "
         "para este cliente ?"},
        {"18", "", NotAdded,
         "A fita 'Fita 18' já foi locada pelo(a) cliente.\nDeseja "
         "locar novamente ?"},
        {"", "Ninguém", NotAdded, "Nenhuma fita encontrada com este nome."},
        {" 78900001 ", "", Added, ""},
        {"", "Fita 19", Added, ""},
        {"", "Fita 19", Confirm, ""}, // the title shown is no search
        {"", "1917", Added, ""},      // a title of digits is still a title
        {"", "", Confirm, ""},
    };
    RentalModel rental(state, {1, true}, {});
    add(rental, "1");

    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.answers = {msg::Answer::No};
        rental.txtNome = c.title;

        EXPECT_EQ(add(rental, c.code), c.outcome) << c.code << c.title;

        const std::string shown = dialogs.messages.empty() ? "" : dialogs.messages[0].text;
        EXPECT_EQ(shown, c.message) << c.code << c.title;
    }
    ASSERT_EQ(rental.rowCount(), 4u);
    EXPECT_EQ(rental.rowTexts(3)[1], "000020");
}

TEST_F(RentalTest, RentedTapeSaysWhoHasItUntilWhenAndConfirmsTheReservation)
{
    struct Case {
        int ago;
        std::int16_t dias;
        const char* due;
    };
    const Case cases[] = {
        {1, 2, "que deve devolvê-la amanhã (06/12/2026)"},
        {2, 2, "que deve devolvê-la hoje (05/12/2026)"},
        {3, 2, "que deveria tê-la devolvido ontem (04/12/2026)"},
        {5, 2, "que deveria tê-la devolvido em 02/12/2026"},
        {0, 10, "que deve devolvê-la em 15/12/2026"},
    };
    for (const Case& c : cases) {
        lend(3, {2, true}, c.ago, c.dias, 2.0);
        dialogs.messages.clear();
        dialogs.choices = {2, 2};
        RentalModel rental(state, {1, true}, {});

        const auto outcome = add(rental, "3");

        EXPECT_EQ(outcome, RentalModel::AddOutcome::NotAdded);
        EXPECT_EQ(dialogs.shownTexts(),
                  (std::vector<std::string>{
                      std::string("A fita 'Fita 3' está locada com Beto Silva,\n") + c.due +
                          ".\n\nDeseja reservá-la para este cliente ?",
                      "Reservar a fita 'Fita 3' para:",
                      "A fita 'Fita 3' foi reservada para Ana Silva no dia 06/12/2026."}))
            << c.due;
        EXPECT_EQ(tape(3).reservationCount(), 1);
    }
}

TEST_F(RentalTest, ReservationsDecideWhetherTheTapeIsAdded)
{
    const PersonRef ana{1, true};
    const PersonRef beto{2, true};
    struct Case {
        const char* name;
        std::vector<std::pair<PersonRef, int>> before;
        bool rentedByBeto;
        Choice choice;
        std::deque<int> choices; // frmMsgBox buttons: reserve or not, then 1 Hoje, 2 Amanhã
        bool added;
        std::vector<std::pair<std::int16_t, int>> after; // client code and day
    };
    const std::vector<Case> cases = {
        {"own first reservation consumed",
         {{ana, 0}, {beto, 2}},
         false,
         Choice::Cancelar,
         {},
         true,
         {{2, 2}}},
        {"Locar drops her own later one",
         {{beto, 0}, {ana, 2}},
         false,
         Choice::Locar,
         {},
         true,
         {{2, 0}}},
        {"Reservar places her in date order",
         {{beto, 2}},
         false,
         Choice::Reservar,
         {1},
         false,
         {{1, 0}, {2, 2}}},
        {"Reservar when she already holds one",
         {{beto, 0}, {ana, 3}},
         false,
         Choice::Reservar,
         {1},
         false,
         {{2, 0}, {1, 3}}},
        {"Cancelar", {{beto, 2}}, false, Choice::Cancelar, {}, false, {{2, 2}}},
        {"a rented tape is reserved for tomorrow",
         {},
         true,
         Choice::Cancelar,
         {2, 2},
         false,
         {{1, 1}}},
        // "Não reservar" is the default: Enter or Esc on the rented tape reserves nothing.
        {"Enter on a rented tape", {}, true, Choice::Cancelar, {1}, false, {}},
        {"Esc on a rented tape", {}, true, Choice::Cancelar, {0}, false, {}},
    };

    for (const auto& c : cases) {
        writeTape(3, 2);
        reserve(3, c.before);
        if (c.rentedByBeto) {
            tape(3).ClienteFita = 2;
            records().writeRecord(FileKind::Tapes, 3);
        }
        dialogs.choices = c.choices;
        RentalModel rental(state, ana, {});
        int asked = 0;
        rental.chooseReservation = [&](ReservationList&) {
            ++asked;
            return c.choice;
        };

        const auto outcome = add(rental, "3");

        EXPECT_EQ(outcome == RentalModel::AddOutcome::Added, c.added) << c.name;
        const auto& t = tape(3);
        std::vector<std::pair<std::int16_t, int>> after;
        for (int i = 0; i < t.reservationCount(); ++i) {
            const auto day = std::chrono::sys_days(*toYmd(t.ReservaData[std::size_t(i)]));
            after.emplace_back(t.ReservaCliente[std::size_t(i)],
                               (day - std::chrono::sys_days(kToday)).count());
        }
        EXPECT_EQ(after, c.after) << c.name;
        const bool dialogShown = !c.before.empty() && c.before[0].first != ana;
        EXPECT_EQ(asked, dialogShown ? 1 : 0) << c.name;
    }
}

TEST_F(RentalTest, ConfirmingWritesTheDayThePersonTheTapesTheBookAndTheReceipt)
{
    writeClient(1, "Ana", 0, 2);
    state.options().GravHistFita = true;
    state.options().NumViasRec = 1;
    state.options().ObsLoc = "Volte sempre";
    dialogs.texts = {"1,00"};
    RentalModel rental(state, {1, true}, reais(5));
    add(rental, "4");
    add(rental, "5");
    add(rental, "11");
    rental.toggleFreebie(2);
    rental.askSurcharge();
    rental.payment.option = PaymentChoice::Option::PagouParte;
    rental.payment.txtValorPago = "2";
    rental.chkImprimir = true;

    EXPECT_EQ(rental.confirm(), RentalModel::Outcome::Saved);

    loadCaixaDia(state);
    const auto& caixa = state.CaixaDia;
    // Left on account: 2.50 + 2.50 + 1.00 surcharge - 2.00.
    EXPECT_EQ(std::tuple(caixa.NumLocacoes, caixa.FitasLocadas, caixa.LocPago, caixa.Entrada,
                         caixa.LocHaver),
              std::tuple(1, 3, reais(2), reais(2), reais(4)));

    const auto& ana = client(1);
    // Debt: 2.00 + 1.00 surcharge - 2.00 paid.
    EXPECT_EQ(std::tuple(ana.NumFitas, ana.Fitas[0], ana.Fitas[1], ana.Fitas[2], ana.Fitas[3],
                         ana.TotalLocacoes, ana.DataUltLocacao, ana.ValorDevido, ana.ValorPago,
                         ana.ValorUltPgto),
              std::tuple(3, 4, 5, 11, 0, 3, kTodayCode, reais(1), Money(), reais(2)));
    const std::int32_t history = ana.RegHistFita;

    for (const auto& [code, freebie, price] :
         {std::tuple{4, false, reais(2.5)}, {5, false, reais(2.5)}, {11, true, Money()}}) {
        const auto& t = tape(static_cast<std::int16_t>(code));
        EXPECT_EQ(std::tuple(t.ClienteFita, t.ClienteTitular, t.TotalLocacoes, t.QtdLocadas,
                             t.DataRetirada, t.HoraRetirada, t.Dias, t.DataBase, t.DiasBase,
                             t.QtdBase, t.Brinde, t.ValorLocacao),
                  std::tuple(1, true, 1, 3, kTodayCode, 1400, 2, kTodayCode, 2, 3, freebie, price))
            << code;
    }
    const auto book = tapeBook();
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(std::tuple(book[0].Fita, book[0].Valor, book[2].Fita, book[2].Valor, book[2].Cliente,
                         book[2].Dependente, book[2].DataLoc, book[2].DataDev),
              std::tuple(4, reais(2.5), 11, Money(), 1, -1, kTodayCode, 0));
    const auto day = PositionFile(folder.path(), Book::Rentals).dayRecord(kToday);
    ASSERT_TRUE(day);
    EXPECT_EQ(std::tuple(day->PrimeiroReg, day->QtdRegs), std::tuple(1, 3));
    const auto entries = Histories(folder.path()).tapeEntries(history);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(std::tuple(entries[2].Fita, entries[2].RegLivro), std::tuple(11, 3));

    ASSERT_EQ(printer.printed.size(), 1u);
    const std::string body = "   Devol.\r\n"
                             "000004 Fita 4\r\n"
                             "   07/12/2026  2 dias\r\n"
                             "000005 Fita 5\r\n"
                             "   07/12/2026  2 dias\r\n"
                             "000011 Fita 11\r\n"
                             "   07/12/2026  Brinde\r\n"
                             "         Fitas Locadas     R$    5,00\r\n"
                             "             Acréscimo     R$    1,00\r\n"
                             "         Fitas em casa     R$    5,00\r\n"
                             "        Outros Débitos     R$    2,00\r\n"
                             "                 Total     R$   13,00\r\n"
                             "            Valor Pago     R$    2,00\r\n"
                             "          Valor Devido     R$   11,00\r\n"
                             "Volte sempre";
    EXPECT_NE(printer.printed[0].find(body), std::string::npos) << printer.printed[0];
    EXPECT_EQ(dialogs.shownTexts().back(), "Não se esqueça de retirar impressão!");
    EXPECT_EQ(state.options().ImpNotaLoc, 1);
}

TEST_F(RentalTest, WhatIsPaidGoesThroughTheAccount)
{
    // What is paid is credit until the tape comes back; the rest is left on account.
    struct Case {
        PaymentChoice::Option payment;
        const char* typed;
        double pago;
        PaymentChoice::Option shown;
    };
    using enum PaymentChoice::Option;
    const std::vector<Case> cases = {
        {PagouParte, "10", 10, PagouParte}, {PagouParte, "4.00", 4, PagouTudo},
        {PagouParte, "abc", 0, NaoPagou},   {PagouTudo, "", 4, PagouTudo},
        {NaoPagou, "7", 0, NaoPagou},
    };

    for (const auto& c : cases) {
        writeTape(12, 1);
        writeClient(1, "Ana", 0, 0);
        state.CaixaDia = DailyTotalsRecord{};
        RentalModel rental(state, {1, true}, {});
        add(rental, "12");
        rental.payment.option = c.payment;
        rental.payment.txtValorPago = c.typed;

        EXPECT_EQ(rental.confirm(), RentalModel::Outcome::Saved) << c.typed;

        EXPECT_EQ(rental.payment.option, c.shown) << c.typed;
        EXPECT_EQ(std::tuple(client(1).ValorPago, client(1).ValorDevido, state.CaixaDia.LocPago,
                             state.CaixaDia.LocHaver),
                  std::tuple(reais(c.pago), Money(), reais(c.pago), reais(c.pago > 0 ? 0 : 4)))
            << c.typed;
    }
}

TEST_F(RentalTest, AConfirmationThatStopsWritesNothing)
{
    struct Case {
        const char* name;
        std::optional<msg::Answer> confirmOp;
        const char* term;
        PaymentChoice::Option payment;
        RentalModel::Outcome outcome;
        std::string message;
        const char* typed = "";
    };
    using Outcome = RentalModel::Outcome;
    const std::vector<Case> cases = {
        {"No", msg::Answer::No, "2", PaymentChoice::Option::PagouTudo, Outcome::Discarded, ""},
        {"Cancel", msg::Answer::Cancel, "2", PaymentChoice::Option::PagouTudo, Outcome::Stay, ""},
        {"part with nothing typed",
         {},
         "2",
         PaymentChoice::Option::PagouParte,
         Outcome::FocusValorPago,
         ""},
        {"blank term",
         {},
         "",
         PaymentChoice::Option::PagouTudo,
         Outcome::Stay,
         "Os itens Prazo e Diária não podem ficar em branco."},
        {"zero term",
         {},
         "0",
         PaymentChoice::Option::PagouTudo,
         Outcome::Stay,
         "Erro: Um dos prazos de entrega está registrado como sendo de zero dias."},
        {"negative payment",
         {},
         "2",
         PaymentChoice::Option::PagouParte,
         Outcome::FocusValorPago,
         "O valor pago não pode ser negativo.",
         "-2,00"},
    };

    for (const auto& c : cases) {
        state.options().ConfirmOp = c.confirmOp.has_value();
        dialogs.answers = {c.confirmOp.value_or(msg::Answer::Yes)};
        dialogs.messages.clear();
        RentalModel rental(state, {1, true}, {});
        add(rental, "6");
        rental.editCell(0, RentalColumn::Prazo, c.term);
        rental.payment.option = c.payment;
        rental.payment.txtValorPago = c.typed;

        EXPECT_EQ(rental.confirm(), c.outcome) << c.name;

        const std::string shown =
            dialogs.messages.empty() || c.confirmOp ? "" : dialogs.messages[0].text;
        EXPECT_EQ(shown, c.message) << c.name;
        EXPECT_FALSE(tape(6).isRented()) << c.name;
        loadCaixaDia(state);
        EXPECT_EQ(state.CaixaDia.NumLocacoes, 0) << c.name;
    }
}

TEST_F(RentalTest, ADependentOnTheHoldersAccountTakesTheTapesAndTheHolderPays)
{
    writeDependent(3, 1, "Caio", 0, 0);
    state.options().UnicaConta = true;
    RentalModel rental(state, {3, false}, {});
    add(rental, "7");
    rental.payment.option = PaymentChoice::Option::PagouParte;
    rental.payment.txtValorPago = "5";

    EXPECT_EQ(rental.confirm(), RentalModel::Outcome::Saved);

    // The last payment is the dependent's, as the situation shows it.
    EXPECT_EQ(std::tuple(dependent(3).NumFitas, dependent(3).Fitas[0], dependent(3).ValorPago,
                         dependent(3).ValorUltPgto),
              std::tuple(1, 7, Money(), reais(5)));
    EXPECT_EQ(std::tuple(client(1).NumFitas, client(1).ValorPago, client(1).ValorUltPgto),
              std::tuple(0, reais(5), Money()));
    EXPECT_EQ(std::tuple(tape(7).ClienteFita, tape(7).ClienteTitular), std::tuple(3, false));
    EXPECT_EQ(tapeBook().at(0).Dependente, 3);
}

} // namespace
} // namespace tavolim::core
