#include "app/printing/TextEditorWindow.h"

#include "app/printing/FindWindow.h"
#include "app/printing/RichTextConversion.h"
#include "app/shell/MainWindow.h"
#include "app/shell/ShellWindowFixture.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/reports/RtfReader.h"
#include "core/reports/TextFile.h"
#include "core/state/AppState.h"
#include "support/FakeStore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace tavolim::app {
namespace {

using core::msg::Answer;

// As the store's older editor wrote it, with each thing the button bar can set.
const std::string kSample =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset2 Symbol;}"
    "{\\f2\\fmodern Courier New;}}{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"
    "\\pard\\qc\\plain\\f0\\fs28\\b T\\'edtulo\\par\\pard\\plain\\f2\\fs20 normal \\b negrito"
    "\\b0  \\i it\\'e1lico\\i0  \\ul sublinhado\\ulnone  \\cf1 vermelho\\cf0\\tab fim\\par"
    "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\plain\\f2\\fs20 um"
    "\\par{\\pntext\\f1\\'b7\\tab}dois\\par\\pard\\qr\\plain\\f2\\fs20 direita\\line linha\\par"
    "\\pard\\qj\\plain\\f0\\fs17\\par}";

class TextEditorWindowTest : public ::testing::Test, protected test::FakeStore {
protected:
    TextEditorWindowTest()
    {
        window = new TextEditorWindow(state);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->chooseSaveName = [this](const QString& proposed) {
            proposedNames.push_back(proposed);
            return saveAnswer;
        };
        window->printWithFonts = [this](QTextDocument& document) {
            printedWithFonts.push_back(document.toPlainText());
            return true;
        };
        window->show();
    }
    ~TextEditorWindowTest() override { delete window.data(); }

    QString put(const char* name, const std::string& bytes)
    {
        const auto path = folder.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string());
    }

    template <class T>
    T* child(QObject* parent, const QString& name)
    {
        auto* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void trigger(const char* name) { child<QAction>(window, QString::fromLatin1(name))->trigger(); }

    void select(int start, int end)
    {
        QTextCursor cursor = window->textBox()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        window->textBox()->setTextCursor(cursor);
    }

    QPointer<TextEditorWindow> window;
    QString saveAnswer;
    std::vector<QString> proposedNames;
    std::vector<QString> printedWithFonts;
};

TEST_F(TextEditorWindowTest, RichTextGoesThroughTheTextBoxUnchanged)
{
    const core::RichDocument read = core::parseRtf(kSample).document;
    QTextDocument document;

    fillTextDocument(document, read);
    const core::RichDocument back = richDocumentOf(document);

    EXPECT_EQ(back, read);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Título\nnormal negrito itálico sublinhado "
                                                     "vermelho\tfim\num\ndois\ndireita\nlinha\n"));
    EXPECT_EQ(document.begin().next().next().textList(),
              document.begin().next().next().next().textList())
        << "two bullets in a row are one list";
    const QTextCharFormat normal = document.begin().next().begin().fragment().charFormat();
    EXPECT_EQ(normal.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(normal.fontPointSize(), 10.0);
}

TEST_F(TextEditorWindowTest, HasTheMenusAndButtonsWithOneAccessKeyEach)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("frmEdTexto"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("EdTexto - Sem Título"));
    EXPECT_NE(window->findChild<QTextEdit*>(QStringLiteral("txtNote")), nullptr);

    QStringList tips;
    for (QAction* action : child<QToolBar>(window, QStringLiteral("picToolbar"))->actions()) {
        if (!action->isSeparator()) {
            tips << action->toolTip();
        }
    }
    EXPECT_EQ(tips.join(QLatin1Char(',')),
              QStringLiteral("Novo,Abrir,Salvar,Imprimir,Procurar,Recortar,Copiar,Colar,"
                             "Desfazer,Negrito,Itálico,Sublinhado,Cor da Fonte,"
                             "Alinhar à esquerda,Centralizar,Alinhar à direita,"
                             "Alternar marcador"));

    std::vector<QList<QAction*>> menus{window->menuBar()->actions()};
    for (QAction* top : window->menuBar()->actions()) {
        menus.push_back(top->menu()->actions());
    }
    for (const QList<QAction*>& actions : menus) {
        std::set<QChar> keys;
        for (QAction* action : actions) {
            const QString text = action->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size() && text[amp + 1] != QLatin1Char('&')) {
                EXPECT_TRUE(keys.insert(text[amp + 1].toLower()).second)
                    << text.toStdString() << " shares its access key";
            }
        }
    }
    EXPECT_EQ(child<QAction>(window, QStringLiteral("mnuEditTime"))->text(),
              QStringLiteral("D&ata / Hora"));
}

TEST_F(TextEditorWindowTest, OpensEditsAndAsksBeforeClosingAChangedText)
{
    const QString name = put("nota.rtf", kSample);

    ASSERT_TRUE(window->openFile(name));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("EdTexto - ") + name);
    EXPECT_FALSE(window->model().isChanged());
    QMenu* file = child<QMenu>(window, QStringLiteral("mnuFile"));
    emit file->aboutToShow();
    EXPECT_TRUE(child<QAction>(window, QStringLiteral("mnuRecentFile1"))->isVisible());
    EXPECT_EQ(child<QAction>(window, QStringLiteral("mnuRecentFile1"))->text(), name);
    EXPECT_FALSE(child<QAction>(window, QStringLiteral("mnuRecentFile2"))->isVisible());

    window->textBox()->moveCursor(QTextCursor::End);
    window->textBox()->insertPlainText(QStringLiteral("mais"));
    EXPECT_TRUE(window->model().isChanged());

    dialogs.answers = {Answer::Cancel, Answer::Yes};
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window->textBox(), &escape);
    EXPECT_TRUE(window->isVisible()) << "Esc asks, and Cancel keeps the window";
    EXPECT_TRUE(window->close()) << "Yes saves under the same name";

    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>(2, "O texto em [" + name.toStdString() +
                                              "] foi alterado.\nDeseja salvar as alterações ?"));
    const core::RichDocument saved =
        core::parseRtf(core::readFileUpTo(name.toStdString(), 100000).bytes).document;
    EXPECT_EQ(core::plainText(saved).substr(0, 7), "Título");
    EXPECT_EQ(core::plainText(saved).substr(core::plainText(saved).size() - 4), "mais");
    EXPECT_TRUE(saved.paragraphs[0].runs[0].format.bold);
    EXPECT_EQ(settings.read("EdTexto", "Fonte", "Nome", ""), "Courier New");
}

TEST_F(TextEditorWindowTest, SavingANewTextProposesSemTituloAndWritesPlainText)
{
    window->textBox()->insertPlainText(QStringLiteral("linha 1\nlinha 2"));
    saveAnswer = QString();
    EXPECT_FALSE(window->save()) << "the operator cancelled the name";

    saveAnswer = QString::fromStdString((folder.path() / "nova.txt").string());
    EXPECT_TRUE(window->save());

    ASSERT_EQ(proposedNames.size(), 2u);
    EXPECT_TRUE(proposedNames[0].endsWith(QStringLiteral("/Sem Título.txt")));
    EXPECT_EQ(core::readFileUpTo(folder.path() / "nova.txt", 100).bytes, "linha 1\r\nlinha 2");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("EdTexto - ") + saveAnswer);
    EXPECT_FALSE(window->model().isChanged());
}

TEST_F(TextEditorWindowTest, ButtonsFormatTheSelection)
{
    window->textBox()->insertPlainText(QStringLiteral("um dois\ntrês"));
    struct Case {
        int button;
        int start;
        int end;
        const char* expected;
    };
    const Case cases[] = {
        {9, 0, 2, "[um:b] dois | três"},
        {10, 3, 7, "[um:b] [dois:i] | três"},
        {11, 8, 12, "[um:b] [dois:i] | [três:u]"},
        {9, 0, 2, "um [dois:i] | [três:u]"},
        {14, 0, 0, "<c>um [dois:i] | [três:u]"},
        {15, 9, 9, "<c>um [dois:i] | <r>[três:u]"},
        {16, 0, 12, "<c>* um [dois:i] | <r>* [três:u]"},
        {16, 0, 0, "<c>um [dois:i] | <r>* [três:u]"},
        {13, 0, 0, "um [dois:i] | <r>* [três:u]"},
    };

    for (const Case& c : cases) {
        select(c.start, c.end);

        child<QAction>(window, QStringLiteral("imgBtn%1").arg(c.button))->trigger();

        core::RichDocument document = richDocumentOf(*window->textBox()->document());
        std::string text;
        for (const auto& p : document.paragraphs) {
            text += text.empty() ? "" : " | ";
            text += p.alignment == core::Alignment::Centre  ? "<c>"
                    : p.alignment == core::Alignment::Right ? "<r>"
                                                            : "";
            text += p.bullet ? "* " : "";
            for (const auto& run : p.runs) {
                const std::string flags = std::string(run.format.bold ? "b" : "") +
                                          (run.format.italic ? "i" : "") +
                                          (run.format.underline ? "u" : "");
                text += flags.empty() ? run.text : "[" + run.text + ":" + flags + "]";
            }
        }
        EXPECT_EQ(text, c.expected) << "button " << c.button;
    }
}

TEST_F(TextEditorWindowTest, FindWindowSearchesBothWaysAndSaysWhenNothingIsThere)
{
    window->showPrintout(QStringLiteral("Fita fita FITA\r\nfim"));
    trigger("mnuSearchFind");
    auto* find = child<FindWindow>(window, QStringLiteral("frmFind"));
    auto* text = child<QLineEdit>(find, QStringLiteral("txtFind"));
    auto* findButton = child<QPushButton>(find, QStringLiteral("cmdFind"));
    EXPECT_FALSE(findButton->isEnabled()) << "nothing to find yet";

    text->setText(QStringLiteral("fita"));
    const auto selection = [this] {
        const QTextCursor c = window->textBox()->textCursor();
        return std::pair{c.selectionStart(), c.selectionEnd()};
    };
    findButton->click();
    EXPECT_EQ(selection(), (std::pair{0, 4}));
    findButton->click();
    EXPECT_EQ(selection(), (std::pair{5, 9}));
    child<QCheckBox>(find, QStringLiteral("chkCase"))->setChecked(true);
    findButton->click();
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Não encontrado: 'fita'"});
    EXPECT_EQ(selection(), (std::pair{5, 9})) << "the selection stays";

    child<QRadioButton>(find, QStringLiteral("optDirection0"))->click();
    child<QCheckBox>(find, QStringLiteral("chkCase"))->setChecked(false);
    trigger("mnuSearchFindNext");
    EXPECT_EQ(selection(), (std::pair{5, 9})) << "F3 repeats the last request, case and all";
    findButton->click();
    EXPECT_EQ(selection(), (std::pair{0, 4}));
    child<QPushButton>(find, QStringLiteral("cmdcancel"))->click();
    EXPECT_FALSE(find->isVisible());
}

TEST_F(TextEditorWindowTest, PrintsWithOrWithoutFontsAndInsertsTheDate)
{
    window->showPrintout(QStringLiteral("RECIBO\r\nTotal 3,50"));
    window->textBox()->moveCursor(QTextCursor::End);
    trigger("mnuEditTime");
    EXPECT_EQ(window->textBox()->toPlainText(),
              QStringLiteral("RECIBO\nTotal 3,5005/12/2026 14:00"));

    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::No};
    trigger("mnuFileImprimir");
    trigger("mnuFileImprimir");

    EXPECT_EQ(printedWithFonts, std::vector<QString>{window->textBox()->toPlainText()});
    EXPECT_EQ(printer.printed, std::vector<std::string>{"RECIBO\r\nTotal 3,5005/12/2026 14:00"});
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Deseja imprimir o texto usando as fontes ?",
                                        "Não se esqueça de retirar impressão!",
                                        "Deseja imprimir o texto usando as fontes ?",
                                        "Não se esqueça de retirar impressão!"}));
}

TEST_F(TextEditorWindowTest, DebuggingPrintoutsOpenInANewEditor)
{
    installTextEditor(state);
    state.options().IsDebugging = true;

    EXPECT_TRUE(core::ReceiptPrinter(state).printText("LOCADORA\r\n  Total  3,50\r\n"));

    TextEditorWindow* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window && w->objectName() == QLatin1String("frmEdTexto") && w->isVisible()) {
            shown = static_cast<TextEditorWindow*>(w);
        }
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->textBox()->toPlainText(), QStringLiteral("LOCADORA\n  Total  3,50\n"));
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("EdTexto - Sem Título"));
    EXPECT_TRUE(shown->close()) << "an unchanged printout closes without a question";
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(printer.printed.empty()) << "nothing went to the printer";
}

using EditorMenuTest = test::ShellWindowFixture;

TEST_F(EditorMenuTest, TheToolsMenuOpensTheEditorAndTheProgramWaitsForItsText)
{
    state.OperadorAtual = 1;
    MainWindow main(state, backup);
    main.refreshMenus();
    QAction* item = main.findChild<QAction*>(QStringLiteral("mnuFerrEdTexto"));
    ASSERT_TRUE(item->isEnabled());

    item->trigger();
    auto* editor = main.findChild<TextEditorWindow*>(QStringLiteral("frmEdTexto"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    editor->textBox()->insertPlainText(QStringLiteral("rascunho"));
    dialogs.answers = {Answer::Cancel};

    EXPECT_FALSE(main.close()) << "Cancel on the editor's question keeps the program open";
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{
                  "O texto em [Sem Título] foi alterado.\nDeseja salvar as alterações ?"});
    editor->textBox()->document()->setModified(false);
    editor->close();
}

} // namespace
} // namespace tavolim::app
