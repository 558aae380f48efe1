#include "core/books/RecordCleanUp.h"

#include "core/books/Forgetting.h"
#include "core/ports/Progress.h"
#include "core/store/RecordPatch.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TapeReservations.h"

namespace tavolim::core {
namespace {

bool takePersonOffTape(TapeRecord& tape, std::int16_t person, bool titular)
{
    bool changed = removeReservationsOf(tape, {person, titular}) > 0;
    for (std::size_t i = 0; i < tape.UltCliente.size(); ++i) {
        if (tape.UltCliente[i] == person && tape.UltTitular[i] == titular) {
            tape.UltCliente[i] = 0;
            tape.UltTitular[i] = false;
            tape.UltData[i] = 0;
            changed = true;
        }
    }
    return changed;
}

void takePersonOffTapes(RecordStore& records, Progress& progress, std::int16_t person, bool titular)
{
    progress.showWait("Atualizando Fitas");
    TapeRecord tape;
    patchRecords(records.filePath(FileKind::Tapes), TapeRecord::Size,
                 [&](std::int32_t, std::span<std::uint8_t> bytes) {
                     tape.decode(bytes);
                     if (!takePersonOffTape(tape, person, titular)) {
                         return false;
                     }
                     tape.encode(bytes);
                     return true;
                 });
    // The shared tape buffer must not bring the person back when a window saves it.
    if (records.tape().Codigo > 0) {
        takePersonOffTape(records.tape(), person, titular);
    }
    progress.hideWait();
}

} // namespace

void cleanUpDeletedRecord(RecordStore& records, Progress& progress, FileKind kind,
                          std::int32_t number)
{
    if (number < 1 || number > RecordStore::MaxRecords) {
        return;
    }
    const auto code = static_cast<std::int16_t>(number);
    const auto& folder = records.dataFolder();
    switch (kind) {
    case FileKind::Clients:
        takePersonOffTapes(records, progress, code, true);
        forgetPerson(folder, code, -1, &progress);
        break;
    case FileKind::Dependents:
        takePersonOffTapes(records, progress, code, false);
        forgetPerson(folder, records.load<DependentRecord>(code).Titular, code, &progress);
        break;
    case FileKind::Tapes:
        forgetTape(folder, code, &progress);
        break;
    case FileKind::Products:
        forgetProduct(folder, code, &progress);
        break;
    default:
        break;
    }
}

} // namespace tavolim::core
