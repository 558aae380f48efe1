#include "app/registers/ChooserWindow.h"
#include "app/registers/SearchWindow.h"

#include "core/registers/SearchFixture.h"

#include <QApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tavolim::app {
namespace {

using core::FileKind;
using core::SearchMode;

// Runs `act` on the chooser once its modal loop has shown it.
void whenChooserOpens(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmDadosProcura" && w->isVisible()) {
                act(*qobject_cast<QDialog*>(w));
                return;
            }
        }
        ADD_FAILURE() << "frmDadosProcura did not open";
    });
}

void click(QWidget& window, const char* name)
{
    auto* button = window.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Types as the operator does, so the line edit sees key presses (and a validator applies).
void type(QLineEdit& box, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&box, &press);
    }
}

TEST(SearchWindow, CaptionAndBoxOrderFollowModeAndCodPrimProc)
{
    struct Case {
        SearchMode mode;
        bool codeFirst;
        QString title;
        QString firstBox;
        bool procEsp;
        QString hint;
    };
    const std::vector<Case> cases = {
        {SearchMode::Clients, false, "Procurar Cliente", "txtNome", false,
         "Por parte do nome, comece com *: \"*carlos\" acha \"Carlos Pereira\"."},
        {SearchMode::ReturnTape, true, "Devolver Fita", "txtCodigo", true,
         "A procura por parte do nome está ligada: \"tesouro\" acha \"O Tesouro Vermelho\"."},
    };
    for (const auto& c : cases) {
        test::SearchStore store;
        store.state.options().CodPrimProc = c.codeFirst;
        store.state.options().ProcEsp = c.procEsp;

        SearchWindow window(store.state, c.mode);

        EXPECT_EQ(window.windowTitle(), c.title);
        EXPECT_EQ(window.findChild<QLabel*>("lblDica")->text(), c.hint);
        auto* form = window.findChild<QFormLayout*>();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->itemAt(0, QFormLayout::FieldRole)->widget()->objectName(), c.firstBox);
        EXPECT_EQ(window.findChild<QLineEdit*>(c.firstBox)->nextInFocusChain()->objectName(),
                  c.firstBox == "txtNome" ? "txtCodigo" : "txtNome");
    }
}

TEST(SearchWindow, ClosesOnARecordFoundAndStaysOpenOnAMessage)
{
    struct Case {
        SearchMode mode;
        const char* box;
        QString text;
        std::optional<std::pair<FileKind, int>> hit;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {SearchMode::Clients, "txtNome", "  maria SOUZA ", {{FileKind::Clients, 2}}, {}},
        {SearchMode::Operations, "txtCodigo", "4", {{FileKind::Clients, 4}}, {}},
        {SearchMode::ReturnTape, "txtNome", "3", {}, {"A fita não está emprestada."}},
        {SearchMode::Products, "txtNome", "", {}, {}},
    };
    for (const auto& c : cases) {
        test::SearchStore store;
        SearchWindow window(store.state, c.mode);
        window.show();
        window.findChild<QLineEdit*>(c.box)->setText(c.text);

        click(window, "cmdOK");

        const auto what = c.text.toStdString();
        EXPECT_EQ(window.found().has_value(), c.hit.has_value()) << what;
        if (c.hit) {
            EXPECT_EQ(window.found()->kind, c.hit->first) << what;
            EXPECT_EQ(window.found()->number, c.hit->second) << what;
        }
        EXPECT_EQ(window.isVisible(), !c.hit) << what;
        EXPECT_EQ(store.dialogs.shownTexts(), c.messages) << what;
    }
}

TEST(SearchWindow, TypingInOneBoxEmptiesTheOther)
{
    test::SearchStore store;
    SearchWindow window(store.state, SearchMode::Clients);
    auto* code = window.findChild<QLineEdit*>("txtCodigo");
    auto* name = window.findChild<QLineEdit*>("txtNome");
    name->setText("maria");

    type(*code, "2x");

    EXPECT_EQ(code->text(), "2"); // digits only
    EXPECT_TRUE(name->text().isEmpty());
}

TEST(SearchWindow, SeveralMatchesAreOfferedInTheChooser)
{
    test::SearchStore store;
    SearchWindow window(store.state, SearchMode::Operations);
    window.show();
    window.findChild<QLineEdit*>("txtNome")->setText("joão silva");
    QStringList offered;
    QString caption;
    whenChooserOpens([&](QDialog& chooser) {
        caption = chooser.windowTitle();
        auto* list = chooser.findChild<QListWidget*>("lstDados");
        for (int i = 0; i < list->count(); ++i) {
            offered << list->item(i)->text();
        }
        emit list->itemClicked(list->item(1));
    });

    click(window, "cmdOK");

    EXPECT_EQ(caption, "Clique no Nome do(a) Cliente");
    EXPECT_EQ(offered.size(), 2);
    ASSERT_TRUE(window.found());
    EXPECT_EQ(window.found()->kind, FileKind::Dependents);
    EXPECT_EQ(store.state.records().dependent().Titular, 1);
}

TEST(ChooserWindow, ReturnsTheLineClickedShownOrNone)
{
    struct Case {
        std::function<void(ChooserWindow&)> act;
        std::optional<std::size_t> chosen;
    };
    const std::vector<Case> cases = {
        {[](ChooserWindow& w) {
             w.findChild<QListWidget*>("lstDados")->setCurrentRow(2);
             click(w, "cmdExibir");
         },
         2},
        {[](ChooserWindow& w) {
             auto* list = w.findChild<QListWidget*>("lstDados");
             emit list->itemClicked(list->item(1));
         },
         1},
        {[](ChooserWindow& w) { click(w, "cmdCancelar"); }, std::nullopt},
    };
    for (const auto& c : cases) {
        ChooserWindow window("Clique no Selo", {"001 Lançamento", "002 Catálogo", "003 Infantil"});
        window.show();

        c.act(window);

        EXPECT_EQ(window.chosen(), c.chosen);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(ChooserWindow, ServesTheUndoOfDeletion)
{
    const std::vector<core::UndeleteOffer> offers = {{7, "000007 Matrix"}, {2, "000002 Alien"}};
    QString caption;
    whenChooserOpens([&](QDialog& chooser) {
        caption = chooser.windowTitle();
        chooser.findChild<QListWidget*>("lstDados")->setCurrentRow(1);
        click(chooser, "cmdExibir");
    });

    const auto picked = undeleteChooser(nullptr, FileKind::Tapes)(offers);

    EXPECT_EQ(caption, "Clique no Nome do Filme");
    EXPECT_EQ(picked, std::vector<std::int32_t>{2});
}

} // namespace
} // namespace tavolim::app
