#pragma once

#include <filesystem>

namespace tavolim::core {

namespace binaryfile::detail {
struct Pending;
}

// All-or-nothing writes to the files of one folder (the data folder). While a transaction is
// open on the thread, every write and whole-file rewrite of a file in that folder is held in
// memory and served back to reads; renames and removals there are refused. commit() first
// writes everything to the journal (Diario.jnl) and makes it reach the disk, then changes the
// files and removes the journal. A crash before the journal is whole leaves the files as
// before; a crash after it is finished at the next start (recoverJournal); a failed write
// while changing the files puts the old bytes back.
//
// A transaction opened while another is open joins it: only the outermost one commits.
class FileTransaction {
public:
    explicit FileTransaction(const std::filesystem::path& folder);
    // Not committed: the held writes are dropped and the files stay as they were.
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // True when every held write reached its file (or there was none). False: the files are as
    // before and binaryfile::lastFailure() names the file and the cause. A joined transaction
    // commits nothing and returns true.
    bool commit();

    bool outermost() const { return m_own != nullptr; }

private:
    binaryfile::detail::Pending* m_own = nullptr;
    bool m_done = false;
};

inline constexpr const char* kJournalFile = "Diario.jnl";

// What the start-up found in the journal.
enum class JournalRecovery {
    None,      // no journal: the last operation finished
    Discarded, // a journal not yet whole: the operation never touched the files
    Completed, // the interrupted operation was finished
    Undone,    // it could not be finished (the failure is in binaryfile::lastFailure()) and was
               // undone
};
JournalRecovery recoverJournal(const std::filesystem::path& folder);

} // namespace tavolim::core
