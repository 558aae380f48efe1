#include "core/counter/Situation.h"

#include "core/counter/CounterFixture.h"
#include "core/counter/FamilyClicks.h"
#include "core/counter/SituationPrintout.h"
#include "core/counter/TapeReservation.h"
#include "core/printing/ReceiptBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono_literals;
using test::reais;
using Choice = ReservationList::Choice;

// Label 1 at 2.00 for any count and day, 2-day terms; lateness charged per agreed term.
class SituationTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        state.options().TipoCobraAtraso = 3;
        state.options().CobrarMulta = false;
        writeFlatLabel(2, 2);
    }
};

TEST_F(SituationTest, GridHoldsEachTapeChargeAndTheFiveTotals)
{
    writeClient(1, "Ana", 0, 2.5);
    lend(7, {1, true}, 1, 2, 3);
    lend(8, {1, true}, 5, 2, 0, true); // freebie 3 days late: Int(3 / 2 + 0.99) = 2 terms

    const Situation s = showSituation(state, {1, true});

    const std::vector<SituationLine> expected = {
        {"7", "Fita 7", "3,00", "2", "1", "1", "3,00", ""},
        {"8", "Fita 8", "Brinde", "2", "5", "2", "4,00", ""},
        {"", "-Total Fitas-->", "", "", "", "", "7,00", ""},
        {"", "-Outros Gastos-->", "", "", "", "", "2,50", ""},
        {"", "-Sub-Total-->", "", "", "", "", "9,50", ""},
        {"", "-Valor Pago Adiantado-->", "", "", "", "", "0,00", ""},
        {"", "-Valor Devido-->", "", "", "", "", "9,50", ""},
    };
    EXPECT_EQ(s.lines, expected);
    EXPECT_EQ(s.balanceAmount(), reais(9.5));
    EXPECT_TRUE(s.owes());
    EXPECT_EQ(s.txtNumeroFitasEmCasa, "2");
}

// Nobody owing on file is a family up to date, whatever the tapes at home cost; the shown
// person's birthday is told as theirs.
TEST_F(SituationTest, CreditBeyondTheChargesShowsZeroDueAndTheSaldo)
{
    struct Case {
        double pago;
        const char* caption;
        double amount;
    };
    const std::vector<Case> cases = {
        {10, "Saldo:", 7}, {3, "Saldo:", 0}, {2.999, "Valor Devido:", 0.001}};

    for (const auto& c : cases) {
        writeClient(1, "Ana", c.pago, 0);
        client(1).DataNasc = fromYmd(std::chrono::year{1980} / today.month() / today.day());
        ASSERT_TRUE(records().writeRecord(FileKind::Clients, 1));
        lend(7, {1, true}, 1, 2, 3);

        const Situation s = showSituation(state, {1, true});

        EXPECT_EQ(s.lines.back()[6], "0,00") << c.pago;
        EXPECT_EQ(s.balanceCaption(), c.caption) << c.pago;
        EXPECT_EQ(s.balanceAmount(), reais(c.amount)) << c.pago;
        EXPECT_FALSE(s.lblSitClientesRelRed) << c.pago;
        EXPECT_EQ(s.birthdays,
                  std::vector<std::string>{"Este(a) cliente está de aniversário hoje!"});
    }
}

TEST_F(SituationTest, FamilyListCarriesEachStatusAndTheBirthdays)
{
    writeClient(1, "Ana", 0, 0);
    writeDependent(1, 1, "Bia", 0, 5);
    writeDependent(2, 1, "Caio", 0, 5);
    writeDependent(3, 1, "Duda", 4, 0);
    writeDependent(4, 1, "Edu", 0, 0);
    lend(7, {1, true}, 3, 2, 3);  // one day past its term
    lend(8, {1, false}, 2, 2, 3); // due today: not late, though owing
    dependent(3).DataNasc =
        fromYmd(std::chrono::year{1990} / clock.date.month() / clock.date.day());
    ASSERT_TRUE(records().writeRecord(FileKind::Dependents, 3));

    const Situation s = showSituation(state, {2, false});

    std::vector<std::string> texts;
    for (const auto& r : s.lstClientes) {
        texts.push_back(r.text);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"[F] - Ana Silva", "[L] - Bia Silva", "[D] - Caio Silva",
                                        "[C] - Duda Silva", "[N] - Edu Silva"}));
    EXPECT_EQ(s.lblSitClientesRel, "Algum(ns) dos clientes relacionados contém débito(s).");
    EXPECT_TRUE(s.lblSitClientesRelRed);
    EXPECT_EQ(s.birthdays,
              std::vector<std::string>{"O(a) cliente Duda Silva está de aniversário hoje!"});
}

TEST_F(SituationTest, ReRentModeRenewsThePastDueTapesBeforeCharging)
{
    state.options().TipoCobraAtraso = 4;
    state.options().TipoPrazo = 2;
    records().rules().AbreSabado = true;
    records().rules().AbreDomingo = true;
    writeClient(1, "Ana", 0, 0);
    lend(7, {1, true}, 5, 2, 3); // due 3 days ago, renewed for 2 days twice

    const Situation s = showSituation(state, {1, true});

    EXPECT_EQ(tape(7).AcertoQtd, 2);
    EXPECT_EQ(s.lines[0][6], "7,00"); // 3.00 + two renewals at 2.00
    EXPECT_EQ(reRentDetail(s.tapes[0]),
              "Número de Relocações: 2\nFitas Relocadas Neste Dia: 1\n"
              "Soma das Diárias das Relocações: R$4,00\nValor da Diária da Fita: R$3,00\n"
              "Valor Total: R$7,00");
    EXPECT_EQ(fineDetail(s.tapes[0]), "");
    // Renewed to tomorrow, the tape is no longer late.
    EXPECT_EQ(s.lstClientes[0].text, "[L] - Ana Silva");
}

TEST_F(SituationTest, PrintoutCarriesEachTapeWithItsLatenessAndTheAccount)
{
    state.options().CobrarMulta = true;
    auto& l = records().label();
    l.TempoMulta = 1;
    l.UnidadeMulta = 1;
    l.ValorMulta = reais(0.5);
    ASSERT_TRUE(records().writeRecord(FileKind::Labels, 1));
    writeClient(1, "Ana", 0, 2.5);
    lend(8, {1, true}, 5, 2, 3); // 3 days late: 3 agreed terms and 3 fines of 0.50
    const Situation s = showSituation(state, {1, true});
    ReceiptBuilder b(state);

    const std::string body = situationPrintoutBody(b, s);

    EXPECT_EQ(body, b.line("8 - Fita 8") + b.line("30/11/2026 a 02/12/2026  Diárias: 3") +
                        b.line("Atraso: 3d 3 multas") +
                        b.line("                Total     R$   10,50") +
                        b.line("        Fitas em casa     R$   10,50") +
                        b.line("       Outros Débitos     R$    2,50") +
                        b.line("            Sub-Total     R$   13,00") +
                        b.line(" Valor Pago Adiantado     R$    0,00") +
                        b.line("         Valor Devido     R$   13,00") +
                        b.line("                Saldo     R$    0,00"));
    EXPECT_EQ(fineDetail(s.tapes[0]), "Atraso: 3d\nNúmero de Multas: 3\n"
                                      "Valor de Cada Multa: R$0,50\nTotal: R$1,50");
    EXPECT_TRUE(printSituation(state, s));
    EXPECT_NE(printer.printed.at(0).find("#Situacao de Cliente#"), std::string::npos);
}

using SituationControlsTest = test::CounterTest;

TEST_F(SituationControlsTest, FamilyClicksFollowOtherPersonsAtAHumanPace)
{
    Situation shown;
    shown.person = {1, true};
    shown.lstClientes = {{{1, true}, "[N] - Ana Silva"}, {{4, false}, "[N] - Bia Silva"}};
    struct Step {
        std::size_t row;
        std::chrono::milliseconds at;
        std::optional<PersonRef> shows;
        bool slowDown;
    };
    const std::vector<Step> steps = {
        {0, 0ms, std::nullopt, false}, // already shown
        {2, 0ms, std::nullopt, false}, // past the list
        {1, 10ms, PersonRef{4, false}, false},
        {1, 500ms, std::nullopt, true}, // 490 ms after the last one followed
        {1, 710ms, PersonRef{4, false}, false},
    };
    FamilyClicks clicks(dialogs);

    for (const auto& s : steps) {
        dialogs.messages.clear();

        EXPECT_EQ(clicks.click(shown, s.row, s.at), s.shows) << s.at.count();

        EXPECT_EQ(dialogs.shownTexts(), s.slowDown ? std::vector<std::string>{"Vá mais devagar!"}
                                                   : std::vector<std::string>{})
            << s.at.count();
    }
}

TEST_F(SituationControlsTest, CellDetailPopsUpOnlyOnTheFigureColumnsOfATape)
{
    TapeAtHome fined;
    fined.charge = TapeChargeLine{};
    fined.charge->fine = LateFine{false, 3, 1, Money::fromCents(150), Money::fromCents(150)};
    TapeAtHome onTime;
    onTime.charge = TapeChargeLine{};
    const std::vector<TapeAtHome> tapes = {fined, onTime};
    struct Case {
        std::size_t row, column;
        bool reRent;
        const char* title; // nullptr: no pop-up
    };
    const std::vector<Case> cases = {
        {0, 7, false, "Multas"}, {1, 7, false, nullptr}, {0, 5, true, "Relocações"},
        {0, 5, false, nullptr},  {0, 1, true, nullptr},  {2, 7, false, nullptr},
    };

    for (const auto& c : cases) {
        const auto detail = cellDetail(tapes, c.row, c.column, c.reRent);

        ASSERT_EQ(detail.has_value(), c.title != nullptr) << c.row << "," << c.column;
        if (detail) {
            EXPECT_EQ(detail->title, c.title);
        }
    }
}

TEST_F(SituationControlsTest, ReserveTapeFollowsTheListChoice)
{
    struct Case {
        const char* name;
        std::vector<std::int16_t> reservedBy;
        std::optional<Choice> choice; // nullopt: the list must not show
        ReserveOutcome outcome;
        std::int16_t reservationsAfter;
    };
    const std::vector<Case> cases = {
        {"nobody reserved: tomorrow at once", {}, std::nullopt, ReserveOutcome::Reserved, 1},
        {"rent anyway", {2}, Choice::Locar, ReserveOutcome::Rent, 1},
        {"reserve too", {2}, Choice::Reservar, ReserveOutcome::Reserved, 2},
        {"already holds one", {2, 1}, Choice::Reservar, ReserveOutcome::Nothing, 2},
        {"cancelled", {2}, Choice::Cancelar, ReserveOutcome::Nothing, 1},
    };
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Bia", 0, 0);

    for (const auto& c : cases) {
        writeReservedTape(std::vector<std::int32_t>(c.reservedBy.size(), 20122026), c.reservedBy);
        dialogs.choices = {2};
        bool listShown = false;

        const auto outcome = reserveTape(state, {1, true}, 1, [&](ReservationList&) {
            listShown = true;
            return c.choice.value_or(Choice::Cancelar);
        });

        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_EQ(listShown, c.choice.has_value()) << c.name;
        EXPECT_EQ(tape(1).NumReservas, c.reservationsAfter) << c.name;
    }
    EXPECT_EQ(reserveTape(state, {1, true}, std::nullopt, nullptr), ReserveOutcome::Nothing);
}

} // namespace
} // namespace tavolim::core
