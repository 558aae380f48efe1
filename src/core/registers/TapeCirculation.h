#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace tavolim::core {

class AppState;
class RecordStore;
struct TapeForm;
struct TapeRecord;

// A circulation date as the tape register shows it: "Hoje", "Ontem" or "Amanhã" next to the
// working day, else "dd/mm/yyyy"; "" for a field that holds no date.
std::string circulationDay(std::int32_t ddmmyyyy, std::chrono::sys_days today);

// A person's full name, read from the client or dependent file as `titular` says; the
// shared client and dependent records are left as they were.
std::string circulationPerson(const RecordStore& records, std::int16_t code, bool titular);

// The circulation part of the tape register: who has the tape (blank when nobody), the day
// taken and the day due back (DataBase + DiasBase), the last clients (slot 1 first) and the
// reservations, each line the date and the person's name. People are read from their files;
// the shared client and dependent records are left as they were.
void showCirculation(AppState& state, const TapeRecord& tape, TapeForm& form);

} // namespace tavolim::core
