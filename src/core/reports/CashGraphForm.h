#pragma once

#include "core/reports/CashChart.h"
#include "core/reports/CashGraph.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavolim::core {

class AppState;

inline constexpr std::string_view kCashGraphTitle = "Gráficos de Caixa";
inline constexpr std::string_view kBadPeriodDate = "Uma das datas está incorreta.";
inline constexpr std::string_view kSelectionSumTitle = "Soma";
inline constexpr std::string_view kCashGraphPrintTitle = "     #Dados do Caixa#";

// Where the chart settings are kept: the program's per-user options.
inline constexpr std::string_view kChartTypeKey = "TipoGraf";
inline constexpr std::string_view kChartStyleKey = "EstiloGraf";
inline constexpr std::string_view kGridLinesKey = "LinhasGrade";

// A cell of the table: its row and value column (the buckets, then "Total").
using CashCell = std::pair<std::size_t, std::size_t>;

// frmGraph: the daily totals of Caixa.tvl summed over the periods chosen in lstPeriodo, as
// the table FlexDados and the chart Graph1. It only reads the data folder; the chart
// settings are read when it opens and written when it closes (saveSettings).
class CashGraphForm {
public:
    // Reads Caixa.tvl and the chart settings; lists the months from the file's first to the
    // current day's (or the last day held, when later) and chooses the newest.
    explicit CashGraphForm(AppState& state);

    CashSeries series() const { return m_series; }
    void setSeries(CashSeries series);
    CashBreakdown breakdown() const { return m_breakdown; }
    // Between months and years the chosen periods follow: months give their years, years
    // give their listed months; nothing left chooses the newest.
    void setBreakdown(CashBreakdown breakdown);

    // lblList: "Meses :" or "Anos :".
    std::string listLabel() const;
    const std::vector<CashPeriod>& periodList() const { return m_list; }
    std::vector<std::string> periodTexts() const;
    // Positions in periodList() of the periods chosen, in list order.
    std::vector<int> chosenIndexes() const;
    // Chooses the list items at `indexes`; those out of range are left out.
    void choose(const std::vector<int>& indexes);
    // Periods named without the list (the tool, a typed period): refused with
    // "Uma das datas está incorreta." when one is not a real month or year, or of the
    // wrong kind for the breakdown. Kept in time order, each once.
    bool choosePeriods(const std::vector<CashPeriod>& periods);
    const std::vector<CashPeriod>& chosen() const { return m_chosen; }

    const CashTable& table() const { return m_table; }
    ChartData chart() const { return chartData(m_table); }

    ChartType chartType() const { return m_type; }
    // A new type fills cboEstiloGraf anew and takes its first style.
    void setChartType(ChartType type);
    std::vector<std::string> styleNames() const { return chartStyleNames(m_type); }
    int chartStyle() const { return m_style; }
    void setChartStyle(int style);
    GridLines gridLines() const { return m_grid; }
    void setGridLines(GridLines grid) { m_grid = grid; }
    ChartLook look() const { return chartLook(m_type, m_style, m_grid); }
    // Writes "TipoGraf", "EstiloGraf" and "LinhasGrade" (their positions in the lists).
    void saveSettings() const;

    // The sum of the cells, as the table shows a value; cells outside the table are skipped.
    std::string selectionSum(std::span<const CashCell> cells) const;
    // "Soma total dos itens selecionados:" and the sum on the next line, titled "Soma".
    void showSelectionSum(std::span<const CashCell> cells) const;

    // The printed lines under the receipt header: "Caixa - " and the series, then the
    // table's heading row and rows with their cells joined by " - ", a row too wide for
    // `width` going on in lines of its own that start with two spaces.
    std::vector<std::string> printLines(int width) const;
    // cmdImprimir: the receipt header titled "     #Dados do Caixa#", the lines, out the
    // receipt way; then "Não se esqueça de retirar impressão!". False when not printed.
    bool print();

    // The table for a spreadsheet: the heading row and the rows, cells as shown, separated
    // by tabs, each line ending in "\n".
    std::string tabSeparated() const;

private:
    void refill();
    void chooseNewest();

    AppState& m_state;
    CashDays m_days;
    CashSeries m_series = CashSeries::Rentals;
    CashBreakdown m_breakdown = CashBreakdown::DayOfMonth;
    std::vector<CashPeriod> m_months; // every month listed
    std::vector<CashPeriod> m_list;   // m_months or their years
    std::vector<CashPeriod> m_chosen;
    CashTable m_table;
    ChartType m_type = ChartType::Bars2D;
    int m_style = 0;
    GridLines m_grid = GridLines::Horizontal;
};

// A chart picture written whole to `path` (beside it first, then renamed over it); a failed
// write is told with the file and the cause. False when it was not written.
bool saveChartFile(AppState& state, const std::filesystem::path& path,
                   std::span<const std::uint8_t> bytes);

} // namespace tavolim::core
