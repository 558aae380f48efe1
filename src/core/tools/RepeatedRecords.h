#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

class RecordStore;

// The kinds the repeated-names check walks (clients with their dependents) and, for tapes
// and products, the repeated-barcodes check.
enum class RepeatKind { Clients, Tapes, Products, Distributors };

struct RepeatReport {
    std::string title;
    std::string text;
};

// FindRepeatedNames: every pair of records that are not deleted whose names match (trimmed,
// case ignored, accented letters included), in record order, one line each:
// "    12 e 40 - Ana Silva". A dependent's code is followed by " (dependente)".
// "Não há repetição de nomes." when there is none. Title "Verificar Nomes".
RepeatReport findRepeatedNames(const RecordStore& records, RepeatKind kind);
// FindRepeatedCodes, tapes and products only: the same over the barcodes, empty ones
// ignored. Title "Verificar Códigos".
RepeatReport findRepeatedCodes(const RecordStore& records, RepeatKind kind);

} // namespace tavolim::core
