#pragma once

#include "core/store/PersonRef.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

class RecordStore;

// "Ana Silva": the person's first name and surname, trimmed, as lists and receipts show them.
std::string personName(const RecordStore& records, PersonRef person);

// The client who holds the person: the client itself, or the dependent's Titular.
std::int16_t holderOf(const RecordStore& records, PersonRef person);

} // namespace tavolim::core
