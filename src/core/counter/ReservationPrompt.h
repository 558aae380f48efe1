#pragma once

#include "core/counter/Account.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

class AppState;

// The day prompts of a new reservation: a frmMsgBox offering "&Hoje", "&Amanhã" and "&Data"
// (the last one asks for the date), then placeReservation with its refusals. Esc or a
// cancelled date reserves nothing. A reservation made is confirmed with the tape, the person
// and the day. True when the tape was reserved and written.
bool askReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                    const std::string& text, const std::string& title);

// "Fita Atualmente Locada": says who has the tape and when it is due, and offers
// "Não reservar" (the default, so a reflexive Enter reserves nothing) or "Reservar...",
// which goes on to the day prompts. True when the tape was reserved.
bool offerReservation(AppState& state, std::int16_t tapeCode, PersonRef person);

} // namespace tavolim::core
