#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tavolim::core {

class AppState;
class RecordImage;
class RecordStore;

// The files the lists are rebuilt from that the link check has in memory already.
struct PeopleAndTapes {
    const RecordImage& clients;
    const RecordImage& dependents;
    const RecordImage& tapes;
};

// The deleted-record lists as the record files say they should be, ascending: for clients,
// dependents, tapes, products and distributors the records marked "#"; for the tape and
// product histories every history record no client or dependent points to (RegHistFita,
// RegHistProd).
std::vector<std::pair<FileKind, std::vector<std::int32_t>>> expectedDeletedLists(
    const RecordStore& records, const PeopleAndTapes& images);

// RebuildDeletedLists: runs the date-change check, then, under the wait window "Verificando
// Registros Excluídos...", writes every list that differs from what it should be, all in one
// store transaction. False when the writes failed (the operator was told; nothing changed).
bool rebuildDeletedLists(AppState& state);
bool rebuildDeletedLists(AppState& state, const PeopleAndTapes& images);

} // namespace tavolim::core
