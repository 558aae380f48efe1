#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
struct ClientRecord;
struct DependentRecord;
class RecordStore;
struct NewRecordName;

// Rules over a holder and its dependents that both person windows share.

// The lines of lstDependentes: the slot as "@@", a space, PrimNome padded to its 15
// characters, then the trimmed GrauParentesco. Reads the holder (forced) and each dependent.
std::vector<std::string> dependentLines(const RecordStore& records, std::int16_t holder);

// Adds a dependent to the holder with the typed name: blank but for the name, today's
// registration date and time and the holder's address and home telephone; it takes a
// dependent number, goes last in the holder's list and is written at once, as is the holder.
// Returns its 1-based position in the list, or nullopt when the holder already has ten.
std::optional<int> createDependent(AppState& state, std::int16_t holder, const NewRecordName& name);

// Where a dependent sits: its holder (Titular) and its 1-based place in the holder's Dep
// list, none when the holder no longer lists it. Reads both records (forced).
struct DependentPlace {
    std::int16_t holder = 0;
    std::optional<int> position;
};
DependentPlace dependentPlace(const RecordStore& records, std::int16_t dependent);

// The number a clerk knows a person by: the family's inscription, which is the holder's code
// for the holder and for every dependent alike (a dependent's own record number is never
// shown, so typing the number shown always opens the same family). 0 for no person.
std::int16_t inscriptionNumber(const RecordStore& records, std::int16_t code, bool titular);
// The caption beside that number: whose number it is.
const char* inscriptionCaption(bool titular);

// The holder record a dependent becomes: every personal field, the account, the tapes and
// the histories; no dependents of its own.
ClientRecord clientFromDependent(const DependentRecord& d, std::int16_t code);

// The duplicate check of a renamed person: the numbers of every other holder (not `client`)
// and every dependent (not `dependent`) whose trimmed names equal these, under the wait
// window. Shows the refusal and returns true when there is any.
bool refuseDuplicateName(AppState& state, const std::string& first, const std::string& surname,
                         std::int32_t client, std::int32_t dependent);

} // namespace tavolim::core
