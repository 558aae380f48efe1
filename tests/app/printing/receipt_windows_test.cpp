#include "app/printing/NoteDialog.h"
#include "app/printing/PrintingActions.h"
#include "app/printing/ReceiptSettingsWindow.h"
#include "app/printing/TextWindow.h"

#include "core/printing/ReceiptPrinter.h"
#include "core/state/AppState.h"
#include "core/store/Money.h"
#include "core/store/RecordStore.h"
#include "support/FakeStore.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

class ReceiptWindowsTest : public ::testing::Test, protected test::InstalledStore {
protected:
    void SetUp() override { state.OperadorAtual = 1; }

    template <class T>
    static T* child(QWidget* window, const char* name)
    {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void press(QWidget* widget, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
};

TEST_F(ReceiptWindowsTest, SettingsWindowRefusesLongLinesAndSavesWhatIsTyped)
{
    ReceiptSettingsWindow window(state);
    window.show();
    auto* header = child<QPlainTextEdit>(&window, "txtCabecalho");
    auto* manual = child<QRadioButton>(&window, "optCabManual");
    auto* comum = child<QRadioButton>(&window, "optImpComum");
    auto* fiscal = child<QRadioButton>(&window, "optImpFiscal");

    manual->click();
    header->setPlainText(QStringLiteral("LOCADORA\n") + QString(41, QLatin1Char('x')));

    EXPECT_EQ(header->toPlainText(), QString()) << "the line over 40 is undone";
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O número máximo de caracteres por linha é 40."});

    comum->click();
    header->setPlainText(QStringLiteral("LOCADORA\n") + QString(41, QLatin1Char('x')));
    EXPECT_EQ(header->toPlainText().size(), 9 + 41) << "45 columns on the common printer";
    fiscal->click();
    EXPECT_EQ(dialogs.shownTexts().back(),
              "É aconselhável rever o tamanho das mensagens dos recibos assim como o "
              "alinhamento.");

    header->setPlainText(QStringLiteral("LOCADORA\nRua 1"));
    auto* messages = child<QComboBox>(&window, "cboNota");
    auto* message = child<QPlainTextEdit>(&window, "txtMsgNota");
    messages->setCurrentIndex(2);
    message->setPlainText(QStringLiteral("Volte sempre!"));
    messages->setCurrentIndex(0);
    EXPECT_EQ(message->toPlainText(), QString());
    child<QSpinBox>(&window, "txtEspEsq")->setValue(2);
    child<QSpinBox>(&window, "txtNumViasRec")->setValue(2);
    child<QRadioButton>(&window, "optDireto")->click();
    child<QLineEdit>(&window, "txtPorta")->setText(QStringLiteral("/tmp/lp0"));
    child<QPushButton>(&window, "cmdOK")->click();

    EXPECT_FALSE(window.isVisible());
    const core::Options& o = state.options();
    EXPECT_FALSE(o.CabAuto);
    EXPECT_EQ(o.Cabecalho, "LOCADORA\r\nRua 1");
    EXPECT_EQ(o.ObsPag, "Volte sempre!");
    EXPECT_EQ(o.NCol, 40);
    EXPECT_EQ(o.NumViasRec, 2);
    EXPECT_EQ(o.PortaImp, "/tmp/lp0");
    core::RecordStore disk(folder.path());
    disk.readRecord(core::FileKind::GeneralRules, 1, true);
    EXPECT_EQ(disk.rules().MargemEsq, 2);
}

TEST_F(ReceiptWindowsTest, AlignButtonsWorkOnTheCurrentLine)
{
    state.options().Cabecalho = "LOJA\r\nRua 1";
    ReceiptSettingsWindow window(state);
    window.show();
    auto* header = child<QPlainTextEdit>(&window, "txtCabecalho");
    const QString centred = QString(17, QLatin1Char(' ')) + QStringLiteral("Rua 1");

    struct Case {
        const char* button;
        QString line;
    };
    const Case cases[] = {
        {"cmdAlignCab_0", centred},
        {"cmdAlignCab_2", QString(35, QLatin1Char(' ')) + QStringLiteral("Rua 1")},
        {"cmdAlignCab_1", QStringLiteral("Rua 1")},
    };
    for (const Case& c : cases) {
        header->setTextCursor(QTextCursor(header->document()->findBlockByNumber(1)));

        child<QPushButton>(&window, c.button)->click();

        EXPECT_EQ(header->toPlainText(), QStringLiteral("LOJA\n") + c.line) << c.button;
    }
}

TEST_F(ReceiptWindowsTest, EscAsksToSaveAndCancelStays)
{
    ReceiptSettingsWindow window(state);
    window.show();
    const auto before = state.records().rules().LinhasAcima;
    child<QSpinBox>(&window, "txtLinhasAcima")->setValue(before + 3);
    dialogs.answers = {core::msg::Answer::Cancel, core::msg::Answer::No};
    press(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "Cancel stays";
    press(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.shownTexts().back(), "Deseja salvar as alterações ?");
    EXPECT_EQ(state.records().rules().LinhasAcima, before) << "No saves nothing";
}

TEST_F(ReceiptWindowsTest, NoteTagTellsOkFromCancel)
{
    struct Case {
        const char* button; // nullptr: Esc
        QString tag;
    };
    const Case cases[] = {
        {"cmdOK", QString()}, {"cmdCancelar", QStringLiteral("x")}, {nullptr, QStringLiteral("x")}};
    for (const Case& c : cases) {
        NoteDialog note;
        note.show();
        child<QLineEdit>(&note, "txtValor")->setText(QStringLiteral("12,50"));
        child<QLineEdit>(&note, "txtNota")->setText(QStringLiteral("Desconto"));

        if (c.button) {
            child<QPushButton>(&note, c.button)->click();
        } else {
            press(&note, Qt::Key_Escape);
        }

        EXPECT_FALSE(note.isVisible());
        EXPECT_EQ(note.tag(), c.tag);
        EXPECT_EQ(note.amount(), core::Money::fromCents(1250));
    }
}

TEST_F(ReceiptWindowsTest, TextWindowPrintsFramedAndDebuggingShowsTheTestReceipt)
{
    TextWindow window(state, QStringLiteral("linha 1\r\nlinha 2"), QStringLiteral("#Lista#"));
    window.show();

    child<QPushButton>(&window, "cmdImprimir")->click();

    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("h #Lista#\r\n"), std::string::npos);
    EXPECT_NE(printer.printed[0].find("\r\nlinha 1\r\nlinha 2\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts().back(), std::string(core::kRemovePrintout));

    state.options().IsDebugging = true;
    installTextWindow(state);
    printTestReceipt(state);

    QWidget* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &window && w->objectName() == QLatin1String("frmText") && w->isVisible()) {
            shown = w;
        }
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(child<QPlainTextEdit>(shown, "txtText")->toPlainText().contains(u"#Rec.Teste#"));
    EXPECT_FALSE(child<QPushButton>(shown, "cmdImprimir")->isVisible());
    EXPECT_EQ(printer.printed.size(), 1u);
    shown->close();
}

} // namespace
} // namespace tavolim::app
