#include "cli/BookCommands.h"

#include "cli/LocalTime.h"
#include "core/books/DailyTotalsFile.h"
#include "core/reports/DailySummary.h"
#include "core/reports/PersonHistoryView.h"
#include "core/reports/SalesBookListing.h"
#include "core/reports/TapeBookListing.h"
#include "core/shell/NewInstallation.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <ctime>

namespace tavolim::cli {
namespace {

using namespace core;

template <class Cells>
void printRow(std::ostream& out, const Cells& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out << (i == 0 ? "" : "\t") << cells[i];
    }
    out << "\n";
}

bool isStore(const CommandLine& line, std::ostream& err)
{
    if (needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return false;
    }
    return true;
}

int warned(const std::vector<std::string>& warnings, std::ostream& err)
{
    for (const std::string& w : warnings) {
        err << w << "\n";
    }
    return warnings.empty() ? 0 : 1;
}

} // namespace

int listTapeBookCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!isStore(line, err)) {
        return 1;
    }
    const RecordStore records(line.folder);
    const auto view = line.returns ? TapeBookView::Returns : TapeBookView::Rentals;
    auto listing = listTapeBook(records, view, *line.from, *line.to, booksHeldThrough(line.folder));
    if (listing.startsAfterLastDay) {
        err << "Não há registros nesta data.\n";
        return 1;
    }
    sortTapeBook(listing.lines, line.returns ? TapeBookOrder::ByReturn : TapeBookOrder::ByRental);
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        printRow(out, tapeBookCells(listing.lines[i], static_cast<int>(i + 1)));
    }
    return warned(listing.warnings, err);
}

int listSalesBookCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!isStore(line, err)) {
        return 1;
    }
    const RecordStore records(line.folder);
    const auto listing =
        listSalesBook(records, *line.from, *line.to, booksHeldThrough(line.folder));
    if (listing.startsAfterLastDay) {
        err << "Uma das datas está incorreta.\n";
        return 1;
    }
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        printRow(out, salesBookCells(listing.lines[i], static_cast<int>(i + 1)));
    }
    return warned(listing.warnings, err);
}

int dailySummaryCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!isStore(line, err)) {
        return 1;
    }
    const auto day = line.today.value_or(localToday());
    const DailyTotalsFile totals(line.folder);
    const auto base = totals.base();
    if (!base || std::chrono::sys_days(day) < std::chrono::sys_days(*base)) {
        err << "O arquivo Caixa.tvl não tem o dia " << dateToText(fromYmd(day)) << ".\n";
        return 1;
    }
    // A day the program has not reached yet has had no operation: all zeros.
    out << dailySummaryText(totals.read(day).value_or(DailyTotalsRecord{}));
    return 0;
}

int historyCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!isStore(line, err)) {
        return 1;
    }
    const RecordStore records(line.folder);
    const PersonRef person{line.person, line.titular};
    const auto history = personHistory(
        records, person, line.products ? HistoryKind::Purchases : HistoryKind::Rentals);
    if (!history) {
        err << (person.titular ? "O cliente " : "O dependente ") << line.person << " não existe.\n";
        return 1;
    }
    for (std::size_t i = 0; i < history->rentals.size(); ++i) {
        printRow(out, rentalHistoryCells(history->rentals[i], static_cast<int>(i + 1)));
    }
    for (std::size_t i = 0; i < history->purchases.size(); ++i) {
        printRow(out, purchaseHistoryCells(history->purchases[i], static_cast<int>(i + 1)));
    }
    return warned(history->warnings, err);
}

} // namespace tavolim::cli
