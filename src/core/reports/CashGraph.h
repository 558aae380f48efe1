#pragma once

#include "core/store/DailyTotalsRecord.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

// What the cash graphs sum ("Gráfico de"): optLocacoes, optVendas, optEntrada, optNLocacoes.
enum class CashSeries { Rentals, Sales, TakenIn, TapesRented };
// How a period is cut into buckets: optDiaMes, optDiaSemana, optMes, optTrimestre, optAno.
enum class CashBreakdown { DayOfMonth, Weekday, Month, Quarter, Year };

// "Locações", "Vendas", "Entrada", "N° de Locações": the series as the printout names it.
std::string cashSeriesName(CashSeries series);
// "Dia do Mês", "Dia da Semana", "Mês", "Trimestre", "Ano".
std::string cashBreakdownName(CashBreakdown breakdown);
// Money series are summed in thousandths of a real; the tape count in tapes.
bool isMoneySeries(CashSeries series);
// The day breakdowns sum months; the others sum years.
bool breakdownTakesMonths(CashBreakdown breakdown);

// A period the operator chooses: a month, or a whole year when `month` is 0.
struct CashPeriod {
    int year = 0;
    unsigned month = 0;

    auto operator<=>(const CashPeriod&) const = default;
};

// "Jan/2026" or "2026".
std::string cashPeriodText(CashPeriod period);
// First and last day; nullopt when the period is not a real month or year.
std::optional<std::pair<std::chrono::sys_days, std::chrono::sys_days>> periodDays(
    CashPeriod period);

// The days of Caixa.tvl, read in one pass. A day before the base, after the last record or
// of a file without a header has no values.
class CashDays {
public:
    CashDays() = default;
    CashDays(std::optional<std::chrono::year_month_day> base, std::vector<DailyTotalsRecord> days);
    static CashDays read(const std::filesystem::path& folder);

    std::optional<std::chrono::year_month_day> base() const;
    // The last day with a record; nullopt when there is none.
    std::optional<std::chrono::year_month_day> lastDay() const;

    // The series value of the day: thousandths for money, a count otherwise; 0 without record.
    std::int64_t value(CashSeries series, std::chrono::sys_days day) const;

private:
    std::optional<std::chrono::sys_days> m_base;
    std::vector<DailyTotalsRecord> m_days; // the day of m_base first
};

// The series summed over the periods into the buckets of the breakdown: FlexDados of the
// window. Values are thousandths of a real for money, counts otherwise.
struct CashTable {
    CashSeries series = CashSeries::Rentals;
    CashBreakdown breakdown = CashBreakdown::DayOfMonth;
    std::string corner;                  // "Mês", "Semana" or " Ano"
    std::vector<std::string> buckets;    // column headings
    std::vector<std::string> axisLabels; // the same buckets as the chart's axis names them
    std::vector<CashPeriod> periods;     // one row each
    std::vector<std::vector<std::int64_t>> values; // [row][bucket]

    bool money() const { return isMoneySeries(series); }
    std::size_t rowCount() const { return periods.size(); }
    // Value columns: the buckets and "Total" last.
    std::size_t columnCount() const { return buckets.size() + 1; }
    std::int64_t total(std::size_t row) const;
    // Column `col` of columnCount(); 0 out of range.
    std::int64_t cell(std::size_t row, std::size_t col) const;
    // "#,##0.00" for money, whole numbers for counts.
    std::string valueText(std::int64_t value) const;
    // Reais for money, the count otherwise.
    double chartValue(std::int64_t value) const;

    // The grid's heading row (corner, buckets, "Total") and rows (period, values, total).
    std::vector<std::string> headings() const;
    std::vector<std::string> rowTexts(std::size_t row) const;
};

// Bucket headings of a breakdown ("1".."31", "Dom".."Sab", "Jan".."Dez", "1° Trim".."4° Trim");
// the year breakdown's buckets are the years chosen, so it has none of its own.
std::vector<std::string> bucketNames(CashBreakdown breakdown);
// The same on the chart's axis ("J", "F", ...; "1°Trim", ...).
std::vector<std::string> axisNames(CashBreakdown breakdown);

// Sums `series` over `periods` (kept in the order given) into the breakdown's buckets: each
// day of a period adds to the bucket of its day of the month, weekday, month, quarter or
// year (the year buckets are the distinct years of the periods). A period that is not a
// real date gives a row of zeros.
CashTable cashTable(const CashDays& days, CashSeries series, CashBreakdown breakdown,
                    const std::vector<CashPeriod>& periods);

} // namespace tavolim::core
