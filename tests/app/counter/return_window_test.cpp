#include "app/counter/PaymentWindow.h"
#include "app/counter/ReturnWindow.h"

#include "app/counter/CounterWindowFixture.h"
#include "core/counter/Situation.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <tuple>

namespace tavolim::app {
namespace {

using test::reais;

// Lateness not charged: a tape costs what it was rented for.
class ReturnWindowTest : public test::CounterWindowTest {
protected:
    void SetUp() override
    {
        CounterWindowTest::SetUp();
        state.options().TipoCobraAtraso = 5;
        writeClient(1, "Ana", 0, 0);
    }
};

TEST_F(ReturnWindowTest, TwoOfThreeTapesMarkedByCodeAndPaidInPartAreWritten)
{
    lend(7, {1, true}, 2, 2, 3);
    lend(8, {1, true}, 2, 2, 2);
    lend(9, {1, true}, 2, 2, 4);
    ReturnWindow window(state, core::showSituation(state, {1, true}));
    window.show();
    auto* grid = child<QTableWidget>(window, "FlexGrid1");
    auto* cod = child<QLineEdit>(window, "txtCod");

    key(child<QRadioButton>(window, "optDevolveuAlgumas"), Qt::Key_Space, " ");
    type("7", cod);
    key(cod, Qt::Key_Return);
    type("9", cod);
    key(cod, Qt::Key_Return);
    // Space marks the middle tape and unmarks it again.
    grid->setCurrentCell(1, 0);
    key(grid, Qt::Key_Space, " ");
    const QString spaced = grid->item(1, 0)->text();
    key(grid, Qt::Key_Space, " ");
    auto* valorPago = child<QLineEdit>(window, "txtValorPago");
    type("5", valorPago);
    EXPECT_TRUE(child<QRadioButton>(window, "optPagouParte")->isChecked());
    EXPECT_EQ(spaced, "Devolveu");
    EXPECT_EQ(grid->item(1, 0)->text(), "");
    key(valorPago, Qt::Key_Return);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(client(1).NumFitas, client(1).Fitas[0], client(1).ValorDevido),
              std::tuple(1, 8, reais(2))); // 7.00 returned, 5.00 paid
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReturnWindowTest, APartPaymentTypedIsWrittenToTheAccount)
{
    writeClient(2, "Bia", 0, 10);
    PaymentWindow window(state, {2, true}, reais(10));
    window.show();

    type("4", child<QLineEdit>(window, "txtValorPago"));
    click(window, "cmdOK");

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(client(2).ValorDevido, reais(6));
    EXPECT_EQ(client(2).ValorUltPgto, reais(4));
}

} // namespace
} // namespace tavolim::app
