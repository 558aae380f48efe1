#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tavolim::core {

struct CashTable;

// cboTipoGraf, in its order: "Torta 2D", "Torta 3D", "Barras 2D", "Barras 3D", "Linhas",
// "Linhas-Log", "Área".
enum class ChartType { Pie2D, Pie3D, Bars2D, Bars3D, Lines, LinesLog, Area };
// cboLinhasGraf: "Nenhuma", "Horizontal", "Vertical", "Todas" (lines running that way).
enum class GridLines { None, Horizontal, Vertical, All };
enum class BarStacking { SideBySide, Stacked, Percent };

const std::vector<std::string>& chartTypeNames();
const std::vector<std::string>& gridLineNames();
// cboEstiloGraf for a type; the index of a name is the style number kept in "EstiloGraf".
std::vector<std::string> chartStyleNames(ChartType type);

// What a type and style ask of the drawing, whatever draws it.
struct ChartLook {
    ChartType type = ChartType::Bars2D;
    GridLines grid = GridLines::Horizontal;
    bool depth = false; // the 3D types: drawn with a shaded depth

    // Pies: value labels, or the share of the pie; leader lines from label to slice; label
    // text in the slice's colour.
    bool percentLabels = false;
    bool labelLines = true;
    bool colouredLabels = false;

    // Bars.
    bool horizontal = false;
    BarStacking stacking = BarStacking::SideBySide;
    bool rowsInDepth = false; // "Dimensão-Z": each data set in a row of its own, one behind another

    // Lines: the line through the points, a symbol on each point, a stick from the axis up.
    bool lines = true;
    bool symbols = false;
    bool sticks = false;
    bool logScale = false;

    // Areas stacked to 100% of each bucket.
    bool percentAreas = false;

    bool isPie() const { return type == ChartType::Pie2D || type == ChartType::Pie3D; }
    bool isBars() const { return type == ChartType::Bars2D || type == ChartType::Bars3D; }
    bool isLines() const { return type == ChartType::Lines || type == ChartType::LinesLog; }
};

// A style out of the type's range is its first.
ChartLook chartLook(ChartType type, int style, GridLines grid);

// One data set of the chart: its name and one value per label of the axis.
struct ChartSet {
    std::string name;
    std::vector<double> values;
};

struct ChartData {
    std::string title; // "Locações por Dia do Mês"
    bool money = true;
    std::vector<std::string> labels; // as the axis names them ("J", "F", ...)
    std::vector<std::string> names;  // the same in full ("Jan", "Fev", ...), where no axis is
    std::vector<ChartSet> sets;
};

// The table as the chart draws it: one data set per period over the bucket labels. In the
// year breakdown each period is its own bucket, so the chart gets one data set, named after
// the series, with one value per year.
ChartData chartData(const CashTable& table);

// The upper line of each stacked area: set i's values plus those of the sets before it; as
// percentages of each label's whole sum when `percent` (0 where that sum is 0).
std::vector<std::vector<double>> stackedAreas(const ChartData& data, bool percent);

// The range of a log axis over the values: the powers of ten at or below the smallest value
// above 0 and at or above the largest. (1, 10) when no value is above 0.
std::pair<double, double> logRange(const ChartData& data);

// Labels on the chart: "1.234,56" for money, "12" for counts.
std::string chartValueText(double value, bool money);
// A share as "12,5%".
std::string percentText(double fraction);

} // namespace tavolim::core
