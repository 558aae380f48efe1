#include "app/counter/RentalWindow.h"

#include "core/books/DayRoll.h"
#include "core/counter/CounterFixture.h"
#include "core/shell/BusinessDay.h"
#include "core/store/TapeRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using core::FileKind;
using test::reais;

class RentalWindowTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        core::startDay(state, false);
        state.options().NumViasRec = 1;
        for (std::int16_t code = 1; code <= 5; ++code) {
            auto& t = records().tape();
            t = core::TapeRecord{};
            t.Codigo = code;
            t.Nome = "Fita " + std::to_string(code);
            t.Selo = 1;
            t.Midia = 1;
            ASSERT_TRUE(records().writeRecord(FileKind::Tapes, code));
        }
        writeClient(1, "Ana", 0, 0);
    }

    // Keys as the operator types them, to the widget with the focus.
    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {})
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
        // A mnemonic clicks its button a moment later, as the operator sees it pressed.
        if (modifiers & Qt::AltModifier) {
            QEventLoop wait;
            QTimer::singleShot(250, &wait, &QEventLoop::quit);
            wait.exec();
        }
    }
    static void type(const QString& text)
    {
        for (const QChar ch : text) {
            key(0, Qt::NoModifier, QString(ch));
        }
    }

    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
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
    records().readRecord(FileKind::Tapes, 2, true);
    EXPECT_EQ(records().tape().ClienteFita, 1);
    EXPECT_EQ(records().tape().Dias, 3);
    core::loadCaixaDia(state);
    EXPECT_EQ(state.CaixaDia.FitasLocadas, 3);
    EXPECT_EQ(state.CaixaDia.LocHaver, reais(7));
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("000005 Fita 5"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts().back(), "Não se esqueça de retirar impressão!");
}

} // namespace
} // namespace tavolim::app
