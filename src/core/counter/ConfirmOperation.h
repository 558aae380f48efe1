#pragma once

#include <string_view>

namespace tavolim::core {

class AppState;

enum class Confirmation {
    Go,      // write the operation
    Discard, // No: the window closes without saving
    Stay,    // Cancel: back to the window
};

// What every counter operation asks before it writes: the date-change check, then, with
// "ConfirmOp", "Confirma a Operação ?" (question, Yes/No/Cancel).
Confirmation confirmOperation(AppState& state);

// A typed payment below zero would take money out of the day's totals: it is refused with
// a message (true) before anything is asked or written.
bool refuseNegativePayment(AppState& state, std::string_view typed);

} // namespace tavolim::core
