#include "core/reports/CashGraphForm.h"

#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/SettingsStore.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"
#include "core/reports/BookReports.h"
#include "core/state/AppState.h"
#include "core/state/Options.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <charconv>

namespace tavolim::core {
namespace {

using namespace std::chrono;

std::string readSetting(const AppState& state, std::string_view key)
{
    return state.ports().settings.read(std::string(kOptionsApplication),
                                       std::string(kOptionsSection), std::string(key), "");
}

// A stored position in a list of `count`; `fallback` when it is not one.
int readIndex(const AppState& state, std::string_view key, int count, int fallback)
{
    const std::string text = trim(readSetting(state, key));
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0 ||
        value >= count) {
        return fallback;
    }
    return value;
}

bool sameKind(CashPeriod period, CashBreakdown breakdown)
{
    return (period.month != 0) == breakdownTakesMonths(breakdown);
}

} // namespace

CashGraphForm::CashGraphForm(AppState& state)
    : m_state(state), m_days(CashDays::read(state.dataFolder()))
{
    const year_month_day today = state.DataDia.ok() ? state.DataDia : state.ports().clock.today();
    if (const auto base = m_days.base()) {
        year_month_day last = today;
        if (const auto held = m_days.lastDay(); held && sys_days(*held) > sys_days(last)) {
            last = *held;
        }
        for (year_month ym = base->year() / base->month(); ym <= last.year() / last.month();
             ym += months{1}) {
            m_months.push_back({static_cast<int>(ym.year()), static_cast<unsigned>(ym.month())});
        }
    }
    m_list = m_months;

    const auto typeCount = static_cast<int>(chartTypeNames().size());
    m_type = static_cast<ChartType>(
        readIndex(state, kChartTypeKey, typeCount, static_cast<int>(ChartType::Bars2D)));
    m_style = readIndex(state, kChartStyleKey, static_cast<int>(styleNames().size()), 0);
    m_grid = static_cast<GridLines>(readIndex(state, kGridLinesKey,
                                              static_cast<int>(gridLineNames().size()),
                                              static_cast<int>(GridLines::Horizontal)));
    chooseNewest();
}

void CashGraphForm::setSeries(CashSeries series)
{
    m_series = series;
    refill();
}

void CashGraphForm::setBreakdown(CashBreakdown breakdown)
{
    const bool months = breakdownTakesMonths(breakdown);
    const bool hadMonths = breakdownTakesMonths(m_breakdown);
    m_breakdown = breakdown;
    if (months == hadMonths) {
        refill();
        return;
    }
    std::vector<CashPeriod> kept;
    if (months) {
        for (const CashPeriod& m : m_months) {
            const bool ofChosenYear = std::any_of(m_chosen.begin(), m_chosen.end(),
                                                  [&](CashPeriod y) { return y.year == m.year; });
            if (ofChosenYear) {
                kept.push_back(m);
            }
        }
        m_list = m_months;
    } else {
        m_list.clear();
        for (const CashPeriod& m : m_months) {
            if (m_list.empty() || m_list.back().year != m.year) {
                m_list.push_back({m.year, 0});
            }
        }
        for (const CashPeriod& m : m_chosen) {
            if (kept.empty() || kept.back().year != m.year) {
                kept.push_back({m.year, 0});
            }
        }
    }
    m_chosen = std::move(kept);
    if (m_chosen.empty()) {
        chooseNewest();
    } else {
        refill();
    }
}

std::string CashGraphForm::listLabel() const
{
    return breakdownTakesMonths(m_breakdown) ? "Meses :" : "Anos :";
}

std::vector<std::string> CashGraphForm::periodTexts() const
{
    std::vector<std::string> out;
    for (const CashPeriod& p : m_list) {
        out.push_back(cashPeriodText(p));
    }
    return out;
}

std::vector<int> CashGraphForm::chosenIndexes() const
{
    std::vector<int> out;
    for (std::size_t i = 0; i < m_list.size(); ++i) {
        if (std::binary_search(m_chosen.begin(), m_chosen.end(), m_list[i])) {
            out.push_back(static_cast<int>(i));
        }
    }
    return out;
}

void CashGraphForm::choose(const std::vector<int>& indexes)
{
    m_chosen.clear();
    for (const int i : indexes) {
        if (i >= 0 && static_cast<std::size_t>(i) < m_list.size()) {
            m_chosen.push_back(m_list[static_cast<std::size_t>(i)]);
        }
    }
    std::sort(m_chosen.begin(), m_chosen.end());
    m_chosen.erase(std::unique(m_chosen.begin(), m_chosen.end()), m_chosen.end());
    refill();
}

bool CashGraphForm::choosePeriods(const std::vector<CashPeriod>& periods)
{
    for (const CashPeriod& p : periods) {
        if (!periodDays(p) || !sameKind(p, m_breakdown)) {
            m_state.ports().dialogs.message(std::string(kBadPeriodDate), msg::Exclamation);
            return false;
        }
    }
    m_chosen = periods;
    std::sort(m_chosen.begin(), m_chosen.end());
    m_chosen.erase(std::unique(m_chosen.begin(), m_chosen.end()), m_chosen.end());
    refill();
    return true;
}

void CashGraphForm::setChartType(ChartType type)
{
    if (type != m_type) {
        m_type = type;
        m_style = 0;
    }
}

void CashGraphForm::setChartStyle(int style)
{
    m_style = style >= 0 && static_cast<std::size_t>(style) < styleNames().size() ? style : 0;
}

void CashGraphForm::saveSettings() const
{
    auto& settings = m_state.ports().settings;
    const std::string application(kOptionsApplication);
    const std::string section(kOptionsSection);
    settings.write(application, section, std::string(kChartTypeKey),
                   std::to_string(static_cast<int>(m_type)));
    settings.write(application, section, std::string(kChartStyleKey), std::to_string(m_style));
    settings.write(application, section, std::string(kGridLinesKey),
                   std::to_string(static_cast<int>(m_grid)));
}

std::string CashGraphForm::selectionSum(std::span<const CashCell> cells) const
{
    std::int64_t sum = 0;
    for (const auto& [row, col] : cells) {
        if (row < m_table.rowCount() && col < m_table.columnCount()) {
            sum += m_table.cell(row, col);
        }
    }
    return m_table.valueText(sum);
}

void CashGraphForm::showSelectionSum(std::span<const CashCell> cells) const
{
    m_state.ports().dialogs.message("Soma total dos itens selecionados:\n" + selectionSum(cells),
                                    msg::Information, std::string(kSelectionSumTitle));
}

std::vector<std::string> CashGraphForm::printLines(int width) const
{
    std::vector<std::string> lines{"Caixa - " + cashSeriesName(m_series)};
    const auto addRow = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i == 0) {
                line = cells[i];
                continue;
            }
            // Room is kept for the " -" that ends a line the row goes on from.
            const std::size_t more = i + 1 < cells.size() ? 2 : 0;
            if (charCount(line) + 3 + charCount(cells[i]) + more >
                static_cast<std::size_t>(width)) {
                lines.push_back(line + " -");
                line = "  " + cells[i];
            } else {
                line += " - " + cells[i];
            }
        }
        lines.push_back(line);
    };
    addRow(m_table.headings());
    for (std::size_t row = 0; row < m_table.rowCount(); ++row) {
        addRow(m_table.rowTexts(row));
    }
    return lines;
}

bool CashGraphForm::print()
{
    const ReceiptBuilder builder(m_state);
    return printReport(m_state,
                       BookReport{std::string(kCashGraphPrintTitle), printLines(builder.width())});
}

std::string CashGraphForm::tabSeparated() const
{
    std::string out;
    const auto addRow = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out += (i == 0 ? "" : "\t") + cells[i];
        }
        out += '\n';
    };
    addRow(m_table.headings());
    for (std::size_t row = 0; row < m_table.rowCount(); ++row) {
        addRow(m_table.rowTexts(row));
    }
    return out;
}

void CashGraphForm::refill()
{
    m_table = cashTable(m_days, m_series, m_breakdown, m_chosen);
}

void CashGraphForm::chooseNewest()
{
    m_chosen.clear();
    if (!m_list.empty()) {
        m_chosen.push_back(m_list.back());
    }
    refill();
}

bool saveChartFile(AppState& state, const std::filesystem::path& path,
                   std::span<const std::uint8_t> bytes)
{
    if (binaryfile::writeAllAtomic(path, bytes)) {
        return true;
    }
    // The failure may be the temporary file's; the operator knows the file he named.
    const binaryfile::Failure failure{path, binaryfile::lastFailure().error};
    state.ports().dialogs.message(binaryfile::failureMessage(failure), msg::Critical, "Erro");
    return false;
}

} // namespace tavolim::core
