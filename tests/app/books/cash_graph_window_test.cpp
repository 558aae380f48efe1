#include "app/books/BookMenu.h"
#include "app/books/CashChartView.h"
#include "app/books/CashGraphWindow.h"
#include "core/ports/Dialogs.h"
#include "core/store/BinaryFile.h"

#include "core/reports/CashGraphFixture.h"

#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QLogValueAxis>
#include <QPieSeries>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavolim::app {
namespace {

class CashGraphWindowTest : public core::cashtest::CashGraphFixture {
protected:
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

    // Chooses exactly the list items with these texts.
    static void choosePeriods(QWidget& window, const QStringList& periods)
    {
        auto* list = child<QListWidget>(window, "lstPeriodo");
        list->clearSelection();
        for (const QString& p : periods) {
            const auto found = list->findItems(p, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << p.toStdString();
            found.front()->setSelected(true);
        }
    }

    static std::vector<std::string> row(QTableWidget* table, int r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells.push_back(table->item(r, c)->text().toStdString());
        }
        return cells;
    }

    static std::vector<std::string> headings(QTableWidget* table)
    {
        std::vector<std::string> out;
        for (int c = 0; c < table->columnCount(); ++c) {
            out.push_back(table->horizontalHeaderItem(c)->text().toStdString());
        }
        return out;
    }
};

TEST_F(CashGraphWindowTest, EachSeriesAndBreakdownFillsTheTable)
{
    struct Case {
        const char* series;
        const char* breakdown;
        QStringList periods;
        std::vector<std::string> heading; // first cells of the heading row
        int row;
        std::vector<std::string> cells; // the row's first cells
        std::string total;
    };
    const std::vector<Case> cases = {
        {"optEntrada",
         "optDiaMes",
         {"Fev/2025"},
         {"Mês", "1", "2"},
         0,
         {"Fev/2025", "2,00", "2,00"},
         "20,00"},
        {"optNLocacoes",
         "optDiaSemana",
         {"Jan/2024", "Fev/2024"},
         {"Semana", "Dom", "Seg"},
         1,
         {"Fev/2024", "4", "8", "12", "16", "25", "24", "28"},
         "117"},
        {"optVendas",
         "optTrimestre",
         {"2024"},
         {" Ano", "1° Trim", "2° Trim"},
         0,
         {"2024", "191,10", "464,10", "744,20", "1.021,20"},
         "2.420,60"},
        {"optLocacoes",
         "optMes",
         {"2023", "2024"},
         {" Ano", "Jan", "Fev"},
         1,
         {"2024", "503,75", "442,25"},
         "5.858,50"},
        {"optEntrada",
         "optAno",
         {"2024", "2025"},
         {" Ano", "2024", "2025", "Total"},
         1,
         {"2025", "0,00", "82,00"},
         "82,00"},
        {"optLocacoes", "optDiaMes", {"Fev/2024"}, {"Mês"}, 0, {"Fev/2024", "1,25"}, "442,25"},
    };
    CashGraphWindow window(state);
    auto* table = child<QTableWidget>(window, "FlexDados");
    auto* label = child<QLabel>(window, "lblList");
    const auto opening = row(table, 0);
    const int openingColumns = table->columnCount();
    const QString openingLabel = label->text();

    for (const Case& c : cases) {
        click(window, c.series);
        click(window, c.breakdown);
        choosePeriods(window, c.periods);

        ASSERT_EQ(table->rowCount(), c.periods.size()) << c.series << " " << c.breakdown;
        const auto h = headings(table);
        EXPECT_EQ(std::vector<std::string>(h.begin(), h.begin() + c.heading.size()), c.heading);
        EXPECT_EQ(h.back(), "Total");
        const auto r = row(table, c.row);
        EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + c.cells.size()), c.cells)
            << c.series << " " << c.breakdown;
        EXPECT_EQ(r.back(), c.total) << c.series << " " << c.breakdown;
    }
    EXPECT_EQ(opening.front(), "Fev/2025");
    EXPECT_EQ(openingColumns, 33);
    EXPECT_EQ(openingLabel, "Mese&s :");
    EXPECT_EQ(label->text(), "Mese&s :");
    click(window, "optAno");
    EXPECT_EQ(label->text(), "Ano&s :");
    EXPECT_EQ(child<QListWidget>(window, "lstPeriodo")->selectedItems().size(), 1);
}

TEST_F(CashGraphWindowTest, EveryChartTypeAndStyleDraws)
{
    struct Case {
        const char* type;
        int styles;
        const char* series; // the kind of series the chart holds
    };
    const std::vector<Case> cases = {
        {"Torta 2D", 8, "pie"},  {"Torta 3D", 8, "pie"}, {"Barras 2D", 6, "bar"},
        {"Barras 3D", 8, "bar"}, {"Linhas", 8, "line"},  {"Linhas-Log", 8, "line"},
        {"Área", 2, "area"},
    };
    CashGraphWindow window(state);
    click(window, "optDiaSemana");
    choosePeriods(window, {"Dez/2023", "Jan/2024", "Fev/2024"});
    auto* types = child<QComboBox>(window, "cboTipoGraf");
    auto* styles = child<QComboBox>(window, "cboEstiloGraf");
    auto* grid = child<QComboBox>(window, "cboLinhasGraf");
    window.resize(1000, 700);

    for (const Case& c : cases) {
        types->setCurrentIndex(types->findText(QString::fromUtf8(c.type)));
        ASSERT_EQ(styles->count(), c.styles) << c.type;
        for (int s = 0; s < styles->count(); ++s) {
            styles->setCurrentIndex(s);
            QChart* chart = window.chart()->chart();
            const QString what = QString::fromUtf8(c.type) + QLatin1Char(' ') + styles->itemText(s);
            ASSERT_FALSE(chart->series().isEmpty()) << what.toStdString();
            QAbstractSeries* first = chart->series().constFirst();
            const std::string kind = qobject_cast<QPieSeries*>(first)           ? "pie"
                                     : qobject_cast<QAbstractBarSeries*>(first) ? "bar"
                                     : qobject_cast<QAreaSeries*>(first)        ? "area"
                                     : qobject_cast<QLineSeries*>(first)        ? "line"
                                                                                : "?";
            EXPECT_EQ(kind, c.series) << what.toStdString();
            EXPECT_EQ(window.form().chartStyle(), s);
            // Each draws on a picture without fault, its 3D faces and rims included.
            EXPECT_FALSE(window.chart()->grab().toImage().isNull()) << what.toStdString();
        }
    }

    types->setCurrentIndex(types->findText(QStringLiteral("Linhas-Log")));
    grid->setCurrentIndex(grid->findText(QStringLiteral("Vertical")));
    QChart* chart = window.chart()->chart();
    const auto vertical = chart->axes(Qt::Vertical);
    const auto horizontal = chart->axes(Qt::Horizontal);
    ASSERT_EQ(vertical.size(), 1);
    ASSERT_EQ(horizontal.size(), 1);
    EXPECT_NE(qobject_cast<QLogValueAxis*>(vertical.front()), nullptr);
    EXPECT_FALSE(vertical.front()->isGridLineVisible());
    EXPECT_TRUE(horizontal.front()->isGridLineVisible());
    types->setCurrentIndex(types->findText(QStringLiteral("Barras 2D")));
    styles->setCurrentIndex(styles->findText(QStringLiteral("Horizontal")));
    grid->setCurrentIndex(grid->findText(QStringLiteral("Horizontal")));
    chart = window.chart()->chart();
    // Horizontal bars: the values run along the bottom, and horizontal lines are the
    // category axis's.
    EXPECT_NE(qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front()), nullptr);
    EXPECT_TRUE(chart->axes(Qt::Vertical).front()->isGridLineVisible());
    EXPECT_FALSE(chart->axes(Qt::Horizontal).front()->isGridLineVisible());
}

TEST_F(CashGraphWindowTest, ChartSettingsAtClosingAreShownAtTheNextOpening)
{
    {
        CashGraphWindow window(state);
        child<QComboBox>(window, "cboTipoGraf")->setCurrentIndex(3); // Barras 3D
        child<QComboBox>(window, "cboEstiloGraf")->setCurrentIndex(6);
        child<QComboBox>(window, "cboLinhasGraf")->setCurrentIndex(2);
        click(window, "cmdFechar");
    }

    CashGraphWindow next(state);

    EXPECT_EQ(child<QComboBox>(next, "cboTipoGraf")->currentText().toStdString(), "Barras 3D");
    EXPECT_EQ(child<QComboBox>(next, "cboEstiloGraf")->currentText().toStdString(), "Dimensão-Z");
    EXPECT_EQ(child<QComboBox>(next, "cboLinhasGraf")->currentText().toStdString(), "Vertical");
    EXPECT_TRUE(next.chart()->look().rowsInDepth);
}

TEST_F(CashGraphWindowTest, SelectedCellsTellTheirSumAndTheTablePrintsCopiesAndSaves)
{
    CashGraphWindow window(state);
    click(window, "optNLocacoes");
    click(window, "optDiaSemana");
    choosePeriods(window, {"Jan/2024", "Fev/2024"});
    auto* table = child<QTableWidget>(window, "FlexDados");
    table->setCurrentCell(0, 8);                                           // Total of January
    table->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true); // names and Dom
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(table, &enter);
    click(window, "cmdImprimir");
    click(window, "cmdCopiar");
    const bool png = window.saveChartTo(QString::fromStdString(folder.file("g.png").string()));
    const bool pdf = window.saveChartTo(QString::fromStdString(folder.file("g.PDF").string()));

    ASSERT_GE(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Soma total dos itens selecionados:\n129"); // 121 + 4 + 4
    EXPECT_EQ(dialogs.messages[0].title, "Soma");
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("Caixa - N° de Locações\r\n"), std::string::npos);
    EXPECT_EQ(QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 2, 2),
              QStringLiteral("Fev/2024\t4\t8\t12\t16\t25\t24\t28\t117"));
    EXPECT_TRUE(png);
    EXPECT_TRUE(pdf);
    EXPECT_EQ(core::binaryfile::readAt(folder.file("g.png"), 1, 3),
              (std::vector<std::uint8_t>{'P', 'N', 'G'}));
    EXPECT_EQ(core::binaryfile::readAt(folder.file("g.PDF"), 0, 4),
              (std::vector<std::uint8_t>{'%', 'P', 'D', 'F'}));
}

TEST_F(CashGraphWindowTest, TheMenuItemOpensTheWindowAndEscClosesIt)
{
    const auto handlers = bookMenuHandlers(state, nullptr);
    const auto item = std::find_if(handlers.begin(), handlers.end(), [](const auto& h) {
        return h.first == QLatin1String("mnuHistGrafCaixa");
    });
    ASSERT_NE(item, handlers.end());
    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        opened = modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(modal, &esc);
    });

    item->second();

    EXPECT_EQ(opened.toStdString(), "frmGraph Gráficos de Caixa");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(CashGraphWindowTest, NoTwoControlsShareAnAccessKey)
{
    CashGraphWindow window(state);
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

    EXPECT_EQ(keys.size(), 17);
    EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size())
        << keys.join(QLatin1Char(' ')).toStdString();
}

} // namespace
} // namespace tavolim::app
