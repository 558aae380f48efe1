#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tavolim::core {

class AppState;
class RecordStore;

// The deleted-record lists as the record files say they should be, ascending: for clients,
// dependents, tapes, products and distributors the records marked "#"; for the tape and
// product histories every history record no client or dependent points to (RegHistFita,
// RegHistProd).
std::vector<std::pair<FileKind, std::vector<std::int32_t>>> expectedDeletedLists(
    const RecordStore& records);

// RebuildDeletedLists: runs the date-change check, then, under the wait window "Verificando
// Registros Excluídos...", writes every list that differs from what it should be, all in one
// store transaction. False when the writes failed (the operator was told; nothing changed).
bool rebuildDeletedLists(AppState& state);

} // namespace tavolim::core
