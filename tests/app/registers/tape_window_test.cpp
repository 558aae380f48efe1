#include "app/registers/TapeWindow.h"

#include "app/shell/ShellWindowFixture.h"
#include "core/registers/TapeCast.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

class TapeWindowTest : public test::ShellWindowFixture {
protected:
    static void press(QWidget* target, int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }

    // Key by key, as the operator types.
    static void keys(QWidget* box, const QString& text)
    {
        box->setFocus();
        for (const QChar ch : text) {
            press(box, 0, QString(ch));
        }
    }

    static void keys(QWidget& window, const char* name, const QString& text)
    {
        keys(child<QWidget>(window, name), text);
    }
};

TEST_F(TapeWindowTest, ANewTapeTypedInIsSavedToItsRecord)
{
    dialogs.texts = {"Matrix"};
    TapeWindow window(state);
    window.show();

    click(window, "cmdAdicionar");
    keys(window, "txtSegNome", "The Matrix");
    keys(window, "txtCodigoB", "7891234567");
    for (const char* name : {"cboSeção", "cboSelo", "cboMidia"}) {
        press(child<QComboBox>(window, name), Qt::Key_Down);
    }
    child<QAbstractButton>(window, "optDublado")->click();
    keys(window, "txtAnoLanc", "1999");
    keys(window, "txtDuracao", "136");
    keys(window, "txtDiretor", "Lana Wachowski");
    keys(window, "txtSinopse", "Neo descobre a verdade.");
    keys(window, "txtDataCompra", "05031999");
    keys(window, "txtValorCompra", "89,90");
    QLineEdit* actor = child<QComboBox>(window, "cboAtores")->lineEdit();
    keys(actor, "Keanu Reeves");
    press(actor, Qt::Key_Return);
    click(window, "cmdOK");

    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
    auto& records = state.records();
    records.readRecord(core::FileKind::Tapes, 1, true);
    core::TapeRecord t = records.tape();
    EXPECT_EQ(t.SegundoNome, "The Matrix");
    EXPECT_EQ(t.CodigoBarras, "78912345");
    EXPECT_EQ(t.Secao, 1);
    EXPECT_EQ(t.Midia, 1);
    EXPECT_TRUE(t.Tipo);
    EXPECT_EQ(t.Duracao, 136);
    EXPECT_EQ(t.DataCompra, 5031999);
    EXPECT_EQ(t.ValorCompra, core::Money::fromCents(8990));
    EXPECT_EQ(core::actorName(records, t.Atores[0]), "Keanu Reeves");
    EXPECT_EQ(core::actorName(records, t.Diretor), "Lana Wachowski");
    EXPECT_EQ(state.synopses().readSynopsis(t.Sinopse, t.TamSinopse), "Neo descobre a verdade.");
}

} // namespace
} // namespace tavolim::app
