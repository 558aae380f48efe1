#include "app/sales/ClientSaleWindow.h"
#include "app/sales/SaleWindow.h"
#include "app/sales/StockEntryWindow.h"

#include "app/WindowKeys.h"
#include "core/counter/Situation.h"
#include "core/sales/SalesFixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tavolim::app {
namespace {

using test::reais;

class SalesWindowsTest : public test::SalesTest {
protected:
    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void show(QWidget& window)
    {
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }

    static void enter(const QString& text, QWidget* box)
    {
        box->setFocus();
        test::typeKeys(text, box);
        test::key(Qt::Key_Return, Qt::NoModifier, {}, box);
    }

    // A mnemonic clicks its button once its press has shown: the events run until `done`.
    static bool runUntil(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    static std::string cell(QWidget& window, int row, int column)
    {
        return child<QTableWidget>(window, "FlexGrid1")->item(row, column)->text().toStdString();
    }
};

TEST_F(SalesWindowsTest, EachWindowHasItsControlsAndNoAccessKeyTwice)
{
    writeClient(1, "Ana", 0, 0);
    const core::Situation ana = core::showSituation(state, {1, true});
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
        std::vector<const char*> controls;
    };
    const Case cases[] = {
        {"frmVendas",
         [&] { return std::make_unique<SaleWindow>(state); },
         {"txtCodProd", "txtNome", "cmdAdicionar", "cmdRemover", "FlexGrid1", "cmdAcrescimo",
          "cmdDesconto", "txtValorPago", "chkImprimir", "cmdOK", "cmdCancelar", "lblTotais"}},
        {"frmVendasCli",
         [&] { return std::make_unique<ClientSaleWindow>(state, ana); },
         {"txtCodProd", "txtNome", "cmdAdicionar", "cmdRemover", "FlexGrid1", "cmdBrinde",
          "cmdAcrescimo", "cmdDesconto", "optPagouTudo", "optPagouParte", "txtValorPago",
          "optN_oPagou", "chkImprimir", "cmdOK", "cmdCancelar"}},
        {"frmEstoque",
         [&] { return std::make_unique<StockEntryWindow>(state); },
         {"optCodBarras", "optNome", "txtCodProd", "cmdProcurar", "txtEntrada", "cmdAdicionar",
          "cmdRemover", "cmdImprimir", "cmdFechar", "FlexGrid1", "lblDados"}},
    };
    for (const Case& c : cases) {
        const auto window = c.make();

        EXPECT_EQ(window->objectName().toStdString(), c.name);
        for (const char* control : c.controls) {
            EXPECT_NE(window->findChild<QWidget*>(control), nullptr) << c.name << " " << control;
        }
        EXPECT_TRUE(test::clashingAccessKeys(window.get()).empty()) << c.name;
    }
}

TEST_F(SalesWindowsTest, AWalkInSaleTooShortStaysOpenAtTheAmountAndTakesAQuantityInTheGrid)
{
    SaleWindow window(state);
    show(window);
    auto* code = child<QLineEdit>(window, "txtCodProd");
    auto* paid = child<QLineEdit>(window, "txtValorPago");
    enter("1", code);
    auto* grid = child<QTableWidget>(window, "FlexGrid1");
    grid->setFocus();
    grid->setCurrentCell(0, static_cast<int>(core::SaleColumn::Qtde));
    test::key(Qt::Key_Return, Qt::NoModifier, {}, grid);
    auto* editor = window.findChild<QLineEdit*>("txtT");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    test::typeKeys("3", editor);
    test::key(Qt::Key_Return, Qt::NoModifier, {}, editor);
    QApplication::processEvents();
    ASSERT_EQ(cell(window, 0, 5), "7,50");
    EXPECT_EQ(child<QLabel>(window, "lblTotais")->text().toStdString(),
              "3 Produtos / Total = R$ 7,50 / Troco = R$ -7,50");

    enter("7,00", paid);

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shownTexts().back(), core::kPaidTooLittle);
    EXPECT_EQ(QApplication::focusWidget(), paid);
    EXPECT_TRUE(salesBook().empty());

    paid->selectAll();
    enter("7,50", paid);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(product(1).Estoque, 7.0f);
}

TEST_F(SalesWindowsTest, StockIsEnteredCountedAndTakenBackByKeyboard)
{
    StockEntryWindow window(state);
    show(window);
    auto* code = child<QLineEdit>(window, "txtCodProd");
    auto* units = child<QLineEdit>(window, "txtEntrada");
    auto* dados = child<QLabel>(window, "lblDados");

    enter("7891234567890", code);
    EXPECT_EQ(QApplication::focusWidget(), units);
    enter("10", units);
    EXPECT_EQ(product(3).Estoque, 11.0f);
    EXPECT_EQ(QApplication::focusWidget(), code);
    child<QRadioButton>(window, "optNome")->click();
    enter("pipoca", code);
    enter("4", units);
    EXPECT_EQ(dados->text().toStdString(), "14 Produtos Adicionados / 2 Categorias");
    EXPECT_EQ(cell(window, 1, 3), "14");

    // A count typed over the stock of the first line.
    auto* grid = child<QTableWidget>(window, "FlexGrid1");
    grid->setFocus();
    grid->setCurrentCell(0, static_cast<int>(core::StockColumn::Estoque));
    test::key(Qt::Key_F2, Qt::NoModifier, {}, grid);
    auto* editor = window.findChild<QLineEdit*>("txtT");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    test::typeKeys("5", editor);
    test::key(Qt::Key_Return, Qt::NoModifier, {}, editor);
    QApplication::processEvents();
    EXPECT_EQ(product(3).Estoque, 5.0f);
    EXPECT_EQ(dados->text().toStdString(), "8 Produtos Adicionados / 2 Categorias");

    test::key(Qt::Key_I, Qt::AltModifier, {}, grid);
    ASSERT_TRUE(runUntil([&] { return !printer.printed.empty(); }));
    EXPECT_NE(printer.printed[0].find("    1 + Entrada:4   =   5\r\n"), std::string::npos)
        << printer.printed[0];

    dialogs.answers = {core::msg::Answer::Yes};
    grid->setCurrentCell(1, 0);
    test::key(Qt::Key_R, Qt::AltModifier, {}, grid);
    ASSERT_TRUE(runUntil([&] { return grid->rowCount() == 1; }));
    EXPECT_EQ(product(1).Estoque, 10.0f);
    EXPECT_EQ(dados->text().toStdString(), "4 Produtos Adicionados / 1 Categoria");
}

} // namespace
} // namespace tavolim::app
