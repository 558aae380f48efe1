#include "app/counter/RentalWindow.h"

#include "app/counter/CounterWindowFixture.h"
#include "core/books/DayRoll.h"
#include "core/shell/BusinessDay.h"

#include <QLabel>
#include <QLineEdit>
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

TEST_F(RentalWindowTest, ThreeTapesTypedWithEnterAreRentedAndTheReceiptPrinted)
{
    RentalWindow window(state, {1, true}, {});
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    auto* grid = child<QTableWidget>(window, "FlexGrid1");

    for (const char* typed : {"2", "4", "5"}) {
        type(typed);
        key(Qt::Key_Return);
    }
    // The first tape's term, changed in the cell editor.
    grid->setFocus();
    grid->setCurrentCell(0, static_cast<int>(core::RentalColumn::Prazo));
    key(Qt::Key_Return);
    auto* editor = child<QLineEdit>(window, "txtT");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    type("3");
    key(Qt::Key_Return);
    QApplication::processEvents();
    const QString term = grid->item(0, 3)->text();
    const QString caption = child<QLabel>(window, "lblTotais")->text();
    key(Qt::Key_P, Qt::AltModifier);
    type("5,00");
    key(Qt::Key_I, Qt::AltModifier);
    key(Qt::Key_C, Qt::AltModifier);
    key(Qt::Key_Return);

    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(term, "3");
    EXPECT_EQ(caption, "3 Fitas Locadas / Menor entrega em 2 dias / 07/12/2026 / "
                       "Valor = R$ 12,00");
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const auto& ana = client(1);
    EXPECT_EQ(ana.NumFitas, 3);
    EXPECT_EQ(ana.Fitas[2], 5);
    EXPECT_EQ(ana.ValorPago, reais(5));
    EXPECT_EQ(tape(2).ClienteFita, 1);
    EXPECT_EQ(tape(2).Dias, 3);
    core::loadCaixaDia(state);
    EXPECT_EQ(state.CaixaDia.FitasLocadas, 3);
    EXPECT_EQ(state.CaixaDia.LocHaver, reais(7));
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("000005 Fita 5"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts().back(), "Não se esqueça de retirar impressão!");
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

} // namespace
} // namespace tavolim::app
