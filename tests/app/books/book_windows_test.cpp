#include "app/books/BookMenu.h"
#include "app/books/DailySummaryWindow.h"
#include "app/books/HistoryWindow.h"
#include "app/books/SalesBookWindow.h"
#include "app/books/TapeBookWindow.h"
#include "app/counter/SituationWindow.h"
#include "core/reports/HistoryForm.h"
#include "core/reports/PersonHistoryView.h"

#include "core/reports/BookListingFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavolim::app {
namespace {

using core::reporttest::dayOf;

// Ana (client 1) takes Titanic and Matrix on 10/03/2026 and buys a pipoca; Titanic comes
// back on 12/03 after two periods.
class BookWindowsTest : public core::reporttest::ReportsFixture {
protected:
    void fill()
    {
        writeTape(1, "Titanic");
        writeTape(2, "Matrix");
        writeClient(1, "Ana", "Silva");
        writeProduct(1, "Pipoca", "789");
        rent(1, -1, {{1, 300}, {2, 250}});
        sell({{1, 1, core::Money::fromCents(350)}});
        advanceTo(dayOf(2026, 3, 12));
        giveBack({{1, 300}}, dayOf(2026, 3, 10), 2);
    }

    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void click(QWidget& window, const char* name)
    {
        child<QAbstractButton>(window, name)->click();
    }

    static std::vector<std::string> row(QTableView* grid, int r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            cells.push_back(grid->model()->index(r, c).data().toString().toStdString());
        }
        return cells;
    }

    // Runs `act` on the next modal window once it is up.
    static void onModal(std::function<void(QWidget&)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(*modal);
        });
    }

    // No two controls of the window answer to the same access key.
    static void expectOwnAccessKeys(QWidget& window)
    {
        QStringList keys;
        const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
        const auto collect = [&](const QString& text) {
            const auto m = mnemonic.match(text);
            if (m.hasMatch()) {
                keys.append(m.captured(1).toLower());
            }
        };
        for (auto* b : window.findChildren<QAbstractButton*>()) {
            collect(b->text());
        }
        for (auto* l : window.findChildren<QLabel*>()) {
            collect(l->text());
        }
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size())
            << keys.join(QLatin1Char(' ')).toStdString();
    }
};

TEST_F(BookWindowsTest, TapeBookListsTheChosenDayInEachTabAndPrintsIt)
{
    fill();
    TapeBookWindow window(state);
    auto* grid = child<QTableView>(window, "FlexDados");
    auto* days = child<QListWidget>(window, "List2");

    days->setCurrentRow(0); // 10/03
    const auto rentals = grid->model()->rowCount();
    const auto first = row(grid, 0);
    child<QTabBar>(window, "TabStrip1")->setCurrentIndex(1);
    const auto returnedOnTenth = grid->model()->rowCount();
    days->setCurrentRow(2); // 12/03
    // To the printer the way receipts go (its reminder answered), and to the editor as text.
    std::vector<std::string> edited;
    state.showText = [&edited](const std::string& text) { edited.push_back(text); };
    dialogs.answers = {core::msg::Answer::Yes, core::msg::Answer::Ok, core::msg::Answer::No};
    const auto outputs = child<QMenu>(window, "mnuSaida")->actions();
    ASSERT_EQ(outputs.size(), 4);
    outputs.at(3)->trigger();
    outputs.at(0)->trigger();

    expectOwnAccessKeys(window);
    EXPECT_EQ(days->count(), 3);
    EXPECT_EQ(rentals, 2);
    EXPECT_EQ(first, (std::vector<std::string>{"1", "10/03/2026", "12/03/2026", "2", "1", "Titanic",
                                               "3,00", "2", "6,00", "Ana Silva", "1"}));
    EXPECT_EQ(returnedOnTenth, 0);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_TRUE(child<QRadioButton>(window, "optClassifDev")->isChecked());
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("Histórico de Devoluções por Dia"), std::string::npos);
    EXPECT_NE(printer.printed[0].find("      Ana Silva"), std::string::npos);
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_NE(edited[0].find("Histórico de Devoluções por Dia"), std::string::npos);
    EXPECT_EQ(edited[0].find("      Ana Silva"), std::string::npos); // the client left out
}

TEST_F(BookWindowsTest, PeriodOptionsRelabelTheListsAndDeletionTakesTheOldestMonths)
{
    fill();
    advanceTo(dayOf(2026, 4, 6));
    rent(1, -1, {{2, 250}});
    TapeBookWindow window(state);
    auto* months = child<QListWidget>(window, "List1");

    click(window, "optTrimestre");
    const auto quarterLabels = std::pair{child<QListWidget>(window, "List2")->count(),
                                         months->item(0)->text().toStdString()};
    click(window, "optSemana");
    onModal([](QWidget& dialog) {
        auto* list = child<QListWidget>(dialog, "lstMes");
        EXPECT_FALSE(list->item(1)->flags() & Qt::ItemIsEnabled); // 04/2026, the current one
        list->setCurrentRow(0);
        EXPECT_TRUE(list->item(0)->isSelected());
        click(dialog, "cmdExcluir");
    });
    click(window, "cmdExcluir");

    EXPECT_EQ(quarterLabels, (std::pair<int, std::string>{2, "2026"}));
    EXPECT_EQ(months->count(), 1);
    EXPECT_EQ(months->item(0)->text(), "Abr/2026");
    EXPECT_TRUE(child<QRadioButton>(window, "optSemana")->isChecked());
    EXPECT_EQ(child<QListWidget>(window, "List2")->item(0)->text(), "De 29/03/2026 a 04/04/2026");
}

TEST_F(BookWindowsTest, SalesBookAndTheMenuRefusalsOfEmptyBooks)
{
    const auto handlers = bookMenuHandlers(state, nullptr);
    for (const auto& [name, handler] : handlers) {
        // The summary and the cash graphs open on any day; the others refuse an empty book.
        if (name != QLatin1String("mnuHistResumoDia") &&
            name != QLatin1String("mnuHistGrafCaixa")) {
            handler();
        }
    }
    const auto refusals = dialogs.shownTexts();
    fill();
    SalesBookWindow window(state);

    child<QListWidget>(window, "List2")->setCurrentRow(0);

    expectOwnAccessKeys(window);
    EXPECT_EQ(handlers.size(), 4u);
    EXPECT_EQ(refusals, (std::vector<std::string>{"O livro de locações/devoluções está vazio.",
                                                  "O livro caixa está vazio."}));
    EXPECT_EQ(window.windowTitle(), "Histórico de Vendas");
    EXPECT_EQ(row(child<QTableView>(window, "FlexProds"), 0),
              (std::vector<std::string>{"1", "10/03/2026", "789", "Pipoca", "3,50", "1", "3,50"}));
}

TEST_F(BookWindowsTest, HistoryWindowAndDailySummaryShowTheirModels)
{
    fill();
    std::vector<std::string> history;
    std::vector<std::string> edited;
    state.showText = [&edited](const std::string& text) { edited.push_back(text); };
    QString title;
    onModal([&](QWidget& hist) {
        title = hist.windowTitle();
        history = row(child<QTableView>(hist, "FlexHist"), 1);
        expectOwnAccessKeys(hist);
        child<QMenu>(hist, "mnuSaida")->actions().at(0)->trigger(); // to the editor
        click(hist, "cmdFechar");
    });
    SituationWindow situation(state, {1, true}, {});
    click(situation, "cmdHistFita");
    QString summary;
    state.CaixaDia.NumLocacoes = 1;
    onModal([&](QWidget& box) {
        summary = child<QLabel>(box, "lblResumo")->text();
        click(box, "cmdOK");
    });
    showDailySummary(state, nullptr);
    showPersonHistory(state, {1, true}, core::HistoryKind::Purchases, nullptr);

    EXPECT_EQ(title, "Histórico de Locações de Cliente");
    EXPECT_EQ(history, (std::vector<std::string>{"2", "10/03/2026", "", "0", "2", "Matrix", "2,50",
                                                 "0", "0,00"}));
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_NE(edited[0].find("Matrix"), std::string::npos);
    EXPECT_TRUE(summary.startsWith(QStringLiteral("  N° de Locações : 1\n")));
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O histórico de vendas do cliente está vazio."});
}

} // namespace
} // namespace tavolim::app
