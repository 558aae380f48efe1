#include "core/books/BookFiles.h"
#include "core/ports/Dialogs.h"
#include "core/reports/CashChart.h"
#include "core/reports/CashGraph.h"
#include "core/reports/CashGraphForm.h"
#include "core/state/Options.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "support/FakeStore.h"

#include "core/reports/CashGraphFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;

class CashGraphTest : public cashtest::CashGraphFixture {
protected:
    CashTable table(CashSeries series, CashBreakdown breakdown, std::vector<CashPeriod> periods)
    {
        return cashTable(CashDays::read(folder.path()), series, breakdown, periods);
    }
};

// Thousandths of a real.
constexpr std::int64_t reais(double r)
{
    return static_cast<std::int64_t>(r * 1000 + 0.5);
}

TEST_F(CashGraphTest, BucketsHoldTheHandSummedDays)
{
    using S = CashSeries;
    using B = CashBreakdown;
    struct Case {
        const char* what;
        S series;
        B breakdown;
        std::vector<CashPeriod> periods;
        std::size_t buckets;
        std::size_t row;
        std::vector<std::pair<std::size_t, std::int64_t>> cells; // bucket, value
        std::int64_t total;
    };
    const std::vector<Case> cases = {
        {"leap February: 29 days with values, 30 and 31 at 0",
         S::Rentals,
         B::DayOfMonth,
         {{2024, 2}},
         31,
         0,
         {{0, reais(1.25)}, {28, reais(29.25)}, {29, 0}, {30, 0}},
         reais(435 + 29 * 0.25)},
        {"a 30-day month leaves day 31 at 0",
         S::Rentals,
         B::DayOfMonth,
         {{2024, 4}},
         31,
         0,
         {{29, reais(30.25)}, {30, 0}},
         reais(465 + 30 * 0.25)},
        {"days before the base count 0",
         S::TakenIn,
         B::DayOfMonth,
         {{2023, 12}},
         31,
         0,
         {{18, 0}, {19, reais(2)}, {30, reais(2)}},
         reais(24)},
        {"days after the last record count 0",
         S::TakenIn,
         B::DayOfMonth,
         {{2025, 2}},
         31,
         0,
         {{9, reais(2)}, {10, 0}, {27, 0}},
         reais(20)},
        {"a month past the file is all 0", S::TakenIn, B::DayOfMonth, {{2025, 3}}, 31, 0, {}, 0},
        {"January 2024 by weekday (five Mondays to Wednesdays)",
         S::TapesRented,
         B::Weekday,
         {{2024, 1}, {2024, 2}},
         7,
         0,
         {{0, 4}, {1, 10}, {2, 15}, {3, 20}, {4, 20}, {5, 24}, {6, 28}},
         121},
        {"February 2024 by weekday (five Thursdays)",
         S::TapesRented,
         B::Weekday,
         {{2024, 1}, {2024, 2}},
         7,
         1,
         {{0, 4}, {1, 8}, {2, 12}, {3, 16}, {4, 25}, {5, 24}, {6, 28}},
         117},
        {"first quarter of 2024",
         S::Sales,
         B::Quarter,
         {{2024, 0}},
         4,
         0,
         {{0, reais(31 * 1.1 + 29 * 2.1 + 31 * 3.1)}},
         reais(2384 + 36.6)},
        {"February in the month breakdown",
         S::Rentals,
         B::Month,
         {{2024, 0}},
         12,
         0,
         {{1, reais(435 + 29 * 0.25)}},
         -1},
        {"the year 2023 holds its last twelve days",
         S::TakenIn,
         B::Month,
         {{2023, 0}},
         12,
         0,
         {{10, 0}, {11, reais(24)}},
         reais(24)},
        {"years are their own buckets",
         S::TakenIn,
         B::Year,
         {{2024, 0}, {2025, 0}},
         2,
         0,
         {{0, reais(732)}, {1, 0}},
         reais(732)},
        {"2025 holds 41 days",
         S::TakenIn,
         B::Year,
         {{2024, 0}, {2025, 0}},
         2,
         1,
         {{0, 0}, {1, reais(82)}},
         reais(82)},
        {"a month that is no date gives zeros",
         S::TakenIn,
         B::DayOfMonth,
         {{2024, 13}},
         31,
         0,
         {{0, 0}},
         0},
    };

    for (const Case& c : cases) {
        const CashTable t = table(c.series, c.breakdown, c.periods);

        ASSERT_EQ(t.buckets.size(), c.buckets) << c.what;
        ASSERT_EQ(t.rowCount(), c.periods.size()) << c.what;
        for (const auto& [bucket, value] : c.cells) {
            EXPECT_EQ(t.cell(c.row, bucket), value) << c.what << ", bucket " << bucket;
        }
        if (c.total >= 0) {
            EXPECT_EQ(t.total(c.row), c.total) << c.what;
            EXPECT_EQ(t.cell(c.row, c.buckets), c.total) << c.what;
        }
    }
}

TEST_F(CashGraphTest, TableTextsFollowTheBreakdownAndTheSeries)
{
    struct Case {
        CashSeries series;
        CashBreakdown breakdown;
        std::vector<CashPeriod> periods;
        std::vector<std::string> headings;
        std::vector<std::string> axis;
        std::vector<std::string> firstRow;
    };
    const std::vector<Case> cases = {
        {CashSeries::Sales,
         CashBreakdown::Quarter,
         {{2024, 0}},
         {" Ano", "1° Trim", "2° Trim", "3° Trim", "4° Trim", "Total"},
         {"1°Trim", "2°Trim", "3°Trim", "4°Trim"},
         {"2024", "191,10", "464,10", "744,20", "1.021,20", "2.420,60"}},
        {CashSeries::TapesRented,
         CashBreakdown::Weekday,
         {{2024, 2}},
         {"Semana", "Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab", "Total"},
         {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab"},
         {"Fev/2024", "4", "8", "12", "16", "25", "24", "28", "117"}},
        {CashSeries::TakenIn,
         CashBreakdown::Year,
         {{2024, 0}, {2025, 0}},
         {" Ano", "2024", "2025", "Total"},
         {"2024", "2025"},
         {"2024", "732,00", "0,00", "732,00"}},
    };

    for (const Case& c : cases) {
        const CashTable t = table(c.series, c.breakdown, c.periods);

        EXPECT_EQ(t.headings(), c.headings);
        EXPECT_EQ(t.axisLabels, c.axis);
        EXPECT_EQ(t.rowTexts(0), c.firstRow);
    }
    const auto months = table(CashSeries::Rentals, CashBreakdown::Month, {{2024, 0}});
    EXPECT_EQ(months.headings()[1], "Jan");
    EXPECT_EQ(months.axisLabels, (std::vector<std::string>{"J", "F", "M", "A", "M", "J", "J", "A",
                                                           "S", "O", "N", "D"}));
    EXPECT_EQ(table(CashSeries::Rentals, CashBreakdown::DayOfMonth, {{2024, 2}}).headings()[0],
              "Mês");
}

TEST_F(CashGraphTest, FormListsTheMonthsOrYearsAndCarriesTheChoiceAcross)
{
    CashGraphForm form(state);
    const auto newest = form.chosen();
    const auto months = form.periodTexts();
    const auto label = form.listLabel();
    form.choose({0, 12, 99});
    const auto chosenMonths = form.chosen();
    form.setBreakdown(CashBreakdown::Quarter);
    const auto years = form.periodTexts();
    const auto chosenYears = form.chosen();
    const auto yearIndexes = form.chosenIndexes();
    form.choose({1});
    form.setBreakdown(CashBreakdown::Weekday);

    EXPECT_EQ(label, "Meses :");
    ASSERT_EQ(months.size(), 15u);
    EXPECT_EQ(months.front(), "Dez/2023");
    EXPECT_EQ(months.back(), "Fev/2025");
    EXPECT_EQ(newest, (std::vector<CashPeriod>{{2025, 2}}));
    EXPECT_EQ(chosenMonths, (std::vector<CashPeriod>{{2023, 12}, {2024, 12}}));
    EXPECT_EQ(years, (std::vector<std::string>{"2023", "2024", "2025"}));
    EXPECT_EQ(chosenYears, (std::vector<CashPeriod>{{2023, 0}, {2024, 0}}));
    EXPECT_EQ(yearIndexes, (std::vector<int>{0, 1}));
    EXPECT_EQ(form.listLabel(), "Meses :");
    EXPECT_EQ(form.chosen().size(), 12u); // the months of 2024
    EXPECT_EQ(form.table().rowCount(), 12u);
    EXPECT_EQ(form.table().buckets.size(), 7u);
}

TEST_F(CashGraphTest, TwoMonthsByWeekdayGiveTwoRowsOfSeven)
{
    CashGraphForm form(state);

    form.setSeries(CashSeries::TapesRented);
    form.setBreakdown(CashBreakdown::Weekday);
    form.choose({1, 2});

    ASSERT_EQ(form.table().rowCount(), 2u);
    EXPECT_EQ(form.table().values[0].size(), 7u);
    EXPECT_EQ(form.table().values[1].size(), 7u);
    EXPECT_EQ(form.table().total(0), 121);
    EXPECT_EQ(form.table().total(1), 117);
}

TEST_F(CashGraphTest, ImpossiblePeriodsAreRefused)
{
    struct Case {
        CashBreakdown breakdown;
        std::vector<CashPeriod> periods;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {CashBreakdown::DayOfMonth, {{2024, 2}, {2024, 13}}, false},
        {CashBreakdown::DayOfMonth, {{0, 5}}, false},
        {CashBreakdown::DayOfMonth, {{2024, 0}}, false}, // a year where months are listed
        {CashBreakdown::Year, {{2024, 3}}, false},
        {CashBreakdown::Year, {{2025, 0}, {2024, 0}, {2025, 0}}, true},
        {CashBreakdown::Weekday, {{1999, 7}}, true},
    };

    for (const Case& c : cases) {
        CashGraphForm form(state);
        form.setBreakdown(c.breakdown);
        const auto before = form.chosen();
        dialogs.messages.clear();

        const bool accepted = form.choosePeriods(c.periods);

        EXPECT_EQ(accepted, c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(dialogs.messages.empty());
            EXPECT_TRUE(std::is_sorted(form.chosen().begin(), form.chosen().end()));
            EXPECT_EQ(form.table().rowCount(), form.chosen().size());
        } else {
            EXPECT_EQ(dialogs.shownTexts(),
                      (std::vector<std::string>{"Uma das datas está incorreta."}));
            EXPECT_EQ(form.chosen(), before);
        }
    }
    CashGraphForm form(state);
    form.setBreakdown(CashBreakdown::Year);
    form.choosePeriods({{2025, 0}, {2024, 0}, {2025, 0}});
    EXPECT_EQ(form.chosen(), (std::vector<CashPeriod>{{2024, 0}, {2025, 0}}));
}

TEST_F(CashGraphTest, ChartSettingsAtClosingAreThoseOfTheNextOpening)
{
    struct Case {
        const char* type;
        const char* style;
        const char* grid;
        ChartType wantType;
        int wantStyle;
        GridLines wantGrid;
    };
    const std::vector<Case> stored = {
        {nullptr, nullptr, nullptr, ChartType::Bars2D, 0, GridLines::Horizontal},
        {"1", "7", "3", ChartType::Pie3D, 7, GridLines::All},
        {"6", "1", "0", ChartType::Area, 1, GridLines::None},
        {"6", "2", "4", ChartType::Area, 0, GridLines::Horizontal}, // out of the lists
        {"x", "-1", " 2 ", ChartType::Bars2D, 0, GridLines::Vertical},
        {"2", "6", "1", ChartType::Bars2D, 0, GridLines::Horizontal}, // Dimensão-Z is 3D only
    };
    const auto put = [this](const char* key, const char* value) {
        if (value) {
            settings.write("Tavolim", "Opções", key, value);
        }
    };

    for (const Case& c : stored) {
        settings.values.clear();
        put("TipoGraf", c.type);
        put("EstiloGraf", c.style);
        put("LinhasGrade", c.grid);

        const CashGraphForm form(state);

        EXPECT_EQ(form.chartType(), c.wantType) << (c.type ? c.type : "-");
        EXPECT_EQ(form.chartStyle(), c.wantStyle) << (c.type ? c.type : "-");
        EXPECT_EQ(form.gridLines(), c.wantGrid) << (c.type ? c.type : "-");
    }

    settings.values.clear();
    CashGraphForm first(state);
    first.setChartType(ChartType::Bars3D);
    first.setChartStyle(7);
    first.setGridLines(GridLines::Vertical);
    first.saveSettings();
    const CashGraphForm next(state);
    first.setChartType(ChartType::Lines);

    EXPECT_EQ(next.chartType(), ChartType::Bars3D);
    EXPECT_EQ(next.chartStyle(), 7);
    EXPECT_EQ(next.gridLines(), GridLines::Vertical);
    EXPECT_EQ(next.styleNames().back(), "Horizontal Dimensão-Z");
    EXPECT_EQ(first.chartStyle(), 0); // a new type starts at its first style
    EXPECT_EQ(settings.read("Tavolim", "Opções", "EstiloGraf", ""), "7");
}

TEST_F(CashGraphTest, SelectionSumsTheChosenCellsAsTheTableShowsThem)
{
    CashGraphForm form(state);
    form.setBreakdown(CashBreakdown::Quarter);
    form.choose({1});
    const std::vector<CashCell> quarters = {{0, 0}, {0, 3}, {0, 9}, {5, 0}};
    const std::string money = form.selectionSum(quarters);
    form.setSeries(CashSeries::TapesRented);
    form.setBreakdown(CashBreakdown::Weekday);
    form.choose({1, 2});
    const std::vector<CashCell> counts = {{0, 7}, {1, 7}, {1, 0}};

    form.showSelectionSum(counts);

    EXPECT_EQ(money, "2.929,75"); // 2024's first and last quarters
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Soma total dos itens selecionados:\n242");
    EXPECT_EQ(dialogs.messages[0].title, "Soma");
    EXPECT_EQ(dialogs.messages[0].flags, msg::Information);
}

TEST_F(CashGraphTest, PrintoutHasTheHeaderTheSeriesAndTheRowsWrappedToTheWidth)
{
    CashGraphForm form(state);
    form.setSeries(CashSeries::TapesRented);
    form.setBreakdown(CashBreakdown::Weekday);
    form.choose({2});

    const auto lines = form.printLines(40);
    const bool printed = form.print();
    state.options().IsDebugging = true;
    std::string shown;
    state.showText = [&shown](const std::string& text) { shown = text; };
    form.setSeries(CashSeries::Sales);
    form.print();

    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Caixa - N° de Locações",
                         "Semana - Dom - Seg - Ter - Qua - Qui -",
                         "  Sex - Sab - Total",
                         "Fev/2024 - 4 - 8 - 12 - 16 - 25 - 24 -",
                         "  28 - 117",
                     }));
    for (const auto& line : form.printLines(40)) {
        EXPECT_LE(line.size(), 40u) << line;
    }
    EXPECT_TRUE(printed);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find("     #Dados do Caixa#\r\n"), std::string::npos);
    EXPECT_NE(printer.printed[0].find("Caixa - N° de Locações\r\nSemana - Dom"), std::string::npos);
    EXPECT_NE(shown.find("Caixa - Vendas\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Não se esqueça de retirar impressão!",
                                        "Não se esqueça de retirar impressão!"}));
}

TEST_F(CashGraphTest, TableCopiesAsTabSeparatedLines)
{
    CashGraphForm form(state);
    form.setBreakdown(CashBreakdown::Quarter);
    form.choose({1, 2});

    EXPECT_EQ(form.tabSeparated(), " Ano\t1° Trim\t2° Trim\t3° Trim\t4° Trim\tTotal\n"
                                   "2024\t1.449,75\t1.448,75\t1.480,00\t1.480,00\t5.858,50\n"
                                   "2025\t561,25\t0,00\t0,00\t0,00\t561,25\n");
}

TEST(CashChart, StylesMapToWhatTheDrawingDoes)
{
    struct Case {
        ChartType type;
        int style;
        const char* name;
        ChartLook want;
    };
    const auto look = [](ChartType t, auto edit) {
        ChartLook l;
        l.type = t;
        l.depth = t == ChartType::Pie3D || t == ChartType::Bars3D;
        edit(l);
        return l;
    };
    using T = ChartType;
    const std::vector<Case> cases = {
        {T::Pie2D, 0, "Padrão", look(T::Pie2D, [](ChartLook&) {})},
        {T::Pie2D, 3, "Rótulos Coloridos sem linhas",
         look(T::Pie2D,
              [](ChartLook& l) {
                  l.labelLines = false;
                  l.colouredLabels = true;
              })},
        {T::Pie3D, 4, "%Rótulo", look(T::Pie3D, [](ChartLook& l) { l.percentLabels = true; })},
        {T::Pie3D, 7, "%Rótulos Coloridos sem linhas",
         look(T::Pie3D,
              [](ChartLook& l) {
                  l.labelLines = false;
                  l.colouredLabels = true;
                  l.percentLabels = true;
              })},
        {T::Bars2D, 1, "Horizontal", look(T::Bars2D, [](ChartLook& l) { l.horizontal = true; })},
        {T::Bars2D, 2, "Empilhada",
         look(T::Bars2D, [](ChartLook& l) { l.stacking = BarStacking::Stacked; })},
        {T::Bars2D, 5, "%Horizontal Empilhada",
         look(T::Bars2D,
              [](ChartLook& l) {
                  l.horizontal = true;
                  l.stacking = BarStacking::Percent;
              })},
        {T::Bars3D, 6, "Dimensão-Z", look(T::Bars3D, [](ChartLook& l) { l.rowsInDepth = true; })},
        {T::Bars3D, 7, "Horizontal Dimensão-Z",
         look(T::Bars3D,
              [](ChartLook& l) {
                  l.rowsInDepth = true;
                  l.horizontal = true;
              })},
        {T::Bars2D, 6, nullptr, look(T::Bars2D, [](ChartLook&) {})},
        {T::Lines, 0, "Erro", look(T::Lines, [](ChartLook&) {})},
        {T::Lines, 1, "Símbolos",
         look(T::Lines,
              [](ChartLook& l) {
                  l.lines = false;
                  l.symbols = true;
              })},
        {T::Lines, 2, "Barras",
         look(T::Lines,
              [](ChartLook& l) {
                  l.lines = false;
                  l.sticks = true;
              })},
        {T::LinesLog, 7, "Linhas, Símbolos e Barras",
         look(T::LinesLog,
              [](ChartLook& l) {
                  l.symbols = true;
                  l.sticks = true;
                  l.logScale = true;
              })},
        {T::Lines, 6, "Linhas e Barras", look(T::Lines, [](ChartLook& l) { l.sticks = true; })},
        {T::Area, 1, "Percentagem", look(T::Area, [](ChartLook& l) { l.percentAreas = true; })},
        {T::Area, 2, nullptr, look(T::Area, [](ChartLook&) {})},
    };

    for (const Case& c : cases) {
        const ChartLook got = chartLook(c.type, c.style, GridLines::Horizontal);
        const auto names = chartStyleNames(c.type);
        const std::string label =
            chartTypeNames()[static_cast<std::size_t>(c.type)] + " " + std::to_string(c.style);

        if (c.name) {
            ASSERT_LT(static_cast<std::size_t>(c.style), names.size()) << label;
            EXPECT_EQ(names[static_cast<std::size_t>(c.style)], c.name) << label;
        }
        EXPECT_EQ(got.depth, c.want.depth) << label;
        EXPECT_EQ(got.labelLines, c.want.labelLines) << label;
        EXPECT_EQ(got.colouredLabels, c.want.colouredLabels) << label;
        EXPECT_EQ(got.percentLabels, c.want.percentLabels) << label;
        EXPECT_EQ(got.horizontal, c.want.horizontal) << label;
        EXPECT_EQ(got.stacking, c.want.stacking) << label;
        EXPECT_EQ(got.rowsInDepth, c.want.rowsInDepth) << label;
        EXPECT_EQ(got.lines, c.want.lines) << label;
        EXPECT_EQ(got.symbols, c.want.symbols) << label;
        EXPECT_EQ(got.sticks, c.want.sticks) << label;
        EXPECT_EQ(got.logScale, c.want.logScale) << label;
        EXPECT_EQ(got.percentAreas, c.want.percentAreas) << label;
    }
}

TEST_F(CashGraphTest, ChartDataAreasAndLogAxisComeFromTheTable)
{
    const CashTable days =
        table(CashSeries::TakenIn, CashBreakdown::DayOfMonth, {{2023, 12}, {2024, 1}});
    const CashTable years = table(CashSeries::TakenIn, CashBreakdown::Year, {{2024, 0}, {2025, 0}});
    ChartData two;
    two.labels = {"a", "b", "c"};
    two.sets = {{"x", {1.0, 0.0, 0.0}}, {"y", {3.0, 0.0, 250.0}}};

    const ChartData byDay = chartData(days);
    const ChartData byYear = chartData(years);

    EXPECT_EQ(byDay.title, "Entrada por Dia do Mês");
    ASSERT_EQ(byDay.sets.size(), 2u);
    EXPECT_EQ(byDay.sets[0].name, "Dez/2023");
    EXPECT_EQ(byDay.sets[0].values.size(), 31u);
    EXPECT_DOUBLE_EQ(byDay.sets[0].values[19], 2.0);
    ASSERT_EQ(byYear.sets.size(), 1u);
    EXPECT_EQ(byYear.sets[0].name, "Entrada");
    EXPECT_EQ(byYear.sets[0].values, (std::vector<double>{732.0, 82.0}));
    const ChartData byMonth =
        chartData(table(CashSeries::TakenIn, CashBreakdown::Month, {{2024, 0}}));
    EXPECT_EQ(byMonth.labels[1], "F");
    EXPECT_EQ(byMonth.names[1], "Fev");
    EXPECT_EQ(stackedAreas(two, false), (std::vector<std::vector<double>>{{1, 0, 0}, {4, 0, 250}}));
    EXPECT_EQ(stackedAreas(two, true),
              (std::vector<std::vector<double>>{{25, 0, 0}, {100, 0, 100}}));
    EXPECT_EQ(logRange(two), std::make_pair(1.0, 1000.0));
    EXPECT_EQ(logRange(ChartData{}), std::make_pair(1.0, 10.0));
    two.sets = {{"x", {0.5, 10.0}}};
    EXPECT_EQ(logRange(two), std::make_pair(0.1, 10.0));
    EXPECT_EQ(chartValueText(1234.5, true), "1.234,50");
    EXPECT_EQ(chartValueText(12.0, false), "12");
    EXPECT_EQ(percentText(0.125), "12,5%");
    EXPECT_EQ(percentText(1.0), "100,0%");
}

TEST_F(CashGraphTest, ChartFileIsWrittenWholeOrTheFailureNamesIt)
{
    const std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G'};

    const bool saved = saveChartFile(state, folder.file("grafico.png"), bytes);
    const bool refused = saveChartFile(state, folder.file("falta") / "grafico.pdf", bytes);

    EXPECT_TRUE(saved);
    EXPECT_EQ(binaryfile::readAll(folder.file("grafico.png")), bytes);
    EXPECT_FALSE(refused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Não foi possível gravar o arquivo 'grafico.pdf'", 0),
              0u);
    EXPECT_EQ(dialogs.messages[0].flags, msg::Critical);
}

TEST(CashDays, AFileWithoutHeaderHasNoDays)
{
    const CashDays none(std::nullopt, std::vector<DailyTotalsRecord>(3));
    const CashDays empty(year{2024} / 1 / 1, {});

    EXPECT_FALSE(none.base());
    EXPECT_FALSE(none.lastDay());
    EXPECT_EQ(none.value(CashSeries::TakenIn, sys_days(year{2024} / 1 / 1)), 0);
    EXPECT_TRUE(empty.base());
    EXPECT_FALSE(empty.lastDay());
}

} // namespace
} // namespace tavolim::core
