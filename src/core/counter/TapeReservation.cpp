#include "core/counter/TapeReservation.h"

#include "core/counter/ReservationPrompt.h"
#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/TapeRecord.h"
#include "core/store/TapeReservations.h"

namespace tavolim::core {

ReserveOutcome reserveTape(AppState& state, PersonRef person, std::optional<std::int16_t> tapeCode,
                           const ReservationsDialog& showList)
{
    const ReserveStep step = startReservation(state, tapeCode);
    if (step == ReserveStep::Nothing) {
        return ReserveOutcome::Nothing;
    }
    const auto reserve = [&] {
        return askReservation(state, *tapeCode, person, "Reservar a fita para:", "Reservar Fita")
                   ? ReserveOutcome::Reserved
                   : ReserveOutcome::Nothing;
    };
    if (step == ReserveStep::ReserveAtOnce) {
        return reserve();
    }
    ReservationList list(state, *tapeCode);
    switch (showList(list)) {
    case ReservationList::Choice::Locar:
        return ReserveOutcome::Rent;
    case ReservationList::Choice::Reservar:
        if (holdsReservation(state.records().load<TapeRecord>(*tapeCode), person)) {
            state.ports().dialogs.message("Este(a) cliente já reservou esta fita.",
                                          msg::Information);
            return ReserveOutcome::Nothing;
        }
        return reserve();
    case ReservationList::Choice::Cancelar:
        break;
    }
    return ReserveOutcome::Nothing;
}

} // namespace tavolim::core
