#include "app/shell/MainWindow.h"

#include "app/ModalRoad.h"
#include "app/shell/ShellWindowFixture.h"
#include "core/sales/SalesFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using test::ModalRoad;
using test::reais;

// Keys as the operator types them, to the modal window's focus (or `to`).
void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {},
         QWidget* to = nullptr)
{
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* target = to                              ? to
                      : modal && modal->focusWidget() ? modal->focusWidget()
                                                      : QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    if (modifiers & Qt::AltModifier) { // a mnemonic clicks its button a moment later
        QEventLoop wait;
        QTimer::singleShot(250, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

void type(const QString& text)
{
    for (const QChar ch : text) {
        key(0, Qt::NoModifier, QString(ch));
    }
}

void typeAndEnter(const QString& text)
{
    type(text);
    key(Qt::Key_Return);
}

class SalesKeyboardTest : public test::SalesTest {
protected:
    test::FakeBackup backup;
};

TEST_F(SalesKeyboardTest, AWalkInSaleFromTheMainWindowEndsInAPrintedReceipt)
{
    state.options().ImpNotaVda = 1;
    MainWindow window(state, backup);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    ModalRoad road({
        {"frmVendas",
         [](QWidget&) {
             typeAndEnter("1");             // Pipoca
             typeAndEnter("7891234567890"); // Fita Virgem, by its barcode
             key(Qt::Key_Return);           // nothing more: on to the amount paid
             typeAndEnter("10");
         }},
    });

    key(Qt::Key_V, Qt::NoModifier, QStringLiteral("v"), &window);

    EXPECT_TRUE(road.finished()) << road.stuckAt().toStdString();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("                 Troco     R$    1,50"), std::string::npos)
        << printer.printed[0];
    EXPECT_EQ(salesBook().size(), 2u);
    EXPECT_EQ(std::tuple(product(1).Estoque, product(3).Estoque), std::tuple(9.0f, 0.0f));
    EXPECT_EQ(caixaOnDisk().VendaPago, reais(8.5));
}

TEST_F(SalesKeyboardTest, AClientSaleWithAFreebieLeftOnTheAccountRefillsTheSituation)
{
    writeClient(1, "Ana", 0, 0);
    MainWindow window(state, backup);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    QString balanceShown;
    ModalRoad road({
        {"frmProcura", [](QWidget&) { typeAndEnter("1"); }},
        {"frmSitua_o", [](QWidget&) { key(Qt::Key_V, Qt::AltModifier); }},
        {"frmVendasCli",
         [](QWidget&) {
             typeAndEnter("1");
             typeAndEnter("2");
             key(Qt::Key_B, Qt::AltModifier); // the Refrigerante is a freebie
             key(Qt::Key_N, Qt::AltModifier); // Não Pagou
             key(Qt::Key_Return);
         }},
        {"frmSitua_o",
         [&balanceShown](QWidget& situation) {
             balanceShown = situation.findChild<QLabel*>("lblSaldo")->text() + " " +
                            situation.findChild<QLabel*>("lblValorSaldo")->text();
             key(Qt::Key_Escape);
         }},
    });

    key(Qt::Key_Return, Qt::NoModifier, {}, &window);

    EXPECT_TRUE(road.finished()) << road.stuckAt().toStdString();
    EXPECT_EQ(client(1).ValorDevido, reais(2.5));
    EXPECT_EQ(balanceShown, "Valor Devido: 2,50");
    EXPECT_EQ(caixaOnDisk().VendaHaver, reais(2.5));
    EXPECT_EQ(salesBook().at(1).PrecoUnit, core::Money());
}

} // namespace
} // namespace tavolim::app
