#include "app/shell/AccessLevelsWindow.h"
#include "app/shell/LoginWindow.h"
#include "app/shell/OperatorsWindow.h"

#include "ShellWindowFixture.h"
#include "core/state/Operators.h"

#include <QListWidget>
#include <QSlider>
#include <QTableWidget>

namespace tavolim::app {
namespace {

using OperatorWindowsTest = test::ShellWindowFixture;
using Mode = core::AccessForm::Mode;

TEST_F(OperatorWindowsTest, ThreeWrongPasswordsCloseTheLoginWithNobody)
{
    setOperators({{"Ana", "certa", 1}, {"Bia", "", 3}});
    LoginWindow window(state, Mode::Login);
    window.show();

    for (const char* password : {"errada", "outra", "mais uma"}) {
        ASSERT_TRUE(window.isVisible());
        type(window, "txtNome", "ana");
        type(window, "txtSenha", password);
        click(window, "cmdOK");
    }

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(window.form().loggedIn(), 0);
}

TEST_F(OperatorWindowsTest, RightPasswordLogsInAndANewOneIsTypedInTwoBoxes)
{
    setOperators({{"Ana", "certa", 1}, {"Bia", "", 3}});
    LoginWindow login(state, Mode::Login);
    login.show();
    EXPECT_EQ(login.findChild<QLineEdit*>("txtConfirmaSenha"), nullptr);
    type(login, "txtNome", " ANA ");
    type(login, "txtSenha", "CERTA");
    click(login, "cmdOK");
    EXPECT_EQ(login.form().loggedIn(), 1);

    state.OperadorAtual = 2;
    LoginWindow change(state, Mode::ChangePassword);
    change.show();
    EXPECT_EQ(child<QLineEdit>(change, "txtNome")->text(), "Bia");
    EXPECT_TRUE(child<QLineEdit>(change, "txtNome")->isReadOnly());
    type(change, "txtSenha", "nova");
    type(change, "txtConfirmaSenha", "nvoa");
    click(change, "cmdOK");
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(child<QLineEdit>(change, "txtSenha")->text(), "");
    EXPECT_EQ(child<QLineEdit>(change, "txtConfirmaSenha")->text(), "");
    type(change, "txtSenha", "nova");
    type(change, "txtConfirmaSenha", "NOVA");
    click(change, "cmdOK");

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"A Senha Digitada Não Coincide."});
    EXPECT_EQ(change.result(), QDialog::Accepted);
    EXPECT_TRUE(core::passwordMatches(state.records().rules(), 2, "nova"));
}

TEST_F(OperatorWindowsTest, OperatorsWindowRefusesAndMovesLevels)
{
    setOperators({{"Ana", "", 1}, {"Bia", "", 2}, {"Caio", "", 3}});
    state.OperadorAtual = 1;
    OperatorsWindow window(state);
    auto* list = child<QListWidget>(window, "lstUsuarios");
    auto* slider = child<QSlider>(window, "Slider1");
    ASSERT_EQ(list->count(), 3);

    list->setCurrentRow(0);
    slider->setValue(3);
    EXPECT_EQ(slider->value(), 1);
    click(window, "cmdExcluir");

    list->setCurrentRow(1);
    EXPECT_EQ(slider->value(), 2);
    slider->setValue(3);
    dialogs.answers = {core::msg::Answer::Yes};
    click(window, "cmdExcluir");

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{
                  "Não é Possível Excluir Todos os Administradores.",
                  "Acesso Negado: O(A) usuário(a) não pode ser excluído(a) enquanto estiver "
                  "como usuário(a) ativo(a).",
                  "Tem Certeza que Deseja Excluir 'Bia' do Registro de Usuários ?"}));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Caio");
    EXPECT_EQ(state.records().rules().NumOperadores, 2);
}

TEST_F(OperatorWindowsTest, AccessLevelGridTakesOneToThreeAndSavesOnOk)
{
    int refreshed = 0;
    state.dayHooks.refreshMenus = [&] { ++refreshed; };
    AccessLevelsWindow window(state);
    auto* grid = child<QTableWidget>(window, "FlexNiveis");
    auto* value = child<QLineEdit>(window, "txtN");
    ASSERT_EQ(grid->rowCount(), 24);

    grid->setCurrentCell(4, 1);
    value->setText("4");
    emit value->editingFinished();
    const QString kept = grid->item(4, 1)->text();
    grid->setCurrentCell(5, 1);
    value->setText("3");
    emit value->editingFinished();
    click(window, "cmdOK");

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"O Nível de Acesso está Incorreto."});
    EXPECT_EQ(grid->item(4, 1)->text(), kept);
    EXPECT_EQ(refreshed, 1);
    state.records().rules().NivelAcesso.fill(0);
    state.records().readRecord(core::FileKind::GeneralRules, 1, true);
    EXPECT_EQ(state.records().rules().NivelAcesso[5], 3);
    EXPECT_EQ(QString::number(state.records().rules().NivelAcesso[4]), kept);
}

} // namespace
} // namespace tavolim::app
