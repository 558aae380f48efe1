#pragma once

#include "core/books/BookRecords.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

// One line of the tape-book grid: a tape-book record and the names it points at.
struct TapeBookLine {
    std::int32_t bookRecord = 0; // number in LivroFts.tvl
    TapeBookRecord record;
    std::optional<std::string> tapeTitle;  // nullopt: "Registro Excluído"
    std::optional<std::string> personName; // nullopt: "Registro Excluído"

    // DataDev - DataLoc in days; 0 while out or when a date is not a date.
    int days() const;
    Money total() const { return record.Valor * record.QtdDiarias; }
    // The code shown beside the person: the dependent's or the client's; 0 without a client.
    std::int16_t personCode() const;
};

inline constexpr std::string_view kDeletedRecord = "Registro Excluído";

// "N°", "Data Loc.", "Data Dev.", "Dias", "Código da Fita", "Nome da Fita", "Valor",
// "Diárias", "Total", "Cliente", "Código Cliente".
inline constexpr int TapeBookColumns = 11;
using TapeBookCells = std::array<std::string, TapeBookColumns>;
const TapeBookCells& tapeBookHeadings();
// The cells of line `number` (1-based) as the grid shows them, money with "#,##0.00".
TapeBookCells tapeBookCells(const TapeBookLine& line, int number);

// A listing of the tape book over a run of days.
struct TapeBookListing {
    std::vector<TapeBookLine> lines;
    std::vector<std::string> warnings;
    // The first day lies after the last day the book holds: nothing was listed.
    bool startsAfterLastDay = false;
};

enum class TapeBookView {
    Rentals, // by day of rental, through PosLivFt.tvl
    Returns, // by day of return, through PosFtDev.tvl and FitasDev.tvl
};

// Reads the lines of days first..last; see readBookDays for what is read of a damaged book.
// `heldThrough` is the last day the day-indexed files were brought up to.
TapeBookListing listTapeBook(const RecordStore& records, TapeBookView view,
                             std::chrono::year_month_day first, std::chrono::year_month_day last,
                             std::optional<std::chrono::year_month_day> heldThrough);

enum class TapeBookOrder { ByRental, ByReturn };
// Stable: lines of the same day keep their order; tapes still out come last by return.
void sortTapeBook(std::vector<TapeBookLine>& lines, TapeBookOrder order);

// The day through which the day-indexed files are held: the last day of Caixa.tvl, which
// every day start brings up to date together with the position files.
std::optional<std::chrono::year_month_day> booksHeldThrough(const std::filesystem::path& folder);

} // namespace tavolim::core
