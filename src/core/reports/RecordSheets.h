#pragma once

#include "core/reports/RecordLists.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavolim::core {

class MemoStore;
class RecordStore;

inline constexpr std::string_view kNoSheet =
    "Não há ficha para imprimir: o registro não existe ou foi excluído.";

// Sheets: every field of one record under its label, lines ending with CR LF. Each gives
// nullopt for a record that is not on file or is deleted.

// The person's block (title line, identity, address and telephones, a separator, the rest
// with the notes) and, after a holder with dependents, the list of them.
std::optional<std::string> clientSheet(const RecordStore& records, const MemoStore& memos,
                                       bool holder, std::int32_t code);
// Titles, section, media and label with its price, cast, purchase, notes, the last rentals,
// who has the tape now and the reservations.
std::optional<std::string> tapeSheet(const RecordStore& records, const MemoStore& memos,
                                     std::int32_t code);
std::optional<std::string> productSheet(const RecordStore& records, const MemoStore& memos,
                                        std::int32_t code);
std::optional<std::string> distributorSheet(const RecordStore& records, const MemoStore& memos,
                                            std::int32_t code);

// The sheet of a list row of that kind.
std::optional<std::string> rowSheet(const RecordStore& records, const MemoStore& memos,
                                    ReportKind kind, const ListRow& row);

// The sheets of the rows in order, a blank line between two; rows deleted since are left out.
std::string sheetsText(const RecordStore& records, const MemoStore& memos, ReportKind kind,
                       std::span<const ListRow> rows);

} // namespace tavolim::core
