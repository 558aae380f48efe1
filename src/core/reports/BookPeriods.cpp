#include "core/reports/BookPeriods.h"

#include "core/store/TextHelpers.h"

#include <algorithm>
#include <array>

namespace tavolim::core {
namespace {

using namespace std::chrono;

std::string dateText(year_month_day day)
{
    return dateToText(fromYmd(day));
}

std::string monthText(year_month ym)
{
    return monthAbbreviation(ym.month()) + "/" + std::to_string(static_cast<int>(ym.year()));
}

year_month_day lastDayOf(year_month ym)
{
    return year_month_day(ym / std::chrono::last);
}

} // namespace

std::string periodLengthName(PeriodLength length)
{
    switch (length) {
    case PeriodLength::Day:
        return "Dia";
    case PeriodLength::Week:
        return "Semana";
    case PeriodLength::Month:
        return "Mês";
    case PeriodLength::Quarter:
        return "Trimestre";
    }
    return {};
}

std::string monthAbbreviation(month m)
{
    static constexpr std::array<const char*, 12> names = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                                          "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
    const unsigned n = static_cast<unsigned>(m);
    return n >= 1 && n <= 12 ? names[n - 1] : "";
}

std::string weekdayName(weekday day)
{
    static constexpr std::array<const char*, 7> names = {
        "Domingo",      "Segunda-feira", "Terça-feira", "Quarta-feira",
        "Quinta-feira", "Sexta-feira",   "Sábado"};
    return day.ok() ? names[day.c_encoding()] : "";
}

PeriodChooser::PeriodChooser(std::optional<year_month_day> bookFirstDay, year_month_day today,
                             PeriodLength length)
    : m_first(bookFirstDay), m_today(today), m_length(length)
{
    rebuild();
}

void PeriodChooser::setLength(PeriodLength length)
{
    m_length = length;
    rebuild();
}

std::string PeriodChooser::list1Label() const
{
    return m_length == PeriodLength::Day || m_length == PeriodLength::Week ? "Mês:" : "Ano:";
}

std::string PeriodChooser::list2Label() const
{
    switch (m_length) {
    case PeriodLength::Day:
        return "Dia:";
    case PeriodLength::Week:
        return "Semana:";
    case PeriodLength::Month:
        return "Mês:";
    case PeriodLength::Quarter:
        return "Trimentre:";
    }
    return {};
}

void PeriodChooser::rebuild()
{
    m_units.clear();
    m_list1Texts.clear();
    m_periods.clear();
    m_list1Index = -1;
    if (!m_first || !m_first->ok() || !m_today.ok() || sys_days(m_today) < sys_days(*m_first)) {
        return;
    }
    const bool byMonth = m_length == PeriodLength::Day || m_length == PeriodLength::Week;
    if (byMonth) {
        const year_month last = m_today.year() / m_today.month();
        for (year_month m = m_first->year() / m_first->month(); m <= last; m += months(1)) {
            m_units.push_back(m);
            m_list1Texts.push_back(monthText(m));
        }
    } else {
        for (year y = m_first->year(); y <= m_today.year(); ++y) {
            m_units.push_back(y / January);
            m_list1Texts.push_back(std::to_string(static_cast<int>(y)));
        }
    }
    chooseList1(static_cast<int>(m_units.size()) - 1);
}

void PeriodChooser::chooseList1(int index)
{
    if (index < 0 || index >= static_cast<int>(m_units.size())) {
        return;
    }
    m_list1Index = index;
    m_periods.clear();
    const year_month unit = m_units[static_cast<std::size_t>(index)];
    const sys_days first = *m_first;
    const sys_days today = m_today;
    const year_month firstMonth = m_first->year() / m_first->month();
    const year_month todayMonth = m_today.year() / m_today.month();

    switch (m_length) {
    case PeriodLength::Day: {
        const sys_days from = std::max(sys_days(unit / 1), first);
        const sys_days to = std::min(sys_days(lastDayOf(unit)), today);
        for (sys_days d = from; d <= to; d += days(1)) {
            const std::string text = dateText(d);
            m_periods.push_back({d, d, text});
        }
        break;
    }
    case PeriodLength::Week: {
        const sys_days monthStart = unit / 1;
        const sys_days end = std::min(sys_days(lastDayOf(unit)), today);
        // Back to the Sunday of the week the month starts in.
        for (sys_days w = monthStart - (weekday(monthStart) - Sunday); w <= end; w += weeks(1)) {
            const sys_days wEnd = w + days(6);
            if (wEnd < first) {
                continue;
            }
            m_periods.push_back({w, wEnd, "De " + dateText(w) + " a " + dateText(wEnd)});
        }
        break;
    }
    case PeriodLength::Month:
        for (unsigned m = 1; m <= 12; ++m) {
            const year_month ym = unit.year() / month(m);
            if (ym < firstMonth || ym > todayMonth) {
                continue;
            }
            m_periods.push_back({ym / 1, lastDayOf(ym), monthText(ym)});
        }
        break;
    case PeriodLength::Quarter:
        for (unsigned q = 1; q <= 4; ++q) {
            const year_month from = unit.year() / month(3 * q - 2);
            const year_month to = unit.year() / month(3 * q);
            if (to < firstMonth || from > todayMonth) {
                continue;
            }
            const std::string name = std::to_string(q) + "* Trim";
            m_periods.push_back({from / 1, lastDayOf(to),
                                 name + "/" + std::to_string(static_cast<int>(unit.year()))});
        }
        break;
    }
}

std::vector<std::string> PeriodChooser::list2() const
{
    std::vector<std::string> texts;
    texts.reserve(m_periods.size());
    for (const BookPeriod& p : m_periods) {
        switch (m_length) {
        case PeriodLength::Month:
            texts.push_back(monthAbbreviation(p.first.month()));
            break;
        case PeriodLength::Quarter:
            texts.push_back(p.text.substr(0, p.text.find('/')));
            break;
        default:
            texts.push_back(p.text);
            break;
        }
    }
    return texts;
}

std::optional<BookPeriod> PeriodChooser::period(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_periods.size())) {
        return std::nullopt;
    }
    return m_periods[static_cast<std::size_t>(index)];
}

} // namespace tavolim::core
