#pragma once

#include "core/store/PersonRef.h"

#include <string>

namespace tavolim::core {

class RecordStore;

// The client lines of a receipt header: "Cliente: 000007" with the holder's name, and for a
// dependent also who took the tapes.
struct ReceiptPerson {
    PersonRef person;
    std::string holderName;    // "Titular: " line
    std::string dependentName; // "Retirou: " line, dependents only
};

// Reads the holder (and the dependent) for a receipt.
ReceiptPerson receiptPersonOf(const RecordStore& records, PersonRef person);

} // namespace tavolim::core
