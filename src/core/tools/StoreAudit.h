#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::core {

// What the audit can find; the text of a finding names the file or record codes.
enum class AuditIssue {
    // A tape out and the person it names.
    RenterMissing,   // the person does not exist or is deleted
    RenterNotListed, // the person's list does not hold the tape
    DeletedTapeOut,  // a deleted tape still out
    StaleRentalData, // a tape in the store that keeps rental fields
    // A person's list of tapes.
    ListedTapeMissing, // the code is no tape, or a deleted one
    ListedTapeNotOut,  // the tape does not name the person back
    ListedTwice,
    // Holders and dependents.
    HolderMissing,      // a dependent's Titular is no holder, or a deleted one
    DependentNotListed, // the holder does not list the dependent
    ListedDependentWrong,
    // Counts outside their arrays.
    CountOutOfRange,
    // Balances.
    CreditAndDebt,
    NegativeAmount,
    // What a tape points to.
    MissingRule, // label, media or section
    MissingDistributor,
    MissingDirector,
    CastNotListedBack,
    ActorTapeNotCast,
    ReservationPersonMissing,
    // The tape book.
    NoOpenRental,
    OpenRentalOfTapeIn,
    // Deleted-record lists and history numbers.
    DeletedListWrong, // a live record listed for reuse, or a deleted one not listed
    HistoryWrong,     // a history past its file, shared, or listed free while in use
    // Day-indexed files.
    DamagedHeader,
    DaysAfterToday,
    DayTotalsDisagree,
};

struct AuditFinding {
    AuditIssue issue;
    std::string text;
};

struct AuditReport {
    // Diario.jnl was there: an operation was being written (or was cut short), so the
    // files may be caught between its writes.
    bool pendingJournal = false;
    std::vector<AuditFinding> findings;
};

// Reads the data folder (never writes, never takes the folder lock, so the program may have
// it open) and reports what the files say inconsistently of each other:
// - tapes out against the persons' lists, both ways, and against the open entries of the
//   tape book on the rental day (when the book still holds that day);
// - dependents against their holders' lists, both ways;
// - counts (NumFitas, NumDep, NumAtores, NumReservas) outside their arrays;
// - a person holding both credit and debt, or a negative amount;
// - tapes naming a label, media, section, distributor, director or reserving person that is
//   not there; cast links not listed back (a director is named from the tape only);
// - the deleted-record lists against the "#" marks, and the history numbers persons hold
//   (in the file, one person each, not listed free);
// - day-indexed files: a damaged header, days held after `today`; per day held by both,
//   the daily totals' tapes rented and items sold against the tape and sales books, and
//   Entrada against the amounts paid it is the sum of.
// Findings come in the order of the files and records; `today` is the store's day.
AuditReport auditStore(const std::filesystem::path& folder, std::chrono::year_month_day today);

// The line that says a journal was found, and the closing line with the count.
std::string pendingJournalNotice();
std::string findingsCountLine(std::size_t count);

} // namespace tavolim::core
