#pragma once

#include "core/printing/ReceiptPrinter.h"
#include "core/reports/BookPeriods.h"
#include "core/reports/PersonHistoryView.h"
#include "core/reports/SalesBookListing.h"
#include "core/reports/TapeBookListing.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;

// A printed report of the books: the marker that heads it and its lines, without margin or
// line ends, none wider than the width it was built for. Any output can take it: the
// receipt printer (printReport) or a report file or editor (joined with CR LF).
struct BookReport {
    std::string marker;
    std::vector<std::string> lines;

    std::string text() const; // the lines, each ending in CR LF
};

// The tape book over a period ("#Histórico Loc./Dev.#"): lines grouped by day of rental or
// of return ("Loc. em "/"Dev. em " + date + weekday), returned tapes with their total, then
// those still out under "Não Devolvidas" with their price, a "Sub-Total  R$" per day, and
// the totals. With `withClient` the person follows each tape on a line of its own.
BookReport tapeBookReport(const std::vector<TapeBookLine>& lines, TapeBookView view,
                          PeriodLength length, const std::string& periodText, bool withClient,
                          int width);

// The sales book over a period ("#HISTÓRICO DE VENDAS#"), grouped by day of sale.
BookReport salesBookReport(const std::vector<SalesBookLine>& lines, PeriodLength length,
                           const std::string& periodText, int width);

// A person's rentals (" #Histórico-Locações#") or purchases ("#Histórico de vendas#").
BookReport historyReport(const PersonHistoryView& history, int width);

// What the purchases report says once printed: the program's own text, unaccented "Nao".
inline constexpr std::string_view kRemovePurchasesPrintout = "Nao se esqueça de retirar impressão!";

// Prints a report the way receipts go (options, printer or port), framed with the marker as
// title, then reminds the operator to take it. False when it could not be printed.
bool printReport(AppState& state, const BookReport& report,
                 std::string_view reminder = kRemovePrintout);

} // namespace tavolim::core
