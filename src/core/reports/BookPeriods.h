#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

// How long the periods of the book windows are (optDia, optSemana, optMes, optTrimestre).
enum class PeriodLength { Day, Week, Month, Quarter };

// "Dia", "Semana", "Mês", "Trimestre": what the report titles say after "por ".
std::string periodLengthName(PeriodLength length);
// "Jan" .. "Dez".
std::string monthAbbreviation(std::chrono::month month);
// "Domingo" .. "Sábado".
std::string weekdayName(std::chrono::weekday day);

struct BookPeriod {
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
    std::string
        text; // for the report title: "05/01/2026", "De ... a ...", "Jan/2026", "1* Trim/2026"
};

// The two lists of the book windows. List1 holds the larger unit: the months (for days and
// weeks) or the years (for months and quarters) from the book's first month to the current
// day's; List2 the periods inside the chosen one that reach the book, oldest first. Weeks
// run Sunday to Saturday and may cross into the next month or year; quarters are the
// calendar's. A period keeps its whole length: the listing reads only the days the book
// holds.
class PeriodChooser {
public:
    // Without a first day (a position file without a header) both lists are empty.
    PeriodChooser(std::optional<std::chrono::year_month_day> bookFirstDay,
                  std::chrono::year_month_day today, PeriodLength length = PeriodLength::Day);

    PeriodLength length() const { return m_length; }
    // Rebuilds both lists and chooses the newest item of List1.
    void setLength(PeriodLength length);

    // "Mês:" or "Ano:".
    std::string list1Label() const;
    // "Dia:", "Semana:", "Mês:" or "Trimentre:".
    std::string list2Label() const;

    const std::vector<std::string>& list1() const { return m_list1Texts; }
    // -1 when List1 is empty.
    int list1Index() const { return m_list1Index; }
    // Fills List2 from the item; an index out of range is ignored.
    void chooseList1(int index);

    std::vector<std::string> list2() const;
    // The period of a List2 item; nullopt for an index out of range.
    std::optional<BookPeriod> period(int index) const;

private:
    void rebuild();

    std::optional<std::chrono::year_month_day> m_first;
    std::chrono::year_month_day m_today;
    PeriodLength m_length;
    std::vector<std::chrono::year_month> m_units; // List1; for years the month is January
    std::vector<std::string> m_list1Texts;
    int m_list1Index = -1;
    std::vector<BookPeriod> m_periods; // List2
};

} // namespace tavolim::core
