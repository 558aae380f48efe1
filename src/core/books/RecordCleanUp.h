#pragma once

#include "core/store/FileKind.h"

#include <cstdint>

namespace tavolim::core {

class Progress;
class RecordStore;

// The last step of deleting a record, run by the registers right after
// RecordStore::deleteRecord (whose current record is still the deleted one):
// - a client or dependent is taken off every tape that names it, its reservations
//   removed and its last-client slots emptied (wait window "Atualizando Fitas"), and is
//   forgotten in the tape book; its history numbers were already released by the delete;
// - a tape or a product is forgotten in the histories and the books.
// A person still holding tapes is refused by the registers before any deletion, so the
// rental state of a tape is not touched here.
void cleanUpDeletedRecord(RecordStore& records, Progress& progress, FileKind kind,
                          std::int32_t number);

} // namespace tavolim::core
