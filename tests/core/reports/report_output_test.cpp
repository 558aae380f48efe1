#include "core/reports/ListExport.h"
#include "core/reports/ReportOutput.h"
#include "core/reports/SheetReportForm.h"

#include "core/printing/ReceiptPrinter.h"
#include "core/reports/RecordSheets.h"
#include "core/reports/ReportsFixture.h"
#include "core/store/BinaryFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class ReportOutputTest : public test::ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        state.showText = [this](const std::string& text) { shown.push_back(text); };
    }

    std::string fileText(const std::filesystem::path& path)
    {
        const auto bytes = binaryfile::readAll(path);
        return {bytes.begin(), bytes.end()};
    }

    std::vector<std::string> shown;
};

// The limit counts characters: "ã" is two bytes and one character.
TEST_F(ReportOutputTest, TheEditorTakesUpTo32500CharactersAndRefusesMoreWithoutCutting)
{
    const std::string atLimit = std::string(kEditorLimit - 1, 'a') + "ã";
    const std::string over = atLimit + "x";

    EXPECT_TRUE(sendReport(state, atLimit, ReportDestination::Editor));
    EXPECT_FALSE(sendReport(state, over, ReportDestination::Editor));

    EXPECT_EQ(shown, std::vector<std::string>{atLimit});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, editorLimitMessage(32501));
    EXPECT_NE(dialogs.messages[0].text.find("32501 caracteres"), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].flags, msg::Critical);
}

TEST_F(ReportOutputTest, TheFileGoesToRelatorioTxtInTheDataFolderAndOpensThroughTheLauncher)
{
    const std::string text = "Ação\r\nlinha 2\r\n";
    binaryfile::writeNew(reportFilePath(state), std::vector<std::uint8_t>(100000, 'x'));

    ASSERT_TRUE(sendReport(state, text, ReportDestination::File));

    const auto path = folder.path() / "Relatorio.txt";
    EXPECT_EQ(reportFilePath(state), path);
    EXPECT_EQ(fileText(path), "\xEF\xBB\xBF" + text);
    EXPECT_EQ(launcher.opened, std::vector<std::string>{path.string()});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReportOutputTest, AFileThatCannotBeWrittenIsNamedWithTheCauseAndNothingOpens)
{
    std::filesystem::create_directory(reportFilePath(state));

    EXPECT_FALSE(sendReport(state, "x\r\n", ReportDestination::File));

    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Não foi possível gravar o arquivo " +
                                                             reportFilePath(state).string() +
                                                             ": o nome é de uma pasta."});
}

TEST_F(ReportOutputTest, ThePrinterGetsTheTextInAFixedFontThenTheReminder)
{
    ASSERT_TRUE(sendReport(state, "linha\r\n", ReportDestination::Printer));
    printer.fail = true;
    EXPECT_FALSE(sendReport(state, "outra\r\n", ReportDestination::Printer));

    EXPECT_EQ(printer.printed, std::vector<std::string>{"linha\r\n"});
    EXPECT_EQ(printer.fonts, (std::vector<std::pair<std::string, int>>{{"Courier New", 9}}));
    EXPECT_EQ(dialogs.shownTexts(), (std::vector<std::string>{std::string(kRemovePrintout),
                                                              "Não foi possível imprimir."}));
}

TEST(ListExport, CsvQuotesWhatWouldSplitACellAndTabbedRowsKeepTheCells)
{
    const std::vector<ListRow> people = {{"Ana; a \"Nina\"", 1, 'R'}, {"Íris", 7, 'D'}};
    const std::vector<ListRow> tapes = {{"Duna", 42}, {"", 3}};

    EXPECT_EQ(listCsv(ReportKind::Client, people),
              "Nome;Código;Tipo\r\n\"Ana; a \"\"Nina\"\"\";1;R\r\nÍris;7;D\r\n");
    EXPECT_EQ(listCsv(ReportKind::Tape, tapes), "Nome;Código\r\nDuna;42\r\n;3\r\n");
    EXPECT_EQ(listTabbed(ReportKind::Client, people), "Ana; a \"Nina\"\t1\tR\nÍris\t7\tD\n");
    EXPECT_EQ(listTabbed(ReportKind::Tape, tapes), "Duna\t42\n\t3\n");
    // Files start with the byte-order mark that spreadsheet programs need for the accents.
    const test::TempDataFolder folder;
    EXPECT_EQ(writeListCsv(folder.file("lista.csv"), ReportKind::Tape, tapes), "");
    const auto bytes = binaryfile::readAll(folder.file("lista.csv"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "\xEF\xBB\xBF" + listCsv(ReportKind::Tape, tapes));
    EXPECT_EQ(writeListCsv(folder.file("nada/x.csv"), ReportKind::Tape, tapes),
              "a pasta não existe");
}

TEST_F(ReportOutputTest, TheSheetWindowPrintsAllOrTheTickedRecordsOfItsKind)
{
    holder(1, "Ana", "Souza");
    holder(2, "Bia", "Reis");
    dependent(1, 1, "Duda", "Souza");
    markDeleted<ClientRecord>(2);
    tape(42, "Duna");
    SheetReportForm form(state, ReportKind::Client);
    const auto memos = state.memos();
    const auto ana = *clientSheet(records(), memos, true, 1);
    const auto duda = *clientSheet(records(), memos, false, 1);

    std::vector<std::string> lines;
    for (const auto& entry : form.lstDados) {
        lines.push_back(entry.line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"00001  Ana Souza  (titular)",
                                               "00001  Duda Souza  (dependente)"}));
    EXPECT_EQ(form.cmdExibir(), ana + "\r\n" + duda);

    form.optTodos = false;
    EXPECT_EQ(form.cmdExibir(), std::nullopt);
    form.lstDados[1].ticked = true;
    EXPECT_EQ(form.cmdExibir(), duda);

    form.setKind(ReportKind::Product);
    EXPECT_EQ(form.cmdExibir(), std::nullopt);
    form.optTodos = true;
    EXPECT_EQ(form.cmdExibir(), std::nullopt);
    form.setKind(ReportKind::Tape);
    ASSERT_EQ(form.lstDados.size(), 1u);
    EXPECT_EQ(form.lstDados[0].line, "000042  Duna");

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{std::string(kNothingTicked), std::string(kNothingTicked),
                                        "Não há Produtos cadastrados."}));
}

} // namespace
} // namespace tavolim::core
