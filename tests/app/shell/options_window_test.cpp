#include "app/shell/OptionsWindow.h"

#include "support/FakeStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using namespace std::chrono;

class OptionsWindowTest : public ::testing::Test, protected test::InstalledStore {
protected:
    OptionsWindowTest() : InstalledStore(year{2026} / 12 / 4) {}

    void SetUp() override
    {
        state.options().GravHistFita = true;
        state.options().VerifHist = true;
        window = std::make_unique<OptionsWindow>(state);
        window->show();
    }

    template <class W>
    W* child(const char* name)
    {
        auto* w = window->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    std::string config(const char* key) { return state.config().readConfig(key, "-"); }

    std::unique_ptr<OptionsWindow> window;
};

TEST_F(OptionsWindowTest, OkWritesTheControlsToTheSettings)
{
    int redraws = 0;
    QObject::connect(window.get(), &OptionsWindow::appearanceChanged, [&] { ++redraws; });
    child<QLineEdit>("txtImagem")->setText("/fotos/fundo.jpg");
    click("optJustificado");
    child<QCheckBox>("chkMostrarLeg")->setChecked(false); // a new store starts with it on
    click("chkVerifNomeECod");
    click("chkConfirmOp");
    click("optUltReg");
    click("optSairPerguntar");
    click("chkAskBackUp");
    click("optBakToda");
    child<QComboBox>("cboBakDiaSem")->setCurrentIndex(5);

    click("cmdOK");

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(settings.read("Tavolim", "Opções", "Imagem", ""), "/fotos/fundo.jpg");
    EXPECT_EQ(settings.read("Tavolim", "Opções", "Tipo", ""), "Justificado");
    struct Key {
        const char* key;
        const char* value;
    };
    for (const Key& k :
         {Key{"MostrarLeg", "False"}, Key{"VerifNomeECod", "True"}, Key{"ConfirmOp", "True"},
          Key{"MostraUltReg", "True"}, Key{"AcaoQdoSaiForm", "2"}, Key{"AskForBackUp", "True"},
          Key{"FlagsAskBak", "38"}, Key{"ProcEsp", "False"}, Key{"VerifHist", "True"}}) {
        EXPECT_EQ(config(k.key), k.value) << k.key;
    }
    EXPECT_EQ(state.options().FlagsAskBak, 38);
}

TEST_F(OptionsWindowTest, TapeHistoryOffDisablesAndClearsTheHistoryCheck)
{
    auto* verif = child<QCheckBox>("chkVerifHist");
    ASSERT_TRUE(verif->isChecked() && verif->isEnabled());

    click("chkGravHistFita");
    EXPECT_FALSE(verif->isChecked() || verif->isEnabled());
    click("chkGravHistFita");
    EXPECT_TRUE(verif->isEnabled() && !verif->isChecked());
}

TEST_F(OptionsWindowTest, BackupDaysTakeDigitsAndAreRefusedOutsideOneToFifteen)
{
    click("chkAskBackUp");
    click("optBakACada");
    auto* days = child<QLineEdit>("txtBakNumDias");
    ASSERT_TRUE(days->isEnabled());
    struct Case {
        QString keys;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"1x6", {"O máximo de dias é 15."}},
        {"3", {}},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        days->clear();
        for (const QChar ch : c.keys) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(days, &key);
        }
        emit days->editingFinished();

        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.keys.toStdString();
    }
    click("cmdOK");
    EXPECT_EQ(config("FlagsAskBak"), "19");
}

TEST_F(OptionsWindowTest, HolderAccountWarnsAndClosingWithChangesAsks)
{
    click("optUnicaConta");
    ASSERT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{
                  "Isto impedirá o acesso a contas de clientes dependentes, portanto "
                  "certifique-se de que nenhum dependente possui locação, crédito ou "
                  "débito."});
    dialogs.messages.clear();
    dialogs.answers = {core::msg::Answer::Cancel, core::msg::Answer::No};

    click("cmdCancelar");
    const bool stayedOpen = window->isVisible();
    window->close();

    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>(2, "Deseja salvar as alterações ?"));
    EXPECT_FALSE(state.options().UnicaConta);
    EXPECT_EQ(config("UnicaConta"), "-");
}

} // namespace
} // namespace tavolim::app
