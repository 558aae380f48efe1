#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class Dialogs;
class RecordStore;

// A deleted record as the chooser offers it: its code, zero-padded by kind, a space and the
// name without the "#".
struct UndeleteOffer {
    std::int32_t number;
    std::string text;
};

// Picks the records to restore among the offers (the search-result window in the program).
using UndeleteChooser = std::function<std::vector<std::int32_t>(const std::vector<UndeleteOffer>&)>;

// The deleted records of a kind, newest deletion first, as the chooser shows them.
std::vector<UndeleteOffer> undeleteOffers(RecordStore& store, FileKind kind);

// Undo of deletion for tapes, products and distributors: says when there is nothing to
// restore, lets the operator pick, restores each pick and confirms it. Returns how many
// records came back. Clients, which may come back as holders or dependents, are the client
// register's.
int undeleteRecords(RecordStore& store, FileKind kind, Dialogs& dialogs,
                    const UndeleteChooser& choose);

} // namespace tavolim::core
