#pragma once

#include "core/books/BookRecords.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

// One line of the sales-book grid: a sales-book record and its product.
struct SalesBookLine {
    std::int32_t bookRecord = 0; // number in LivroCx.tvl
    SaleBookRecord record;
    std::string barcode;                    // empty for a product no longer on file
    std::optional<std::string> description; // nullopt: "Registro Excluído"
};

// "N°", "Data", "Código", "Descrição", "Preço\nUnitário", "Qtd.", "Total".
inline constexpr int SalesBookColumns = 7;
using SalesBookCells = std::array<std::string, SalesBookColumns>;
const SalesBookCells& salesBookHeadings();
SalesBookCells salesBookCells(const SalesBookLine& line, int number);

struct SalesBookListing {
    std::vector<SalesBookLine> lines;
    std::vector<std::string> warnings;
    // The first day lies after the last day the book holds: nothing was listed.
    bool startsAfterLastDay = false;
};

// The sales of days first..last, read as listTapeBook reads.
SalesBookListing listSalesBook(const RecordStore& records, std::chrono::year_month_day first,
                               std::chrono::year_month_day last,
                               std::optional<std::chrono::year_month_day> heldThrough);

} // namespace tavolim::core
