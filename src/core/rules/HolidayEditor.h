#pragma once

#include "core/store/RuleTables.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;

// The holiday window's state: the holidays of this month (slot 2) and the next (slot 3),
// edited on a copy and written only on OK. A calendar whose slot 2 stands for another month
// (never set up, or not moved on yet) starts both months blank rather than showing another
// month's days.
class HolidayEditor {
public:
    HolidayEditor(const GeneralRulesRecord& rules, std::chrono::year_month_day today);

    std::chrono::year_month currentMonth() const { return m_current; }
    std::chrono::year_month nextMonth() const { return m_current + std::chrono::months{1}; }

    // 2 for this month, 3 for the next, 0 for any other month (nothing to edit there).
    int slotOf(std::chrono::year_month month) const;

    bool isMarked(std::chrono::year_month month, unsigned day) const;
    // Ignored outside the two months and past the month's last day.
    void setMarked(std::chrono::year_month month, unsigned day, bool holiday);

    // Days marked in slot 2 or 3, in order.
    std::vector<unsigned> markedDays(int slot) const;

    // "Feriados" and the marked days of both months, as the window shows them on OK.
    std::string summary() const;

    // Writes the slots, FeriadosOk2 and FeriadosOk3 and MesFeriados into `rules`.
    void applyTo(GeneralRulesRecord& rules) const;

private:
    std::array<std::int16_t, HolidayTableSize> m_days{};
    std::chrono::year_month m_current;
};

// OK of the holiday window: stores the editor into the current rules record, writes it, shows
// the summary and computes PrazoMinimo again.
void confirmHolidays(AppState& state, const HolidayEditor& editor);

} // namespace tavolim::core
