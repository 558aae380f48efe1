#pragma once

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

} // namespace tavolim::core
