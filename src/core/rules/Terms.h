#pragma once

#include "core/rules/RentalCounters.h"

#include <chrono>

namespace tavolim::core {

struct GeneralRulesRecord;
struct LabelRecord;
struct MediaRecord;

// Which tapes are counted to choose a term ("TipoPrazo"). A store that never chose counts
// all tapes together, the table every installation fills.
enum class TermCounting { AllTapes = 1, SameLabel = 2, SameMedia = 3 };
TermCounting termCounting(int tipoPrazo);

// The tables a tape's term is read from: the general terms, its label's and its media's.
struct TermTables {
    const GeneralRulesRecord& rules;
    const LabelRecord& label;
    const MediaRecord& media;
};

// Days in the term table chosen by `counting`, for the day class and the term counts.
int tableTerm(TermCounting counting, const TermTables& tables, int dayClass, TapeCounts counts);

// RentalTerm: the term of a tape added today, never below PrazoMinimo, moved to an open day
// and held to the label's NumMaxDias unless that maximum falls on a closed day.
int rentalTerm(TermCounting counting, const TermTables& tables, TapeCounts counts,
               std::chrono::sys_days today, int prazoMinimo);

// RenewalTerm: the term of a re-rent renewal starting on `base`, with the day class and the
// counts of the renewal; moved to an open day and held to NumMaxDias as above. There is no
// PrazoMinimo floor, but a renewal always lasts at least one day: a 0 in a table would
// otherwise renew the same date for ever.
int renewalTerm(TermCounting counting, const TermTables& tables, int dayClass, TapeCounts counts,
                std::chrono::sys_days base, std::chrono::sys_days today);

} // namespace tavolim::core
