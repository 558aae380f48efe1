#pragma once

#include "core/store/Money.h"

#include <chrono>
#include <string>

namespace tavolim::core {

struct LabelRecord;
struct TapeRecord;

// The late fine of a tape's label: ValorMulta for every whole TempoMulta of lateness, in
// days or in hours. A started fine period is not charged.
struct LateFine {
    bool inHours = false;
    int late = 0;    // days or hours past the term; 0 when not late or not fined
    int periods = 0; // whole fine periods in `late`
    Money each;      // ValorMulta
    Money amount;    // periods x each

    bool isLate() const { return late > 0; }
};

// `days` are the whole days since DataRetirada; `now` the time of day, used in hours only.
// Nothing is fined unless `cobrarMulta` and the label has a TempoMulta.
//
// In hours, lateness is counted from the due time, the hour of HoraRetirada on the last day
// of the term, to the current hour: late days x 24 + (current hour - hour taken). So when
// the current hour is earlier than the hour the tape was taken, that difference is negative
// and makes the last day a part day; it is never counted as more than a day.
LateFine lateFine(const TapeRecord& tape, const LabelRecord& label, bool cobrarMulta, int days,
                  std::chrono::minutes now);

// "0003d/0001/1,5": late, "d/" or "h/", periods, "/" and ValorMulta as the program writes a
// number (decimal comma, no trailing zeros). Empty when the tape is not late.
std::string fineDescription(const LateFine& fine);
// "R$1,50 Multa". Empty when the tape is not late.
std::string fineAmountText(const LateFine& fine);

// A number as the program writes it into a text: no thousands separator, a decimal comma,
// no trailing zeros ("1", "0,5", "1,25").
std::string plainNumberText(Money value);

} // namespace tavolim::core
