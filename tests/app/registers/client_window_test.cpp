#include "app/registers/ClientWindow.h"

#include "app/shell/ShellWindowFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

class ClientWindowTest : public test::ShellWindowFixture {
protected:
    // Key by key, as the operator types.
    static void keys(QWidget& window, const char* name, const QString& text)
    {
        QLineEdit* box = child<QLineEdit>(window, name);
        box->setFocus();
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(box, &press);
        }
    }
};

TEST_F(ClientWindowTest, ANewClientTypedInIsSavedToItsRecord)
{
    dialogs.texts = {"Maria Souza"};
    ClientWindow window(state);
    window.show();

    click(window, "cmdAdicionar");
    keys(window, "txtCI", "1234567");
    keys(window, "txtCPF", "123.456.789-00");
    keys(window, "txtDataNasc", "05/03/1981");
    type(window, "txtEndereço", "Rua das Flores, 10");
    type(window, "txtCEP", "01310-100");
    type(window, "txtCidade", "São Paulo");
    child<QAbstractButton>(window, "optFem")->click();
    child<QAbstractButton>(window, "optCasaPropria")->click();
    click(window, "cmdSalvar");
    EXPECT_FALSE(window.model().isDirty());
    click(window, "cmdOK");

    EXPECT_FALSE(window.isVisible());
    auto& records = state.records();
    records.readRecord(core::FileKind::Clients, 1, true);
    const core::ClientRecord c = records.client();
    EXPECT_EQ(c.PrimNome, "Maria");
    EXPECT_EQ(c.CI, "1234567");
    EXPECT_EQ(c.CPF, "123.456.789-00");
    EXPECT_EQ(c.DataNasc, 5031981);
    EXPECT_EQ(c.Cidade, "São Paulo");
    EXPECT_EQ(c.CEP, 1310100);
    EXPECT_FALSE(c.Sexo);
    EXPECT_TRUE(c.TipoCasa);
}

TEST_F(ClientWindowTest, SituationShowsTheClientSavedFirst)
{
    dialogs.texts = {"Maria Souza"};
    ClientWindow window(state);
    window.show();
    click(window, "cmdAdicionar");
    type(window, "txtCidade", "Recife");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* situation = QApplication::activeModalWidget();
        ASSERT_NE(situation, nullptr);
        EXPECT_EQ(situation->objectName(), "frmSitua_o");
        shown = child<QLineEdit>(*situation, "txtNome")->text();
        situation->close();
    });

    click(window, "cmdSituação");

    EXPECT_EQ(shown, "Maria Souza");
    EXPECT_FALSE(window.model().isDirty());
    state.records().readRecord(core::FileKind::Clients, 1, true);
    EXPECT_EQ(state.records().client().Cidade, "Recife");
}

TEST_F(ClientWindowTest, AnEmptyRegisterLetsOnlyAdicionarActAndSaysSo)
{
    ClientWindow empty(state);
    empty.show();
    const auto enabled = [](QWidget& window, const char* name) {
        return child<QWidget>(window, name)->isEnabled();
    };

    for (const char* name : {"cmdSalvar", "cmdExcluir", "cmdCancelar", "cmdProcurar", "cmdSituação",
                             "cmdNovoDep", "cmdProxCliente", "txtPrimNome"}) {
        EXPECT_FALSE(enabled(empty, name)) << name;
    }
    EXPECT_TRUE(enabled(empty, "cmdAdicionar"));
    EXPECT_TRUE(enabled(empty, "cmdOK"));
    EXPECT_TRUE(child<QWidget>(empty, "lblVazio")->isVisible());

    dialogs.texts = {"Maria Souza"};
    click(empty, "cmdAdicionar");

    for (const char* name : {"cmdSalvar", "cmdExcluir", "txtPrimNome"}) {
        EXPECT_TRUE(enabled(empty, name)) << name;
    }
    EXPECT_FALSE(child<QWidget>(empty, "lblVazio")->isVisible());
}

TEST_F(ClientWindowTest, EscAsksAboutTypedChangesUnlessTheOptionDropsThem)
{
    struct Case {
        int acaoQdoSaiForm;
        core::msg::Answer answer;
        bool closed;
        const char* stored; // the city on file afterwards
    };
    const Case cases[] = {
        {0, core::msg::Answer::Yes, true, ""},
        {1, core::msg::Answer::Cancel, false, ""},
        {1, core::msg::Answer::Yes, true, "Recife"},
        {2, core::msg::Answer::No, true, ""},
    };
    for (const Case& c : cases) {
        test::InstalledStore store;
        store.state.options().AcaoQdoSaiForm = static_cast<std::int16_t>(c.acaoQdoSaiForm);
        store.dialogs.texts = {"Maria Souza"};
        ClientWindow window(store.state);
        window.show();
        click(window, "cmdAdicionar");
        click(window, "cmdSalvar");
        type(window, "txtCidade", "Recife");
        store.dialogs.answers = {c.answer};

        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(child<QLineEdit>(window, "txtCidade"), &esc);

        EXPECT_EQ(!window.isVisible(), c.closed) << c.acaoQdoSaiForm;
        EXPECT_EQ(store.dialogs.messages.size(), c.acaoQdoSaiForm == 0 ? 0u : 1u);
        store.state.records().readRecord(core::FileKind::Clients, 1, true);
        EXPECT_EQ(store.state.records().client().Cidade, c.stored) << c.acaoQdoSaiForm;
    }
}

} // namespace
} // namespace tavolim::app
