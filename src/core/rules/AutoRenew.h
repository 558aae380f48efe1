#pragma once

#include "core/rules/Terms.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;
struct LabelRecord;
struct MediaRecord;
struct TapeRecord;

// In re-rent mode a tape kept past its due date (DataBase + DiasBase) is rented again from
// that date: DataBase moves to it, DiasBase becomes the renewal term, AcertoQtd grows by one
// and AcertoValor by the label price. Tapes due on the same date are renewed together and
// counted together for the term and the price.

struct RenewalRules {
    const GeneralRulesRecord& rules;
    TermCounting counting = TermCounting::AllTapes;
    std::chrono::sys_days today{};
    // The label and media records named by a tape's Selo and Midia.
    std::function<const LabelRecord&(int code)> label;
    std::function<const MediaRecord&(int code)> media;
};

// One AutoRenew step on tapes in memory: when the earliest due date is before today, renews
// every tape due on it and returns their positions; empty when no tape is past due. Tapes
// whose DataBase holds no date are never due.
std::vector<std::size_t> renewEarliestDueDate(std::span<TapeRecord> tapes,
                                              const RenewalRules& rules);

struct RenewalReport {
    int renewals = 0;    // tape renewals made
    int tapeWrites = 0;  // tape records written
    bool written = true; // false when a tape record could not be written
};

// AutoRenew for one person (the codes of the tapes at home, Fitas), repeated until no tape is
// past due, as the client situation does before it charges. Each renewed tape is written once,
// after its last renewal, holding every renewal it received; nothing is held back for the
// return or the payment. Does nothing unless lateness is charged by re-renting.
RenewalReport autoRenew(AppState& state, std::span<const std::int16_t> tapeCodes);

// A single AutoRenew call: renews the earliest past due date only and writes its tapes at
// once. The caller repeats it until `renewals` is 0.
RenewalReport autoRenewOnce(AppState& state, std::span<const std::int16_t> tapeCodes);

} // namespace tavolim::core
