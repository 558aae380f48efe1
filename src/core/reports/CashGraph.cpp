#include "core/reports/CashGraph.h"

#include "core/books/BookFiles.h"
#include "core/reports/BookPeriods.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <array>

namespace tavolim::core {
namespace {

using namespace std::chrono;

constexpr std::array<const char*, 7> kWeekdays = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sab"};
constexpr std::array<const char*, 12> kMonthLetters = {"J", "F", "M", "A", "M", "J",
                                                       "J", "A", "S", "O", "N", "D"};

std::int64_t seriesValue(const DailyTotalsRecord& r, CashSeries series)
{
    switch (series) {
    case CashSeries::Rentals:
        return (r.LocPago + r.LocHaver).thousandths();
    case CashSeries::Sales:
        return (r.VendaPago + r.VendaHaver).thousandths();
    case CashSeries::TakenIn:
        return r.Entrada.thousandths();
    case CashSeries::TapesRented:
        return r.FitasLocadas;
    }
    return 0;
}

} // namespace

std::string cashSeriesName(CashSeries series)
{
    switch (series) {
    case CashSeries::Rentals:
        return "Locações";
    case CashSeries::Sales:
        return "Vendas";
    case CashSeries::TakenIn:
        return "Entrada";
    case CashSeries::TapesRented:
        return "N° de Locações";
    }
    return {};
}

std::string cashBreakdownName(CashBreakdown breakdown)
{
    switch (breakdown) {
    case CashBreakdown::DayOfMonth:
        return "Dia do Mês";
    case CashBreakdown::Weekday:
        return "Dia da Semana";
    case CashBreakdown::Month:
        return "Mês";
    case CashBreakdown::Quarter:
        return "Trimestre";
    case CashBreakdown::Year:
        return "Ano";
    }
    return {};
}

bool isMoneySeries(CashSeries series)
{
    return series != CashSeries::TapesRented;
}

bool breakdownTakesMonths(CashBreakdown breakdown)
{
    return breakdown == CashBreakdown::DayOfMonth || breakdown == CashBreakdown::Weekday;
}

std::string cashPeriodText(CashPeriod period)
{
    const std::string year = std::to_string(period.year);
    return period.month == 0 ? year : monthAbbreviation(month{period.month}) + "/" + year;
}

std::optional<std::pair<sys_days, sys_days>> periodDays(CashPeriod period)
{
    const year y{period.year};
    if (!y.ok() || period.year < 1 || period.month > 12) {
        return std::nullopt;
    }
    if (period.month == 0) {
        return std::pair(sys_days(y / January / 1), sys_days(y / December / 31));
    }
    const year_month ym = y / month{period.month};
    return std::pair(sys_days(ym / 1), sys_days(year_month_day_last(ym / last)));
}

CashDays::CashDays(std::optional<year_month_day> base, std::vector<DailyTotalsRecord> days)
    : m_base(base ? std::optional(sys_days(*base)) : std::nullopt), m_days(std::move(days))
{
    if (!m_base) {
        m_days.clear();
    }
}

CashDays CashDays::read(const std::filesystem::path& folder)
{
    const std::vector<std::uint8_t> bytes =
        binaryfile::readAll(folder / std::string(kDailyTotalsFile));
    constexpr std::size_t len = DailyTotalsRecord::Size;
    if (bytes.size() < len) {
        return {};
    }
    DailyTotalsRecord header;
    header.decode(std::span(bytes).first(len));
    std::vector<DailyTotalsRecord> days(bytes.size() / len - 1);
    for (std::size_t i = 0; i < days.size(); ++i) {
        days[i].decode(std::span(bytes).subspan((i + 1) * len, len));
    }
    return CashDays(header.headerDate(), std::move(days));
}

std::optional<year_month_day> CashDays::base() const
{
    return m_base ? std::optional(year_month_day(*m_base)) : std::nullopt;
}

std::optional<year_month_day> CashDays::lastDay() const
{
    if (!m_base || m_days.empty()) {
        return std::nullopt;
    }
    return year_month_day(*m_base + days(static_cast<long>(m_days.size()) - 1));
}

std::int64_t CashDays::value(CashSeries series, sys_days day) const
{
    if (!m_base || day < *m_base) {
        return 0;
    }
    const auto index = static_cast<std::size_t>((day - *m_base).count());
    return index < m_days.size() ? seriesValue(m_days[index], series) : 0;
}

std::int64_t CashTable::total(std::size_t row) const
{
    std::int64_t sum = 0;
    if (row < values.size()) {
        for (const std::int64_t v : values[row]) {
            sum += v;
        }
    }
    return sum;
}

std::int64_t CashTable::cell(std::size_t row, std::size_t col) const
{
    if (row >= values.size()) {
        return 0;
    }
    if (col == buckets.size()) {
        return total(row);
    }
    return col < values[row].size() ? values[row][col] : 0;
}

std::string CashTable::valueText(std::int64_t value) const
{
    return money() ? formatMoney(Money::fromThousandths(value)) : std::to_string(value);
}

double CashTable::chartValue(std::int64_t value) const
{
    return money() ? Money::fromThousandths(value).toDouble() : static_cast<double>(value);
}

std::vector<std::string> CashTable::headings() const
{
    std::vector<std::string> out{corner};
    out.insert(out.end(), buckets.begin(), buckets.end());
    out.emplace_back("Total");
    return out;
}

std::vector<std::string> CashTable::rowTexts(std::size_t row) const
{
    std::vector<std::string> out;
    if (row >= periods.size()) {
        return out;
    }
    out.push_back(cashPeriodText(periods[row]));
    for (std::size_t c = 0; c < columnCount(); ++c) {
        out.push_back(valueText(cell(row, c)));
    }
    return out;
}

std::vector<std::string> bucketNames(CashBreakdown breakdown)
{
    std::vector<std::string> out;
    switch (breakdown) {
    case CashBreakdown::DayOfMonth:
        for (int d = 1; d <= 31; ++d) {
            out.push_back(std::to_string(d));
        }
        break;
    case CashBreakdown::Weekday:
        out.assign(kWeekdays.begin(), kWeekdays.end());
        break;
    case CashBreakdown::Month:
        for (unsigned m = 1; m <= 12; ++m) {
            out.push_back(monthAbbreviation(month{m}));
        }
        break;
    case CashBreakdown::Quarter:
        for (int q = 1; q <= 4; ++q) {
            out.push_back(std::to_string(q) + "° Trim");
        }
        break;
    case CashBreakdown::Year:
        break;
    }
    return out;
}

std::vector<std::string> axisNames(CashBreakdown breakdown)
{
    switch (breakdown) {
    case CashBreakdown::Month:
        return {kMonthLetters.begin(), kMonthLetters.end()};
    case CashBreakdown::Quarter: {
        std::vector<std::string> out;
        for (int q = 1; q <= 4; ++q) {
            out.push_back(std::to_string(q) + "°Trim");
        }
        return out;
    }
    default:
        return bucketNames(breakdown);
    }
}

CashTable cashTable(const CashDays& days, CashSeries series, CashBreakdown breakdown,
                    const std::vector<CashPeriod>& periods)
{
    CashTable table;
    table.series = series;
    table.breakdown = breakdown;
    table.periods = periods;
    table.corner = breakdown == CashBreakdown::DayOfMonth ? "Mês"
                   : breakdown == CashBreakdown::Weekday  ? "Semana"
                                                          : " Ano";
    table.buckets = bucketNames(breakdown);
    table.axisLabels = axisNames(breakdown);
    std::vector<int> years;
    if (breakdown == CashBreakdown::Year) {
        for (const CashPeriod& p : periods) {
            if (std::find(years.begin(), years.end(), p.year) == years.end()) {
                years.push_back(p.year);
                table.buckets.push_back(std::to_string(p.year));
            }
        }
        table.axisLabels = table.buckets;
    }

    table.values.assign(periods.size(), std::vector<std::int64_t>(table.buckets.size(), 0));
    for (std::size_t row = 0; row < periods.size(); ++row) {
        const auto span = periodDays(periods[row]);
        if (!span) {
            continue;
        }
        std::vector<std::int64_t>& cells = table.values[row];
        for (sys_days day = span->first; day <= span->second; day += std::chrono::days{1}) {
            const year_month_day ymd(day);
            std::size_t bucket = 0;
            switch (breakdown) {
            case CashBreakdown::DayOfMonth:
                bucket = static_cast<unsigned>(ymd.day()) - 1;
                break;
            case CashBreakdown::Weekday:
                bucket = weekday(day).c_encoding();
                break;
            case CashBreakdown::Month:
                bucket = static_cast<unsigned>(ymd.month()) - 1;
                break;
            case CashBreakdown::Quarter:
                bucket = (static_cast<unsigned>(ymd.month()) - 1) / 3;
                break;
            case CashBreakdown::Year:
                bucket = static_cast<std::size_t>(
                    std::find(years.begin(), years.end(), static_cast<int>(ymd.year())) -
                    years.begin());
                break;
            }
            if (bucket < cells.size()) {
                cells[bucket] += days.value(series, day);
            }
        }
    }
    return table;
}

} // namespace tavolim::core
