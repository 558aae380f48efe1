#pragma once

#include "core/counter/Account.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

class AppState;

// The day prompts of a new reservation: a frmMsgBox offering "&Hoje", "&Amanhã" and "&Data"
// (the last one asks for the date), then placeReservation with its refusals. Esc or a
// cancelled date reserves nothing. True when the tape was reserved and written.
bool askReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                    const std::string& text, const std::string& title);

} // namespace tavolim::core
