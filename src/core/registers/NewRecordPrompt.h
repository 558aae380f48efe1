#pragma once

#include <optional>
#include <string>

namespace tavolim::core {

class AppState;

enum class NewRecordKind { Client, Tape, Product, Distributor };

// The name typed for a new record, trimmed. For a client `name` is the first word (PrimNome)
// and `surname` the rest; for the other kinds `name` is all of it.
struct NewRecordName {
    std::string name;
    std::string surname;

    bool operator==(const NewRecordName&) const = default;
};

// Asks for the name of a new record of the kind through the input box. With "VerifNomeECod"
// on, a name that a record of the kind already has (clients: a holder, else a dependent) is
// refused with its message and asked again, while the wait window says what is going on.
// nullopt when the operator cancels or types nothing: the caller adds no record.
std::optional<NewRecordName> askNewRecordName(AppState& state, NewRecordKind kind);

} // namespace tavolim::core
