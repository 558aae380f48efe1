#include "core/reports/CashChart.h"

#include "core/reports/CashGraph.h"
#include "core/store/Money.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavolim::core {
namespace {

const std::vector<std::string> kPieStyles = {
    "Padrão",  "Sem linhas",         "Rótulos Coloridos",  "Rótulos Coloridos sem linhas",
    "%Rótulo", "%Rótulo sem linhas", "%Rótulos Coloridos", "%Rótulos Coloridos sem linhas"};
const std::vector<std::string> kBarStyles = {"Padrão",     "Horizontal",
                                             "Empilhada",  "Horizontal Empilhada",
                                             "%Empilhada", "%Horizontal Empilhada",
                                             "Dimensão-Z", "Horizontal Dimensão-Z"};
// Only the 3D bars have depth to put the data sets in.
constexpr std::size_t kFlatBarStyles = 6;
const std::vector<std::string> kLineStyles = {
    "Erro",   "Símbolos",          "Barras",          "Símbolos e Barras",
    "Linhas", "Linhas e Símbolos", "Linhas e Barras", "Linhas, Símbolos e Barras"};
const std::vector<std::string> kAreaStyles = {"Absoluto", "Percentagem"};

} // namespace

const std::vector<std::string>& chartTypeNames()
{
    static const std::vector<std::string> names = {
        "Torta 2D", "Torta 3D", "Barras 2D", "Barras 3D", "Linhas", "Linhas-Log", "Área"};
    return names;
}

const std::vector<std::string>& gridLineNames()
{
    static const std::vector<std::string> names = {"Nenhuma", "Horizontal", "Vertical", "Todas"};
    return names;
}

std::vector<std::string> chartStyleNames(ChartType type)
{
    switch (type) {
    case ChartType::Pie2D:
    case ChartType::Pie3D:
        return kPieStyles;
    case ChartType::Bars2D:
        return {kBarStyles.begin(), kBarStyles.begin() + kFlatBarStyles};
    case ChartType::Bars3D:
        return kBarStyles;
    case ChartType::Lines:
    case ChartType::LinesLog:
        return kLineStyles;
    case ChartType::Area:
        return kAreaStyles;
    }
    return {};
}

ChartLook chartLook(ChartType type, int style, GridLines grid)
{
    ChartLook look;
    look.type = type;
    look.grid = grid;
    look.depth = type == ChartType::Pie3D || type == ChartType::Bars3D;
    if (style < 0 || static_cast<std::size_t>(style) >= chartStyleNames(type).size()) {
        style = 0;
    }
    if (look.isPie()) {
        // Bit by bit: no leader lines, coloured labels, then percentages.
        look.labelLines = (style & 1) == 0;
        look.colouredLabels = (style & 2) != 0;
        look.percentLabels = (style & 4) != 0;
    } else if (look.isBars()) {
        look.rowsInDepth = style >= 6;
        look.horizontal = style % 2 == 1;
        look.stacking = style >= 6   ? BarStacking::SideBySide
                        : style >= 4 ? BarStacking::Percent
                        : style >= 2 ? BarStacking::Stacked
                                     : BarStacking::SideBySide;
    } else if (look.isLines()) {
        look.logScale = type == ChartType::LinesLog;
        // "Erro" is the chart's first style, its plain lines; then symbols (1), sticks (2)
        // and lines (4) add up.
        const int parts = style == 0 ? 4 : style;
        look.lines = (parts & 4) != 0;
        look.symbols = (parts & 1) != 0;
        look.sticks = (parts & 2) != 0;
    } else {
        look.percentAreas = style == 1;
    }
    return look;
}

ChartData chartData(const CashTable& table)
{
    ChartData data;
    data.title = cashSeriesName(table.series) + " por " + cashBreakdownName(table.breakdown);
    data.money = table.money();
    data.labels = table.axisLabels;
    data.names = table.buckets;
    if (table.breakdown == CashBreakdown::Year) {
        ChartSet set{cashSeriesName(table.series), std::vector<double>(data.labels.size(), 0.0)};
        for (std::size_t row = 0; row < table.rowCount(); ++row) {
            for (std::size_t b = 0; b < set.values.size(); ++b) {
                set.values[b] += table.chartValue(table.cell(row, b));
            }
        }
        if (!table.periods.empty()) {
            data.sets.push_back(std::move(set));
        }
        return data;
    }
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        ChartSet set{cashPeriodText(table.periods[row]), {}};
        for (std::size_t b = 0; b < table.buckets.size(); ++b) {
            set.values.push_back(table.chartValue(table.cell(row, b)));
        }
        data.sets.push_back(std::move(set));
    }
    return data;
}

std::vector<std::vector<double>> stackedAreas(const ChartData& data, bool percent)
{
    const std::size_t n = data.labels.size();
    std::vector<double> whole(n, 0.0);
    for (const ChartSet& set : data.sets) {
        for (std::size_t i = 0; i < n && i < set.values.size(); ++i) {
            whole[i] += set.values[i];
        }
    }
    std::vector<std::vector<double>> out;
    std::vector<double> running(n, 0.0);
    for (const ChartSet& set : data.sets) {
        for (std::size_t i = 0; i < n && i < set.values.size(); ++i) {
            running[i] += set.values[i];
        }
        std::vector<double> upper = running;
        if (percent) {
            for (std::size_t i = 0; i < n; ++i) {
                upper[i] = whole[i] != 0.0 ? upper[i] / whole[i] * 100.0 : 0.0;
            }
        }
        out.push_back(std::move(upper));
    }
    return out;
}

std::pair<double, double> logRange(const ChartData& data)
{
    double low = 0.0;
    double high = 0.0;
    for (const ChartSet& set : data.sets) {
        for (const double v : set.values) {
            if (v > 0.0) {
                low = low == 0.0 ? v : std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    if (high == 0.0) {
        return {1.0, 10.0};
    }
    const double bottom = std::pow(10.0, std::floor(std::log10(low)));
    double top = std::pow(10.0, std::ceil(std::log10(high)));
    if (top <= bottom) {
        top = bottom * 10.0;
    }
    return {bottom, top};
}

std::string chartValueText(double value, bool money)
{
    if (money) {
        return formatMoney(Money::fromReais(value));
    }
    return std::to_string(static_cast<std::int64_t>(std::llround(value)));
}

std::string percentText(double fraction)
{
    const auto tenths = std::llround(fraction * 1000.0);
    const std::string sign = tenths < 0 ? "-" : "";
    const auto magnitude = tenths < 0 ? -tenths : tenths;
    return sign + std::to_string(magnitude / 10) + "," + std::to_string(magnitude % 10) + "%";
}

} // namespace tavolim::core
