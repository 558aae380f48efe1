#include "app/counter/ReservationsWindow.h"
#include "app/counter/SituationWindow.h"
#include "app/shell/QtDialogs.h"

#include "core/counter/CounterFixture.h"
#include "core/counter/LentTapes.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::app {
namespace {

using core::FileKind;
using core::PersonRef;
using test::reais;

class CounterWindowTest : public test::CounterTest {
protected:
    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void press(QWidget* target, int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }

    // Tape 1, out with client 9, reserved by clients 1, 2, ... from the 10th on.
    void reserveTape(const std::vector<std::int16_t>& persons)
    {
        auto& t = records().tape();
        t = core::TapeRecord{};
        t.Codigo = 1;
        t.Nome = "Fita";
        t.ClienteFita = 9;
        t.ClienteTitular = true;
        for (std::size_t i = 0; i < persons.size(); ++i) {
            t.ReservaCliente[i] = persons[i];
            t.ReservaTitular[i] = true;
            t.ReservaData[i] = static_cast<std::int32_t>(10 + i) * 1000000 + 122026;
        }
        t.NumReservas = static_cast<std::int16_t>(persons.size());
        ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 1));
    }

    static void click(QWidget& window, const char* name)
    {
        child<QAbstractButton>(window, name)->click();
    }

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

    // Tape `code` with the person since `ago` days, for 2 days, at `price`.
    void lend(std::int16_t code, PersonRef person, int ago, double price)
    {
        const auto taken = std::chrono::sys_days(clock.date) - std::chrono::days{ago};
        test::lendTape(records(), code, person, core::fromYmd(taken), 2, reais(price));
    }

    // Ana owes 2.50 and has tape 7 (on time, 3.00) and tape 8 (5 days out at 2.00: three
    // terms, 6.00) at home; her dependent Bia owes 4.00.
    void setUpFamily()
    {
        // Lateness charged per agreed term, no fines.
        state.options().TipoCobraAtraso = 3;
        state.options().CobrarMulta = false;
        test::writeFlatLabel(records(), reais(2), 2);
        writeClient(1, "Ana", 0, 2.5);
        writeDependent(3, 1, "Bia", 0, 4);
        lend(7, {1, true}, 1, 3);
        lend(8, {1, true}, 5, 2);
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

    std::int16_t reservationsOnFile()
    {
        records().readRecord(FileKind::Tapes, 1, true);
        return records().tape().NumReservas;
    }
};

TEST_F(CounterWindowTest, ReservationsDialogKeysChooseAndSpaceCancelsAnEntry)
{
    using Choice = core::ReservationList::Choice;
    struct Case {
        int key;
        QString text;
        Choice choice;
    };
    const std::vector<Case> cases = {
        {Qt::Key_L, "l", Choice::Locar},
        {Qt::Key_R, "R", Choice::Reservar},
        {Qt::Key_C, "c", Choice::Cancelar},
        {Qt::Key_Escape, "", Choice::Cancelar},
    };
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Bia", 0, 0);
    reserveTape({1, 2});

    for (const auto& c : cases) {
        core::ReservationList list(state, 1);
        ReservationsWindow window(list);
        window.show();
        auto* names = child<QListWidget>(window, "lstReservas");
        ASSERT_EQ(names->count(), 2);
        EXPECT_EQ(names->item(1)->text(), "11/12/2026  Bia Silva");

        press(names, c.key, c.text);

        EXPECT_EQ(window.choice(), c.choice) << c.text.toStdString();
        EXPECT_FALSE(window.isVisible());
    }

    core::ReservationList list(state, 1);
    ReservationsWindow window(list);
    window.show();
    auto* names = child<QListWidget>(window, "lstReservas");
    names->setCurrentRow(1);
    dialogs.answers = {core::msg::Answer::No, core::msg::Answer::Yes};
    press(names, Qt::Key_Space, " ");
    EXPECT_EQ(reservationsOnFile(), 2);
    press(names, Qt::Key_Space, " ");

    EXPECT_EQ(dialogs.shownTexts().back(), "Deseja anular a reserva para Bia Silva ?");
    EXPECT_EQ(reservationsOnFile(), 1);
    EXPECT_EQ(names->count(), 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(CounterWindowTest, SituationShowsTapesTotalsAndTheFamilyAndPaysThroughItsOpener)
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

    const std::vector<std::string> first = {"7", "Fita 7", "3,00", "2", "1", "1", "3,00", ""};
    for (std::size_t column = 0; column < first.size(); ++column) {
        EXPECT_EQ(cell(window, 0, static_cast<int>(column)), first[column]) << column;
    }
    EXPECT_EQ(child<QTableWidget>(window, "FlexGrid1")->rowCount(), 7);
    EXPECT_EQ(cell(window, 1, 6), "6,00");
    EXPECT_EQ(cell(window, 6, 1), "-Valor Devido-->");
    EXPECT_EQ(cell(window, 6, 6), "11,50");
    EXPECT_EQ(text(window, "lblSaldo"), "Valor Devido:");
    EXPECT_EQ(text(window, "lblValorSaldo"), "11,50");
    EXPECT_EQ(text(window, "txtNome"), "Ana Silva");
    EXPECT_EQ(text(window, "txtNumeroFitasEmCasa"), "2");
    auto* family = child<QListWidget>(window, "lstClientes");
    ASSERT_EQ(family->count(), 2);
    EXPECT_EQ(family->item(0)->text(), "[F] - Ana Silva");
    EXPECT_EQ(family->item(1)->text(), "[D] - Bia Silva");
    EXPECT_EQ(text(window, "lblSitClientesRel"), core::kRelatedOwe);
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdLoca_o")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdVenda")->isEnabled());

    click(window, "cmdPagamento");

    EXPECT_EQ(paid, reais(11.5));
    EXPECT_EQ(text(window, "lblSaldo"), "Saldo:");
    EXPECT_EQ(text(window, "lblValorSaldo"), "11,00");
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdPagamento")->isEnabled());
}

TEST_F(CounterWindowTest, CreditAndDebitFromThePromptReachTheAccountOnDisk)
{
    setUpFamily();
    SituationWindow window(state, {1, true}, {});

    dialogs.texts = {"14,00", std::nullopt, "1.5"};
    click(window, "cmdCredito");
    click(window, "cmdDebito");
    click(window, "cmdDebito");

    EXPECT_EQ(client(1).ValorPago, reais(10));
    EXPECT_EQ(client(1).ValorDevido, core::Money());
    EXPECT_EQ(text(window, "lblSaldo"), "Saldo:");
    EXPECT_EQ(text(window, "lblValorSaldo"), "1,00");
    EXPECT_EQ(cell(window, 5, 6), "10,00");
}

TEST_F(CounterWindowTest, ClickingARelatedPersonShowsThemButNotTwiceInABlink)
{
    setUpFamily();
    SituationWindow window(state, {1, true}, {});
    auto* family = child<QListWidget>(window, "lstClientes");

    emit family->itemClicked(family->item(1));
    EXPECT_EQ(text(window, "txtNome"), "Bia Silva");
    EXPECT_EQ(text(window, "lblValorSaldo"), "4,00");
    emit family->itemClicked(family->item(0));

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Vá mais devagar!"});
    EXPECT_EQ(text(window, "txtNome"), "Bia Silva");
    EXPECT_EQ(family->currentRow(), 1);
}

TEST_F(CounterWindowTest, ReserveFindsTheTapeAndReservesItForToday)
{
    setUpFamily();
    writeClient(2, "Caio", 0, 0);
    lend(9, {2, true}, 0, 2);
    SituationWindow window(state, {1, true}, {});

    answerSearch("9");
    dialogs.choices = {1};
    click(window, "cmdReserva");

    records().readRecord(FileKind::Tapes, 9, true);
    const auto& tape = records().tape();
    EXPECT_EQ(tape.NumReservas, 1);
    EXPECT_EQ(tape.ReservaCliente[0], 1);
    EXPECT_EQ(tape.ReservaData[0], 5122026);
}

TEST_F(CounterWindowTest, QuickReturnOpensTheRentersSituationWithTheReturnOverIt)
{
    setUpFamily();
    std::optional<PersonRef> returned;
    CounterOpeners openers;
    openers.giveBack = [&](core::AppState&, const core::Situation& s, QWidget* over) {
        returned = s.person;
        EXPECT_EQ(over->objectName(), "frmSitua_o");
        EXPECT_TRUE(over->isVisible());
        QTimer::singleShot(0, over, [over] { qobject_cast<QDialog*>(over)->reject(); });
        return false;
    };

    answerSearch("8");
    returnTapeFromMenu(state, nullptr, openers);

    EXPECT_EQ(returned, (PersonRef{1, true}));
}

TEST_F(CounterWindowTest, ValuePromptGivesBackItsPrintBox)
{
    QtDialogs qtDialogs;
    bool print = true;
    QTimer::singleShot(0, [] {
        QWidget* prompt = QApplication::activeModalWidget();
        ASSERT_NE(prompt, nullptr);
        EXPECT_TRUE(child<QCheckBox>(*prompt, "chkImprimir")->isChecked());
        child<QCheckBox>(*prompt, "chkImprimir")->setChecked(false);
        child<QLineEdit>(*prompt, "txtValor")->setText("5,25");
        click(*prompt, "cmdOK");
    });

    const auto typed =
        qtDialogs.askValueWithCheck("Valor do crédito:", "Crédito", "&Imprimir", print);

    EXPECT_EQ(typed, "5,25");
    EXPECT_FALSE(print);
}

} // namespace
} // namespace tavolim::app
