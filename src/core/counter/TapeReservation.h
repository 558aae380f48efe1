#pragma once

#include "core/counter/Account.h"
#include "core/counter/ReservationList.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tavolim::core {

class AppState;

// cmdReserva of the situation once the tape search closed (nullopt: nothing chosen). A
// tape nobody reserved goes straight to the day prompts (askReservation); otherwise `showList` (frmReservas)
// decides: Locar hands the person to the rental, Reservar takes the day prompt unless the
// person already holds one of the tape's reservations.
enum class ReserveOutcome { Nothing, Reserved, Rent };
using ReservationsDialog = std::function<ReservationList::Choice(ReservationList&)>;
ReserveOutcome reserveTape(AppState& state, PersonRef person, std::optional<std::int16_t> tapeCode,
                           const ReservationsDialog& showList);

} // namespace tavolim::core
