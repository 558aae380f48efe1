#include "core/counter/ReservationPrompt.h"

#include "core/counter/ReservationList.h"
#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"

#include <optional>

namespace tavolim::core {

bool askReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                    const std::string& text, const std::string& title)
{
    auto& dialogs = state.ports().dialogs;
    std::optional<std::chrono::year_month_day> day;
    switch (dialogs.choose(text, title, "&Hoje", "&Amanhã", "&Data")) {
    case 1:
        day = reservationDay(ReserveDay::Hoje, state.DataDia);
        break;
    case 2:
        day = reservationDay(ReserveDay::Amanha, state.DataDia);
        break;
    case 3:
        day = dialogs.askDate("Data da reserva:", title, state.DataDia);
        break;
    default:
        break;
    }
    return day && placeReservation(state, tapeCode, person, *day);
}

} // namespace tavolim::core
