#include "app/rules/RulesWindow.h"

#include "app/WindowKeys.h"
#include "app/shell/ShellWindowFixture.h"
#include "core/store/BinaryFile.h"
#include "core/store/ConfigFile.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/TapeRecord.h"
#include "support/RecordFiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

class RulesWindowTest : public test::ShellWindowFixture {
protected:
    void SetUp() override
    {
        state.DataDia = clock.date;
        core::LabelRecord second = state.records().load<core::LabelRecord>(1);
        second.Nome = "Lançamento";
        ASSERT_TRUE(state.records().save(2, second));
    }

    static void showTab(RulesWindow& window, int index)
    {
        child<QTabWidget>(window, "TabStrip1")->setCurrentIndex(index);
    }
};

TEST_F(RulesWindowTest, KeyboardAndMouseEditsReachTheFilesOnOk)
{
    RulesWindow window(state);
    window.show();
    QApplication::setActiveWindow(&window);

    // Geral: the receipt number typed after its access key, a new media named in its box.
    test::key(Qt::Key_C, Qt::AltModifier, QStringLiteral("c"), &window);
    ASSERT_EQ(QApplication::focusWidget(), child<QWidget>(window, "txtNumRecibo"));
    test::key(Qt::Key_A, Qt::ControlModifier);
    test::typeKeys(QStringLiteral("250"));
    click(window, "cmdAdicionarMidia");
    test::typeKeys(QStringLiteral("DVD"));
    // Diárias: both labels chosen, the Saturday price for one tape typed into the grid.
    test::key(Qt::Key_D, Qt::AltModifier, QStringLiteral("d"), &window);
    child<QListWidget>(window, "lstSelo")->selectAll();
    auto* saturday = child<QTableWidget>(window, "FlexDiarias3");
    saturday->setFocus();
    saturday->setCurrentCell(0, 0);
    test::typeKeys(QStringLiteral("5"), saturday);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "txtD");
    test::typeKeys(QStringLiteral(",5"));
    test::key(Qt::Key_Return);
    // Prazos by label; Atrasos: not charged.
    showTab(window, 2);
    child<QRadioButton>(window, "optPorSelo")->click();
    showTab(window, 5);
    child<QRadioButton>(window, "optCobraPNaoCobrar")->click();
    click(window, "cmdOK");

    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
    EXPECT_EQ(
        test::readRecords<core::GeneralRulesRecord>(folder.file("tavolim.ini"))[0].NumeroRecibo,
        250);
    const auto media = test::readRecords<core::MediaRecord>(folder.file("DadosMid.tvl"));
    ASSERT_EQ(media.size(), 2u);
    EXPECT_EQ(media[1].Nome, "DVD");
    for (const auto& label : test::readRecords<core::LabelRecord>(folder.file("FitaSelo.tvl"))) {
        EXPECT_EQ(label.Diarias[core::classByCountIndex(3, 1)], core::Money::fromCents(550));
        EXPECT_EQ(label.Diarias[core::classByCountIndex(3, 2)], core::Money::fromCents(400));
    }
    const core::ConfigFile config(folder.path());
    EXPECT_EQ(config.readConfig("TipoPrazo", ""), "2");
    EXPECT_EQ(config.readConfig("TipoCobraAtraso", ""), "5");
}

TEST_F(RulesWindowTest, ARefusedCellKeepsItsValueAndTheFileIsNotWritten)
{
    const auto before = core::binaryfile::readAll(folder.file("FitaSelo.tvl"));
    RulesWindow window(state);
    window.show();
    showTab(window, 1);
    auto* grid = child<QTableWidget>(window, "FlexDiarias1");

    grid->item(2, 0)->setText(QStringLiteral("grátis"));

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"O valor digitado não é um número."});
    EXPECT_EQ(grid->item(2, 0)->text(), "4,00");
    click(window, "cmdCancelar");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(core::binaryfile::readAll(folder.file("FitaSelo.tvl")), before);
}

TEST_F(RulesWindowTest, ARefusedOkBringsTheProblemToTheFront)
{
    RulesWindow window(state);
    window.show();
    showTab(window, 5);
    auto* sections = child<QListWidget>(window, "lstSeções");
    sections->setCurrentRow(3);
    auto* name = child<QLineEdit>(window, "txtSeção");
    name->clear();
    test::typeKeys(QStringLiteral(" "), name);

    click(window, "cmdOK");

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"A seção não pode ficar em branco."});
    EXPECT_EQ(child<QTabWidget>(window, "TabStrip1")->currentIndex(), 0);
    EXPECT_EQ(sections->currentRow(), 3);
}

TEST_F(RulesWindowTest, DeletingALabelFromTheWindowRepointsTheTapes)
{
    for (std::int16_t code = 1; code <= 3; ++code) {
        core::TapeRecord tape;
        tape.Nome = "Fita";
        tape.Selo = code == 3 ? 2 : code;
        tape.Midia = 1;
        ASSERT_TRUE(state.records().save(code, tape));
    }
    RulesWindow window(state);
    window.show();
    child<QTableWidget>(window, "FlexSelos")->setCurrentCell(0, 0);
    dialogs.texts = {"2"};

    click(window, "cmdExcluirSelo");
    click(window, "cmdOK");

    EXPECT_EQ(dialogs.prompts.size(), 1u);
    const auto tapes = test::readRecords<core::TapeRecord>(folder.file("DadosFit.tvl"));
    for (const auto& tape : tapes) {
        EXPECT_EQ(tape.Selo, 1);
    }
    const auto labels = test::readRecords<core::LabelRecord>(folder.file("FitaSelo.tvl"));
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].Nome, "Lançamento");
}

TEST_F(RulesWindowTest, EscapeAfterAChangeAsksAndNoLeavesEverything)
{
    RulesWindow window(state);
    window.show();
    click(window, "cmdAdicionarSeção");
    dialogs.answers = {core::msg::Answer::Cancel, core::msg::Answer::No};

    test::key(Qt::Key_Escape, Qt::NoModifier, {}, &window);
    const bool openAfterCancel = window.isVisible();
    test::key(Qt::Key_Escape, Qt::NoModifier, {}, &window);

    EXPECT_TRUE(openAfterCancel);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.shownTexts(), (std::vector<std::string>{"Deseja salvar as alterações ?",
                                                              "Deseja salvar as alterações ?"}));
    EXPECT_EQ(state.records().rules().NumSecoes, 8);
}

TEST_F(RulesWindowTest, EveryTabHasItsOwnAccessKeys)
{
    RulesWindow window(state);
    window.show();
    auto* tabs = child<QTabWidget>(window, "TabStrip1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const auto clashes = test::clashingAccessKeys(&window);
        EXPECT_TRUE(clashes.empty())
            << tabs->tabText(i).toStdString() << ": " << clashes.begin()->first.toStdString();
    }
}

} // namespace
} // namespace tavolim::app
