#pragma once

#include "core/store/PersonRef.h"

#include <chrono>
#include <cstdint>

namespace tavolim::core {

class RecordStore;
struct TapeRecord;

// A tape's reservation list: NumReservas entries of ReservaCliente, ReservaTitular (true =
// client, false = dependent) and ReservaData. Removing an entry moves the later ones up
// one place, clears slot 5 and lowers NumReservas; a count out of 0..5 is read clamped.

// Removes reservation `slot` (1-based, within the count); false when there is none.
bool removeReservation(TapeRecord& tape, int slot);

// True when the person holds one of the tape's reservations.
bool holdsReservation(const TapeRecord& tape, PersonRef person);

// Removes the first reservation of the person from the tape (the caller writes the tape).
bool removeFirstReservationOf(TapeRecord& tape, PersonRef person);

// Removes every reservation dated before `today`; one dated today stays. A reservation
// whose date is not a date is taken as expired. Returns how many went.
int removeExpiredReservations(TapeRecord& tape, std::chrono::year_month_day today);

// Removes every reservation of the person; returns how many went.
int removeReservationsOf(TapeRecord& tape, PersonRef person);

// Walks every tape of DadosFit.tvl and removes its expired reservations, writing back only
// the tapes that lost one. The current tape record gets the same removals, so a later save
// of it does not bring them back. Returns the number of tapes written.
int removeExpiredReservationsFromTapes(RecordStore& records, std::chrono::year_month_day today);

} // namespace tavolim::core
