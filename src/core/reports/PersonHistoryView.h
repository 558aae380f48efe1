#pragma once

#include "core/books/Histories.h"
#include "core/reports/TapeBookListing.h"
#include "core/store/PersonRef.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

enum class HistoryKind {
    Rentals,   // HistFita.tvl: "Histórico de Locações de Cliente"
    Purchases, // HistProd.tvl: "Histórico de Vendas a Cliente"
};

// A rental of a person's tape history, with the tape-book record it points to; without one
// (its month was deleted, or the number lies past the end of the book) only the tape is
// known.
struct RentalHistoryLine {
    std::int16_t tape = 0;
    std::optional<std::string> tapeTitle; // nullopt: "Registro Excluído"
    std::optional<TapeBookLine> book;
};

struct PurchaseHistoryLine {
    Histories::ProductEntry entry;
    std::optional<std::string> description; // nullopt: "Registro Excluído"
};

// "N°", "Data Loc.", "Data Dev.", "Dias", "Código da Fita", "Nome da Fita", "Valor",
// "Diárias", "Total".
inline constexpr int RentalHistoryColumns = 9;
using RentalHistoryCells = std::array<std::string, RentalHistoryColumns>;
const RentalHistoryCells& rentalHistoryHeadings();
RentalHistoryCells rentalHistoryCells(const RentalHistoryLine& line, int number);

// "N°", "Data", "Código", "Descrição", "Unitário", "Qtd.", "Preço\nTotal".
inline constexpr int PurchaseHistoryColumns = 7;
using PurchaseHistoryCells = std::array<std::string, PurchaseHistoryColumns>;
const PurchaseHistoryCells& purchaseHistoryHeadings();
PurchaseHistoryCells purchaseHistoryCells(const PurchaseHistoryLine& line, int number);

// One person's history, oldest first (the ring order of the history records).
struct PersonHistoryView {
    HistoryKind kind = HistoryKind::Rentals;
    std::string personName; // empty when read by number alone
    std::int32_t historyNumber = 0;
    std::vector<RentalHistoryLine> rentals;
    std::vector<PurchaseHistoryLine> purchases;
    // What could not be read, for the operator; the lines above are still good.
    std::vector<std::string> warnings;

    bool empty() const { return rentals.empty() && purchases.empty(); }
    int lineCount() const
    {
        return static_cast<int>(kind == HistoryKind::Rentals ? rentals.size() : purchases.size());
    }
};

// A history record read by number. A record whose newest-slot cell is out of range is read
// in slot order, with a warning; a number below 1 or past the end of the file is an empty
// history.
PersonHistoryView readPersonHistory(const RecordStore& records, HistoryKind kind,
                                    std::int32_t historyNumber);
// The history of a client or dependent, with the person's name; nullopt when the person is
// not on file or deleted.
std::optional<PersonHistoryView> personHistory(const RecordStore& records, PersonRef person,
                                               HistoryKind kind);

} // namespace tavolim::core
