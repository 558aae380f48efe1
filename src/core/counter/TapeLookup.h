#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolim::core {

class RecordStore;

// The tape a typed text names, as the counter's code boxes take it: a barcode read by the
// scanner (a text of the barcode's shape that some tape carries in CodigoBarras, deleted
// tapes included), else the record number. Short numbers are always record numbers, so
// typing a code never walks the tape file. nullopt when the text is neither; the number is
// not checked against the file.
std::optional<std::int32_t> tapeCodeFromText(const RecordStore& records, std::string_view text);

} // namespace tavolim::core
