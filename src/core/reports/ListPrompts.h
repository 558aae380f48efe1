#pragma once

#include "core/registers/RecordSearch.h"
#include "core/reports/RecordLists.h"

#include <optional>

namespace tavolim::core {

class AppState;

// A list as the Relatórios menu runs it: asks what the list needs (the section or label
// picked from a list, the distributor or actor name typed at a prompt), selects, and shows
// the list's message when nothing qualifies. nullopt when the operator cancelled, a name
// was not found or nothing qualified: no window opens then.
std::optional<RecordList> runList(AppState& state, ListKind kind, const ListChooser& choose);

} // namespace tavolim::core
