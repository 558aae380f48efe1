#include "app/reports/ListWindow.h"
#include "app/reports/ReportDelivery.h"
#include "app/reports/SheetReportWindow.h"

#include "app/registers/ClientWindow.h"
#include "app/shell/MainWindow.h"
#include "app/shell/QtConversions.h"
#include "app/shell/ShellWindowFixture.h"
#include "core/reports/ListPrompts.h"
#include "core/reports/RecordListings.h"
#include "core/reports/RecordSheets.h"
#include "core/store/BinaryFile.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/TapeRecord.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

using core::ListRow;

// Holders Ana and Caio, Ana's dependent Bia, tapes Duna and Alien; printouts land in `shown`
// and opened registers in `opened`.
class ReportWindowsTest : public test::ShellWindowFixture {
protected:
    void SetUp() override
    {
        state.OperadorAtual = 1;
        state.showText = [this](const std::string& text) { shown.push_back(text); };
        putHolder(1, "Ana", "Souza");
        putHolder(2, "Caio", "Lima");
        core::DependentRecord d;
        d.PrimNome = "Bia";
        d.SobreNome = "Souza";
        d.Titular = 1;
        ASSERT_TRUE(state.records().save(1, d));
        auto ana = state.records().load<core::ClientRecord>(1);
        ana.NumDep = 1;
        ana.Dep[0] = 1;
        ASSERT_TRUE(state.records().save(1, ana));
        for (const auto& [code, name] : {std::pair{1, "Duna"}, std::pair{2, "Alien"}}) {
            core::TapeRecord t;
            t.Nome = name;
            t.Selo = 1;
            t.Midia = 1;
            ASSERT_TRUE(state.records().save(code, t));
        }
        openers.client = [this](QWidget*, std::int32_t code) { opened.push_back({'R', code}); };
        openers.dependent = [this](QWidget*, std::int32_t code) { opened.push_back({'D', code}); };
    }

    void putHolder(std::int32_t code, const char* first, const char* last)
    {
        core::ClientRecord c;
        c.PrimNome = first;
        c.SobreNome = last;
        ASSERT_TRUE(state.records().save(code, c));
    }

    core::RecordList list(core::ListKind kind) { return core::selectList(state.records(), kind); }

    static void press(QWidget* target, int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
    }

    std::vector<std::string> shown;
    RegisterOpeners openers;
    std::vector<std::pair<char, std::int32_t>> opened;
};

TEST_F(ReportWindowsTest, TheListWindowShowsItsRowsTaggedWithTheKindAndOpensTheRegister)
{
    ListWindow window(state, list(core::ListKind::People), openers);
    window.show();
    auto* grid = child<QTableWidget>(window, "FlexGrid1");

    EXPECT_EQ(window.property("Tag").toString(), QStringLiteral("Cliente"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Todos os Clientes"));
    ASSERT_EQ(grid->rowCount(), 3);
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("Bia Souza"));
    EXPECT_EQ(grid->item(2, 2)->text(), QStringLiteral("D"));

    grid->setCurrentCell(2, 0);
    press(grid, Qt::Key_Return);
    grid->setCurrentCell(1, 0);
    click(window, "cmdAbrir");
    emit grid->cellDoubleClicked(0, 1);

    EXPECT_EQ(opened, (std::vector<std::pair<char, std::int32_t>>{{'D', 1}, {'R', 2}, {'R', 1}}));
    press(grid, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// Sorted by name, the rows go out in that order, printed or exported; a file that cannot be
// written is named.
TEST_F(ReportWindowsTest, PrintingAndExportTakeTheRowsInTheOrderShown)
{
    ListWindow window(state, list(core::ListKind::Tapes), openers);
    child<QTableWidget>(window, "FlexGrid1")->sortByColumn(0, Qt::AscendingOrder);
    const auto csv = folder.file("fitas.csv");

    child<QMenu>(window, "mnuSaida")->actions().at(0)->trigger();
    EXPECT_TRUE(window.exportCsv(toQString(csv)));
    EXPECT_FALSE(window.exportCsv(toQString(folder.file("nada/fitas.csv"))));

    const std::vector<ListRow> sorted = {{"Alien", 2}, {"Duna", 1}};
    EXPECT_EQ(shown, std::vector<std::string>{
                         core::listingText(state.records(), core::ReportKind::Tape, sorted,
                                           std::chrono::sys_days(state.DataDia))});
    const auto bytes = core::binaryfile::readAll(csv);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "\xEF\xBB\xBFNome;Código\r\nAlien;2\r\nDuna;1\r\n");
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Não foi possível gravar o arquivo " +
                                       folder.file("nada/fitas.csv").string() +
                                       ": a pasta não existe."});
    // The program opens every kind's register from its rows; a kind without an opener
    // opens nothing.
    const RegisterOpeners real = registerOpeners(state);
    EXPECT_TRUE(real.client && real.dependent && real.tape && real.product && real.distributor);
    ListWindow products(
        state,
        core::RecordList{
            core::ListKind::Products, core::ReportKind::Product, "Produtos", {{"Pipoca", 1}}},
        openers);
    EXPECT_FALSE(child<QPushButton>(products, "cmdAbrir")->isEnabled());
    emit child<QTableWidget>(products, "FlexGrid1")->cellDoubleClicked(0, 0);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ReportWindowsTest, TheSheetWindowSendsTheTickedSheetsOrAllOfTheKindChosen)
{
    SheetReportWindow window(state, core::ReportKind::Client);
    auto* list = child<QListWidget>(window, "lstDados");
    ASSERT_EQ(list->count(), 3);
    EXPECT_FALSE(list->isEnabled());

    child<QRadioButton>(window, "optSelecionados")->click();
    EXPECT_TRUE(list->isEnabled());
    list->item(2)->setCheckState(Qt::Checked);
    click(window, "cmdExibir");
    child<QComboBox>(window, "cboTipo")->setCurrentIndex(1);
    child<QRadioButton>(window, "optTodos")->click();
    click(window, "cmdExibir");

    const auto memos = state.memos();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], *core::clientSheet(state.records(), memos, false, 1));
    EXPECT_EQ(shown[1], *core::tapeSheet(state.records(), memos, 1) + "\r\n" +
                            *core::tapeSheet(state.records(), memos, 2));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("000001  Duna"));
}

TEST_F(ReportWindowsTest, RegistersPrintTheCurrentSheetAndTheMenuOpensLists)
{
    ClientWindow clients(state);
    clients.showClient(2);
    clients.findChild<QAction*>("mnuImpCliAtual")->trigger();
    MainWindow main(state, backup);
    main.findChild<QAction*>("mnuRelProdutos")->trigger();

    const auto memos = state.memos();
    EXPECT_EQ(shown, std::vector<std::string>{*core::clientSheet(state.records(), memos, true, 2)});
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Não há Produtos cadastrados."});
}

TEST(ReportPdf, AListingPrintedToPdfGivesAPdfFile)
{
    const test::TempDataFolder folder;
    const auto path = folder.file("listagem.pdf");
    std::string text = std::string(core::kTapeListingHeader) + "\r\n";
    for (int i = 0; i < 150; ++i) {
        text += "   000042   Linha " + std::to_string(i) + "\r\n";
    }

    ASSERT_TRUE(writeReportPdf(toQString(path), text));

    const auto bytes = core::binaryfile::readAll(path);
    const std::string pdf(bytes.begin(), bytes.end());
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // 150 lines at 9 points do not fit one A4 page.
    EXPECT_NE(pdf.find("/Count 3"), std::string::npos);
}

} // namespace
} // namespace tavolim::app
