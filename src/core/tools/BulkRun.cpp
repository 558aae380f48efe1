#include "core/tools/BulkRun.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"

#include <cerrno>

namespace tavolim::core {

BulkRun::BulkRun(AppState& state, const std::string& caption, std::int32_t steps, bool savesRules)
    : m_state(state), m_savesRules(savesRules)
{
    m_state.ports().progress.beginCancellable(caption, 0, steps);
    open();
}

BulkRun::~BulkRun()
{
    if (!m_finished) {
        m_files.reset();
        m_state.records().current() = m_before;
        m_state.ports().progress.end();
    }
}

void BulkRun::open()
{
    m_before = m_state.records().current();
    m_files = std::make_unique<FileTransaction>(m_state.dataFolder());
    m_pending = 0;
}

bool BulkRun::commit()
{
    if (m_result.end == RunEnd::Failed) {
        return false;
    }
    binaryfile::clearFailure();
    bool ok = m_pending == 0 || !m_savesRules || m_state.saveRules();
    ok = m_files->commit() && ok;
    if (!ok) {
        m_result.end = RunEnd::Failed;
        m_result.failure = binaryfile::failureMessage(binaryfile::lastFailure());
        m_files.reset();
        m_state.records().current() = m_before;
        return false;
    }
    m_result.changed += m_pending;
    open();
    return true;
}

bool BulkRun::written()
{
    ++m_pending;
    return m_pending < BatchSize || commit();
}

void BulkRun::writeFailed(const std::filesystem::path& file)
{
    binaryfile::Failure failure = binaryfile::lastFailure();
    if (failure.error == 0) {
        failure = {file, EIO};
    }
    m_result.end = RunEnd::Failed;
    m_result.failure = binaryfile::failureMessage(failure);
    m_files.reset();
    m_state.records().current() = m_before;
}

bool BulkRun::stepDone(std::int32_t done)
{
    auto& progress = m_state.ports().progress;
    progress.step(done);
    if (m_result.end == RunEnd::Failed) {
        return false;
    }
    if (progress.cancelRequested()) {
        if (commit()) {
            m_result.end = RunEnd::Cancelled;
        }
        return false;
    }
    return true;
}

RunResult BulkRun::finish()
{
    if (!m_finished) {
        if (m_result.end != RunEnd::Failed) {
            commit();
        }
        m_files.reset();
        m_finished = true;
        m_state.ports().progress.end();
    }
    return m_result;
}

void tellRunEnd(Dialogs& dialogs, const RunResult& result)
{
    const std::string counted = std::to_string(result.changed) +
                                " registro(s) alterado(s); os demais ficaram como estavam.";
    switch (result.end) {
    case RunEnd::Completed:
        dialogs.message("Operação Completa.", msg::Information);
        break;
    case RunEnd::Cancelled:
        dialogs.message("Operação cancelada: " + counted, msg::Exclamation);
        break;
    case RunEnd::Failed:
        dialogs.message(result.failure + "\nA operação foi interrompida: " + counted, msg::Critical,
                        "Erro");
        break;
    }
}

} // namespace tavolim::core
