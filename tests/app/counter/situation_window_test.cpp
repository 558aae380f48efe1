#include "app/counter/ReservationsWindow.h"
#include "app/counter/SituationWindow.h"
#include "app/registers/TapeWindow.h"
#include "app/shell/QtDialogs.h"

#include "app/counter/CounterWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tavolim::app {
namespace {

using core::FileKind;
using core::PersonRef;
using test::reais;

class SituationWindowTest : public test::CounterWindowTest {
protected:
    // Answers the next modal window (a search box) with a code, once it is up.
    static void answerSearch(const QString& code)
    {
        QTimer::singleShot(0, [code] {
            QWidget* search = QApplication::activeModalWidget();
            ASSERT_NE(search, nullptr);
            child<QLineEdit>(*search, "txtCodigo")->setText(code);
            click(*search, "cmdOK");
        });
    }

    // Ana owes 2.50 and has tape 7 (on time, 3.00) and tape 8 (5 days out at 2.00: three
    // terms, 6.00) at home; her dependent Bia owes 4.00. Lateness charged per agreed term,
    // no fines.
    void setUpFamily()
    {
        state.options().TipoCobraAtraso = 3;
        state.options().CobrarMulta = false;
        writeFlatLabel(2, 2);
        writeClient(1, "Ana", 0, 2.5);
        writeDependent(3, 1, "Bia", 0, 4);
        lend(7, {1, true}, 1, 2, 3);
        lend(8, {1, true}, 5, 2, 2);
    }

    static std::string cell(QWidget& window, int row, int column)
    {
        return child<QTableWidget>(window, "FlexGrid1")->item(row, column)->text().toStdString();
    }

    static std::string text(QWidget& window, const char* name)
    {
        if (auto* box = window.findChild<QLineEdit*>(QString::fromUtf8(name))) {
            return box->text().toStdString();
        }
        return child<QLabel>(window, name)->text().toStdString();
    }
};

TEST_F(SituationWindowTest, ReservationsDialogKeysChooseAndSpaceCancelsAnEntry)
{
    using Choice = core::ReservationList::Choice;
    struct Case {
        int key;
        QString text;
        Choice choice;
    };
    const std::vector<Case> cases = {
        // The letters' meanings are the list's; these reach it through the names.
        {Qt::Key_R, "R", Choice::Reservar},
        {Qt::Key_Escape, "", Choice::Cancelar},
    };
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Bia", 0, 0);
    writeReservedTape({10122026, 11122026});

    for (const auto& c : cases) {
        core::ReservationList list(state, 1);
        ReservationsWindow window(list);
        window.show();

        key(child<QListWidget>(window, "lstClientes"), c.key, c.text);

        EXPECT_EQ(window.choice(), c.choice) << c.text.toStdString();
        EXPECT_FALSE(window.isVisible());
    }

    // Space asks before cancelling the current entry; the window stays.
    core::ReservationList list(state, 1);
    ReservationsWindow window(list);
    window.show();
    auto* names = child<QListWidget>(window, "lstClientes");
    EXPECT_EQ(names->item(1)->text(), "11/12/2026  Bia Silva");
    names->setCurrentRow(1);
    dialogs.answers = {core::msg::Answer::Yes};
    key(names, Qt::Key_Space, " ");

    EXPECT_EQ(dialogs.shownTexts().back(), "Deseja anular a reserva para Bia Silva ?");
    EXPECT_EQ(tape(1).NumReservas, 1);
    EXPECT_EQ(names->count(), 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SituationWindowTest, SituationShowsTapesTotalsAndTheFamilyAndPaysThroughItsOpener)
{
    setUpFamily();
    core::Money paid;
    CounterOpeners openers;
    openers.payment = [&](core::AppState&, PersonRef person, core::Money due, QWidget*) {
        paid = due;
        auto& c = client(person.code);
        c.ValorPago = reais(20);
        c.ValorDevido = {};
        return records().writeRecord(FileKind::Clients, person.code);
    };
    SituationWindow window(state, {1, true}, openers);

    // The window copies the situation; the situation's own figures are tested in core.
    EXPECT_EQ(child<QTableWidget>(window, "FlexGrid1")->rowCount(), 7);
    EXPECT_EQ(cell(window, 0, 1), "Fita 7");
    EXPECT_EQ(cell(window, 6, 6), "11,50");
    EXPECT_EQ(text(window, "lblSaldo"), "Valor Devido:");
    EXPECT_EQ(child<QListWidget>(window, "lstClientes")->item(1)->text(), "[D] - Bia Silva");
    EXPECT_EQ(text(window, "lblSitClientesRel"), core::kRelatedOwe);
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdLoca_o")->isEnabled());

    click(window, "cmdPagamento");

    EXPECT_EQ(paid, reais(11.5));
    EXPECT_EQ(text(window, "lblSaldo"), "Saldo:");
    EXPECT_EQ(text(window, "lblValorSaldo"), "11,00");
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdPagamento")->isEnabled());
}

TEST_F(SituationWindowTest, CreditAndDebitFromThePromptReachTheAccountOnDisk)
{
    setUpFamily();
    SituationWindow window(state, {1, true}, {});

    dialogs.texts = {"14,00", std::nullopt, "1.5"};
    click(window, "cmdCredito");
    click(window, "cmdDebito");
    click(window, "cmdDebito");

    // 14.00 credit less the 2.50 owed, less 1.50 debit; the tapes' 11.50 leave 1.00.
    EXPECT_EQ(std::tuple(client(1).ValorPago, client(1).ValorDevido),
              std::tuple(reais(10), core::Money()));
    EXPECT_EQ(text(window, "lblValorSaldo"), "1,00");
    EXPECT_EQ(cell(window, 5, 6), "10,00");
}

TEST_F(SituationWindowTest, ClickingARelatedPersonShowsThemButNotTwiceInABlink)
{
    setUpFamily();
    SituationWindow window(state, {1, true}, {});
    auto* family = child<QListWidget>(window, "lstClientes");

    EXPECT_EQ(std::tuple(text(window, "lblNumInsc"), text(window, "txtNumInsc")),
              std::tuple("Nº Inscrição:", "1"));
    emit family->itemClicked(family->item(1));
    EXPECT_EQ(text(window, "txtNome"), "Bia Silva");
    EXPECT_EQ(text(window, "lblValorSaldo"), "4,00");
    // A dependent goes by the family's number, the one typed to find her.
    EXPECT_EQ(std::tuple(text(window, "lblNumInsc"), text(window, "txtNumInsc")),
              std::tuple("Nº Inscr. (titular):", "1"));
    emit family->itemClicked(family->item(0));

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Vá mais devagar!"});
    EXPECT_EQ(text(window, "txtNome"), "Bia Silva");
    EXPECT_EQ(family->currentRow(), 1);
}

TEST_F(SituationWindowTest, ReserveFindsTheTapeAndReservesItForToday)
{
    setUpFamily();
    writeClient(2, "Caio", 0, 0);
    lend(9, {2, true}, 0, 2, 2);
    SituationWindow window(state, {1, true}, {});

    answerSearch("9");
    dialogs.choices = {1};
    click(window, "cmdReserva");

    EXPECT_EQ(std::tuple(tape(9).NumReservas, tape(9).ReservaCliente[0], tape(9).ReservaData[0]),
              std::tuple(1, 1, 5122026));
}

TEST_F(SituationWindowTest, QuickReturnOpensTheRentersSituationWithTheReturnOverIt)
{
    setUpFamily();
    std::optional<PersonRef> returned;
    CounterOpeners openers;
    openers.giveBack = [&](core::AppState&, const core::Situation& s, QWidget* over) {
        returned = s.person;
        EXPECT_TRUE(over->isVisible() && over->objectName() == "frmSitua_o");
        QTimer::singleShot(0, over, [over] { qobject_cast<QDialog*>(over)->reject(); });
        return false;
    };

    answerSearch("8");
    returnTapeFromMenu(state, nullptr, openers);

    EXPECT_EQ(returned, (PersonRef{1, true}));
}

TEST_F(SituationWindowTest, ValuePromptGivesBackItsPrintBox)
{
    QtDialogs qtDialogs;
    bool print = true;
    QTimer::singleShot(0, [] {
        QWidget* prompt = QApplication::activeModalWidget();
        ASSERT_NE(prompt, nullptr);
        auto* box = child<QCheckBox>(*prompt, "chkImprimir");
        EXPECT_TRUE(box->isChecked());
        box->setChecked(false);
        child<QLineEdit>(*prompt, "txtValor")->setText("5,25");
        click(*prompt, "cmdOK");
    });

    const auto typed =
        qtDialogs.askValueWithCheck("Valor do crédito:", "Crédito", "&Imprimir", print);

    EXPECT_EQ(typed, "5,25");
    EXPECT_FALSE(print);
}

TEST_F(SituationWindowTest, ThePersonsRegisterFollowsTheClientsAccessRow)
{
    setUpFamily();
    test::setOperators(state.records().rules(), {{"Ana", "", 1}, {"Bia", "", 3}});
    for (const int level : {3, 1}) {
        state.records().rules().NivelAcesso[2] = static_cast<std::int16_t>(level);
        state.OperadorAtual = 2;

        SituationWindow situation(state, {1, true}, {});
        TapeWindow tapes(state);
        tapes.showTape(7);

        EXPECT_EQ(child<QWidget>(situation, "cmdDadosGerais")->isEnabled(), level == 3);
        EXPECT_EQ(child<QWidget>(tapes, "cmdClienteComFita")->isEnabled(), level == 3);
    }
}

} // namespace
} // namespace tavolim::app
