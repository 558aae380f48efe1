#pragma once

#include "core/store/Money.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tavolim::core {

class AppState;

// Writing the tape book (LivroFts.tvl) and the returned-tape log (FitasDev.tvl) under the
// current day (DataDia), never the clock's.

struct RentedTape {
    std::int16_t tape = 0;
    Money price; // one daily period
};

// Appends one tape-book record per tape, rented by the client (dependent -1) or by the
// client's dependent, and counts them in today's PosLivFt.tvl record. With "GravHistFita"
// on, the tapes also go to the renter's tape history, each entry naming its tape-book
// record; a renter without one gets a new history number in `regHistFita` (the renter's
// RegHistFita, which the caller writes afterwards). Returns the number of the first tape-book
// record written, or nullopt when today's position record could not be had (nothing is
// written then).
std::optional<std::int32_t> appendRentals(AppState& state, std::span<const RentedTape> tapes,
                                          std::int16_t client, std::int16_t dependent,
                                          std::int32_t& regHistFita);

struct ReturnedTape {
    std::int16_t tape = 0;
    std::int16_t periods = 0;    // QtdDiarias charged
    Money amount;                // ValorDev
    std::int32_t rentalDate = 0; // date code the tape went out
};

// Completes the tape-book records of the returned tapes and logs each in FitasDev.tvl,
// counting the log entries in today's PosFtDev.tvl record. A tape is looked for among the
// records of its rental day only; every record of it on that day still out is completed (a
// record already returned keeps its return). A rental day before the book's first day, or
// one the book does not hold, completes nothing. A record past what the log can name
// (ReturnedTapeRecord::MaxReach) is completed but not logged. Returns the entries logged.
int markReturns(AppState& state, std::span<const ReturnedTape> tapes);

} // namespace tavolim::core
