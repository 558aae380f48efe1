#include "app/counter/RentalWindow.h"

#include "app/counter/CounterWindowFixture.h"
#include "core/books/DayRoll.h"
#include "core/day/BusinessDay.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using test::reais;

class RentalWindowTest : public test::CounterWindowTest {
protected:
    void SetUp() override
    {
        CounterWindowTest::SetUp();
        core::startDay(state, false);
        state.options().NumViasRec = 1;
        for (std::int16_t code = 1; code <= 5; ++code) {
            writeTape(code, 1);
        }
        writeClient(1, "Ana", 0, 0);
    }
};

// Renting with Enter and printing are the keyboard test's; here the term is changed in the
// cell editor and a part payment typed after its mnemonic.
TEST_F(RentalWindowTest, ATermEditedInTheGridAndAPartPaymentAreWritten)
{
    RentalWindow window(state, {1, true}, {});
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    auto* grid = child<QTableWidget>(window, "FlexGrid1");
    for (const char* typed : {"2", "4"}) {
        type(typed);
        key(Qt::Key_Return);
    }
    grid->setFocus();
    grid->setCurrentCell(0, static_cast<int>(core::RentalColumn::Prazo));
    key(Qt::Key_Return);
    auto* editor = child<QLineEdit>(window, "txtT");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    type("3");
    key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->item(0, 3)->text(), "3");
    key(Qt::Key_P, Qt::AltModifier);
    type("5,00");
    key(Qt::Key_C, Qt::AltModifier);
    key(Qt::Key_Return);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(client(1).ValorPago, reais(5));
    EXPECT_EQ(tape(2).Dias, 3);
    EXPECT_EQ(tape(4).Dias, 2);
}

TEST_F(RentalWindowTest, ATapeChosenToRentFromTheReservationsGoesInWithoutAskingAgain)
{
    auto& t = tape(3);
    t.NumReservas = 1;
    t.ReservaCliente[0] = 2; // Beto's, not Ana's
    t.ReservaTitular[0] = true;
    t.ReservaData[0] = core::fromYmd(clock.date);
    ASSERT_TRUE(records().writeRecord(core::FileKind::Tapes, 3));
    RentalWindow window(state, {1, true}, {});
    int asked = 0;
    window.model().chooseReservation = [&asked](core::ReservationList&) {
        ++asked;
        return core::ReservationList::Choice::Cancelar;
    };

    window.addChosenTape(3);
    window.addChosenTape(4);

    EXPECT_EQ(asked, 0);
    EXPECT_EQ(window.model().rowCount(), 2u);
    EXPECT_EQ(tape(3).NumReservas, 1); // Beto keeps his reservation
}

// A client whose credit covers the tapes: the box opens on Não Pagou and Enter takes no cash;
// once the clerk picks an option himself, adding tapes no longer moves it.
TEST_F(RentalWindowTest, CreditThatCoversTheRentalOpensOnNoCashUntilTheClerkChooses)
{
    writeClient(1, "Ana", 20, 0);
    {
        RentalWindow window(state, {1, true}, {});
        window.show();
        window.activateWindow();
        QApplication::processEvents();
        type("2");
        key(Qt::Key_Return);
        EXPECT_TRUE(child<QRadioButton>(window, "optN_oPagou")->isChecked());
        key(Qt::Key_Return); // the empty code box confirms

        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(state.CaixaDia.LocPago, core::Money());
        EXPECT_EQ(client(1).ValorPago, reais(20));
    }
    RentalWindow window(state, {1, true}, {});
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    type("3");
    key(Qt::Key_Return);
    child<QRadioButton>(window, "optPagouTudo")->click();
    child<QLineEdit>(window, "txtCodFita")->setFocus();
    type("4");
    key(Qt::Key_Return);
    EXPECT_TRUE(child<QRadioButton>(window, "optPagouTudo")->isChecked());
}

} // namespace
} // namespace tavolim::app
