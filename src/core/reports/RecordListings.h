#pragma once

#include "core/reports/RecordLists.h"

#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace tavolim::core {

class RecordStore;
struct TapeRecord;

// The printed form of a list: its header line, a separator of "_" and one line per row,
// every line ending with CR LF.
inline constexpr std::string_view kClientListingHeader =
    "   Código Tipo Nome                                     Telefone     Sit.";
inline constexpr std::string_view kTapeListingHeader =
    "   Código   Nome                     Tipo Mídia Selo          Seção          Situação";
inline constexpr std::string_view kProductListingHeader =
    "   Num     Nome                       CódigoBarras     Estoque  ICMS   Custo        Preço";
inline constexpr std::string_view kDistributorListingHeader =
    "   Nome                           Contato                             Telefones";

std::string_view listingHeader(ReportKind kind);
// 75 for clients; the header's width for the others.
std::size_t listingSeparatorWidth(ReportKind kind);

// The listing of `rows` in the order given (the list window's order). Each row's record is
// read again: one deleted since the list was made is left out. For people the row's kind
// letter tells the file; `today` decides the situation codes.
std::string listingText(const RecordStore& records, ReportKind kind, std::span<const ListRow> rows,
                        std::chrono::sys_days today);

// One tape line: "   ", the barcode in 8 (else the code "000000" and two spaces), a space,
// the title in 25, "  D  " or "  L  ", media in 5, a space, label in 13, a space, section in
// 15, "  " in or " L" out, and "R" when reserved: each column under its header word.
std::string tapeListingLine(std::int32_t code, const TapeRecord& tape, std::string_view media,
                            std::string_view label, std::string_view section);

} // namespace tavolim::core
