#pragma once

#include "core/registers/Undelete.h"

namespace tavolim::core {

class AppState;

// Undo of deletion for people: deleted holders and deleted dependents are offered together
// (dependents marked as such). A holder comes back as it was, without the dependents that
// went with it. A dependent comes back, as the operator chooses, as a holder of its own
// (a new client code) or into its old holder's list, which needs that holder alive and with
// fewer than ten dependents. Returns how many people came back.
int undeleteClients(AppState& state, const UndeleteChooser& choose);

} // namespace tavolim::core
