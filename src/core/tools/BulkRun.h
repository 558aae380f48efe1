#pragma once

#include "core/store/CurrentRecords.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace tavolim::core {

class AppState;
class Dialogs;
class FileTransaction;

enum class RunEnd { Completed, Cancelled, Failed };

struct RunResult {
    RunEnd end = RunEnd::Completed;
    std::int32_t changed = 0; // records that reached the files
    std::string failure;      // Failed: the file and the cause
};

// The writes of a bulk edit and its progress window. Writes are held and committed through
// the journal every few thousand changed records (each commit waits for the disk), each batch
// all or nothing; so a cancel or a failure keeps the records of the batches already committed,
// each whole, and leaves every other record as it was. What a failed batch changed in memory
// (current records, the memo and synopsis counters) is put back.
class BulkRun {
public:
    static constexpr std::int32_t BatchSize = 4096;

    // `steps`: the records of the range, for the progress window. With `savesRules` the
    // general rules record, holding the memo and synopsis counters, is written with each batch.
    BulkRun(AppState& state, const std::string& caption, std::int32_t steps, bool savesRules);
    // A batch not committed by finish() is dropped.
    ~BulkRun();
    BulkRun(const BulkRun&) = delete;
    BulkRun& operator=(const BulkRun&) = delete;

    // A record was written; a full batch is committed. False when that commit failed.
    bool written();
    // A write of `file` was refused: the batch is dropped and the run ends as failed.
    void writeFailed(const std::filesystem::path& file);
    // `done` records of the range are finished: the progress moves on. False when the run must
    // stop there: the operator pressed Cancelar (what is done is committed first) or a commit
    // failed.
    bool stepDone(std::int32_t done);
    // Commits what is left, closes the progress window and says how the run ended.
    RunResult finish();

private:
    bool commit();
    void open();

    AppState& m_state;
    bool m_savesRules;
    std::unique_ptr<FileTransaction> m_files;
    CurrentRecords m_before;
    std::int32_t m_pending = 0;
    RunResult m_result;
    bool m_finished = false;
};

// Tells the operator how a run ended: "Operação Completa.", or, cancelled or failed, how many
// records were changed and that the others were left as they were.
void tellRunEnd(Dialogs& dialogs, const RunResult& result);

} // namespace tavolim::core
