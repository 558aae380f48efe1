#include "app/counter/PaymentWindow.h"
#include "app/counter/ReturnWindow.h"

#include "core/counter/CounterFixture.h"
#include "core/counter/Situation.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <chrono>

namespace tavolim::app {
namespace {

using core::FileKind;
using test::reais;

// Lateness not charged: a tape costs what it was rented for.
class ReturnWindowTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        state.options().TipoCobraAtraso = 5;
        writeClient(1, "Ana", 0, 0);
    }

    void lend(std::int16_t code, double price)
    {
        auto& t = records().tape();
        t = core::TapeRecord{};
        t.Codigo = code;
        t.Nome = "Fita " + std::to_string(code);
        t.Selo = 1;
        t.Midia = 1;
        t.ClienteFita = 1;
        t.ClienteTitular = true;
        t.DataRetirada =
            core::fromYmd(std::chrono::sys_days(clock.date) - std::chrono::days{2});
        t.QtdLocadas = 1;
        t.ValorLocacao = reais(price);
        t.Dias = 2;
        ASSERT_TRUE(records().writeRecord(FileKind::Tapes, code));
        auto& c = client(1);
        c.Fitas[static_cast<std::size_t>(c.NumFitas++)] = code;
        ASSERT_TRUE(records().writeRecord(FileKind::Clients, 1));
    }

    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // A key pressed and let go, as the operator types it.
    static void key(QWidget* target, int code, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }

    static void typeKeys(QWidget* box, const QString& text)
    {
        box->setFocus();
        for (const QChar ch : text) {
            key(box, 0, QString(ch));
        }
    }
};

TEST_F(ReturnWindowTest, TwoOfThreeTapesMarkedByCodeAndPaidInPartAreWritten)
{
    lend(7, 3);
    lend(8, 2);
    lend(9, 4);
    ReturnWindow window(state, core::showSituation(state, {1, true}));
    window.show();
    auto* grid = child<QTableWidget>(window, "FlexGrid1");
    auto* cod = child<QLineEdit>(window, "txtCod");

    key(child<QRadioButton>(window, "optDevolveuAlgumas"), Qt::Key_Space, " ");
    typeKeys(cod, "7");
    key(cod, Qt::Key_Return);
    typeKeys(cod, "9");
    key(cod, Qt::Key_Return);
    grid->setCurrentCell(1, 0);
    key(grid, Qt::Key_Space, " ");
    const QString spaced = grid->item(1, 0)->text();
    key(grid, Qt::Key_Space, " ");
    auto* valorPago = child<QLineEdit>(window, "txtValorPago");
    typeKeys(valorPago, "5");
    EXPECT_TRUE(child<QRadioButton>(window, "optPagouParte")->isChecked());
    EXPECT_EQ(grid->item(0, 0)->text(), "Devolveu");
    EXPECT_EQ(grid->item(1, 0)->text(), "");
    EXPECT_EQ(grid->item(2, 0)->text(), "Devolveu");
    EXPECT_EQ(spaced, "Devolveu");
    EXPECT_EQ(child<QRadioButton>(window, "optPagouTudo")->text(), "Pagou &Tudo(R$9,00)");
    key(valorPago, Qt::Key_Return);

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const core::ClientRecord c = client(1);
    EXPECT_EQ(c.NumFitas, 1);
    EXPECT_EQ(c.Fitas[0], 8);
    EXPECT_EQ(c.ValorDevido, reais(2)); // 7.00 returned, 5.00 paid
    EXPECT_EQ(c.ValorUltPgto, reais(5));
    records().readRecord(FileKind::Tapes, 9, true);
    EXPECT_FALSE(records().tape().isRented());
    records().readRecord(FileKind::Tapes, 8, true);
    EXPECT_TRUE(records().tape().isRented());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReturnWindowTest, APartPaymentTypedIsWrittenToTheAccount)
{
    writeClient(2, "Bia", 0, 10);
    PaymentWindow window(state, {2, true}, reais(10));
    window.show();

    typeKeys(child<QLineEdit>(window, "txtValorPago"), "4");
    child<QAbstractButton>(window, "cmdOK")->click();

    EXPECT_EQ(child<QRadioButton>(window, "optPagouTudo")->text(), "Pagou &Tudo(R$10,00)");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(client(2).ValorDevido, reais(6));
    EXPECT_EQ(client(2).ValorUltPgto, reais(4));
}

} // namespace
} // namespace tavolim::app
