#include "core/reports/TapeBookListing.h"

#include "core/books/DailyTotalsFile.h"
#include "core/books/PositionFile.h"
#include "core/reports/BookDays.h"
#include "core/reports/BookNames.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace tavolim::core {
namespace {

using std::chrono::sys_days;

// Sorting key of a date code; no date sorts last.
std::int64_t dayKey(std::int32_t code)
{
    const auto d = toYmd(code);
    return d ? sys_days(*d).time_since_epoch().count() : std::numeric_limits<std::int64_t>::max();
}

// FitasDev.tvl entries to tape-book numbers. An entry of 0 names a rental whose month was
// deleted: nothing to show and nothing wrong.
std::vector<std::int32_t> returnedBookRecords(const std::filesystem::path& folder,
                                              const std::vector<std::int32_t>& logRecords,
                                              std::int32_t bookCount,
                                              std::vector<std::string>& warnings)
{
    const auto log = readRecordsAt<ReturnedTapeRecord>(
        folder / std::string(bookFileInfo(Book::Returns).bookFile), logRecords);
    std::vector<std::int32_t> numbers;
    numbers.reserve(log.size());
    int pastEnd = 0;
    for (const auto& entry : log) {
        const std::int32_t n = entry.bookRecord();
        if (n > bookCount) {
            ++pastEnd;
        } else if (n > 0) {
            numbers.push_back(n);
        }
    }
    if (pastEnd > 0) {
        warnings.push_back("O arquivo FitasDev.tvl indica " + std::to_string(pastEnd) +
                           (pastEnd == 1 ? " registro" : " registros") +
                           " além do fim de LivroFts.tvl (que tem " + std::to_string(bookCount) +
                           "); as linhas que puderam ser lidas estão na lista.");
    }
    return numbers;
}

} // namespace

int TapeBookLine::days() const
{
    const auto out = toYmd(record.DataLoc);
    const auto back = toYmd(record.DataDev);
    if (!out || !back) {
        return 0;
    }
    return static_cast<int>((sys_days(*back) - sys_days(*out)).count());
}

std::int16_t TapeBookLine::personCode() const
{
    if (record.Cliente < 1) {
        return 0;
    }
    return record.Dependente == -1 ? record.Cliente : record.Dependente;
}

const TapeBookCells& tapeBookHeadings()
{
    static const TapeBookCells headings = {
        "N°",    "Data Loc.", "Data Dev.", "Dias",    "Código da Fita", "Nome da Fita",
        "Valor", "Diárias",   "Total",     "Cliente", "Código Cliente"};
    return headings;
}

TapeBookCells tapeBookCells(const TapeBookLine& line, int number)
{
    const TapeBookRecord& r = line.record;
    const bool out = r.isOut();
    return {std::to_string(number),
            dateToText(r.DataLoc),
            out ? std::string() : dateToText(r.DataDev),
            std::to_string(line.days()),
            std::to_string(r.Fita),
            line.tapeTitle.value_or(std::string(kDeletedRecord)),
            formatMoney(r.Valor),
            std::to_string(r.QtdDiarias),
            formatMoney(line.total()),
            line.personName.value_or(std::string(kDeletedRecord)),
            std::to_string(line.personCode())};
}

TapeBookListing listTapeBook(const RecordStore& records, TapeBookView view,
                             std::chrono::year_month_day first, std::chrono::year_month_day last,
                             std::optional<std::chrono::year_month_day> heldThrough)
{
    const auto& folder = records.dataFolder();
    const PositionFile rentals(folder, Book::Rentals);
    const PositionFile file(folder, view == TapeBookView::Rentals ? Book::Rentals : Book::Returns);
    BookDays days = readBookDays(file, first, last, heldThrough);

    TapeBookListing listing;
    listing.startsAfterLastDay = days.start != BookDays::Start::Held;
    listing.warnings = std::move(days.warnings);
    std::vector<std::int32_t> numbers =
        view == TapeBookView::Rentals
            ? std::move(days.records)
            : returnedBookRecords(folder, days.records, rentals.bookCount(), listing.warnings);

    const auto book = readRecordsAt<TapeBookRecord>(rentals.bookPath(), numbers);
    BookNames names(records);
    listing.lines.reserve(book.size());
    for (std::size_t i = 0; i < book.size(); ++i) {
        const TapeBookRecord& r = book[i];
        listing.lines.push_back(
            {numbers[i], r, names.tapeTitle(r.Fita), names.personName(r.Cliente, r.Dependente)});
    }
    return listing;
}

void sortTapeBook(std::vector<TapeBookLine>& lines, TapeBookOrder order)
{
    // A book read day by day is mostly in order already; the keys are made once, and the
    // lines, heavy to move, are moved once.
    std::vector<std::int64_t> keys;
    keys.reserve(lines.size());
    for (const TapeBookLine& l : lines) {
        keys.push_back(
            dayKey(order == TapeBookOrder::ByRental ? l.record.DataLoc : l.record.DataDev));
    }
    if (std::is_sorted(keys.begin(), keys.end())) {
        return;
    }
    std::vector<std::size_t> index(lines.size());
    std::iota(index.begin(), index.end(), std::size_t{0});
    std::stable_sort(index.begin(), index.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<TapeBookLine> sorted;
    sorted.reserve(lines.size());
    for (const std::size_t i : index) {
        sorted.push_back(std::move(lines[i]));
    }
    lines = std::move(sorted);
}

std::optional<std::chrono::year_month_day> booksHeldThrough(const std::filesystem::path& folder)
{
    const DailyTotalsFile totals(folder);
    const auto base = totals.base();
    const auto count = totals.recordCount();
    if (!base || count < 2) {
        return std::nullopt;
    }
    return addDays(*base, count - 2);
}

} // namespace tavolim::core
