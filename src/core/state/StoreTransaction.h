#pragma once

#include "core/store/CurrentRecords.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/FileTransaction.h"

namespace tavolim::core {

class AppState;

// One operation's writes to the data folder as a whole: every write made while it is open
// reaches the files at commit() or none does. On a failure the operator is told which file
// and why, and what the operation changed in the process-wide state (current records, the
// general rules record, CaixaDia) is put back, so memory and files keep agreeing.
class StoreTransaction {
public:
    explicit StoreTransaction(AppState& state);
    // Not committed: the held writes are dropped and the state is put back.
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // True when everything reached the disk. False after telling the operator: "Não foi
    // possível gravar o arquivo '…' (disco cheio). A operação foi cancelada e nada foi
    // gravado."
    bool commit();

private:
    void restore();

    AppState& m_state;
    FileTransaction m_files;
    CurrentRecords m_current;
    DailyTotalsRecord m_caixa;
    bool m_done = false;
};

// The text told when an operation could not be written.
std::string failedOperationMessage();

// The text told when the program, open only for looking, is asked to write.
std::string readOnlyMessage();

// Tells readOnlyMessage() and returns true when the program may not write: what an operation
// checks before the operator fills in anything.
bool refuseWhenReadOnly(AppState& state);

} // namespace tavolim::core
