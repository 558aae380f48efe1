#include "core/reports/SalesBookListing.h"

#include "core/books/PositionFile.h"
#include "core/reports/BookDays.h"
#include "core/reports/BookNames.h"
#include "core/reports/TapeBookListing.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

const SalesBookCells& salesBookHeadings()
{
    static const SalesBookCells headings = {
        "N°", "Data", "Código", "Descrição", "Preço\nUnitário", "Qtd.", "Total"};
    return headings;
}

SalesBookCells salesBookCells(const SalesBookLine& line, int number)
{
    const SaleBookRecord& r = line.record;
    return {std::to_string(number),
            dateToText(r.Data),
            line.barcode,
            line.description.value_or(std::string(kDeletedRecord)),
            formatMoney(r.PrecoUnit),
            std::to_string(r.Qtd),
            formatMoney(r.total())};
}

SalesBookListing listSalesBook(const RecordStore& records, std::chrono::year_month_day first,
                               std::chrono::year_month_day last,
                               std::optional<std::chrono::year_month_day> heldThrough)
{
    const PositionFile file(records.dataFolder(), Book::Sales);
    BookDays days = readBookDays(file, first, last, heldThrough);

    SalesBookListing listing;
    listing.startsAfterLastDay = days.start != BookDays::Start::Held;
    listing.warnings = std::move(days.warnings);
    const auto book = readRecordsAt<SaleBookRecord>(file.bookPath(), days.records);
    BookNames names(records);
    listing.lines.reserve(book.size());
    for (std::size_t i = 0; i < book.size(); ++i) {
        SalesBookLine line{days.records[i], book[i], {}, std::nullopt};
        if (const auto product = names.product(book[i].Produto)) {
            line.barcode = product->barcode;
            line.description = product->description;
        }
        listing.lines.push_back(std::move(line));
    }
    return listing;
}

} // namespace tavolim::core
