#include "core/reports/BookReports.h"

#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <functional>

namespace tavolim::core {
namespace {

using std::chrono::sys_days;

std::string padLeft(const std::string& text, std::size_t width)
{
    const std::size_t n = charCount(text);
    return n >= width ? text : std::string(width - n, ' ') + text;
}

// `left` cut to leave room, then `right` flush with the width.
std::string leftRight(const std::string& left, const std::string& right, int width)
{
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t rightChars = charCount(right);
    const std::string l = cutChars(left, rightChars + 1 < w ? w - rightChars - 1 : 0);
    const std::size_t used = charCount(l) + rightChars;
    return l + std::string(used < w ? w - used : 0, ' ') + right;
}

std::string cut(const std::string& text, int width)
{
    return cutChars(text, static_cast<std::size_t>(std::max(width, 0)));
}

std::string dayHeading(const std::string& prefix, std::int32_t dateCode)
{
    const auto day = toYmd(dateCode);
    return prefix + dateToText(dateCode) +
           (day ? " " + weekdayName(std::chrono::weekday(sys_days(*day))) : "");
}

std::string tapeLine(std::int16_t code, const std::string& title, Money amount, int width)
{
    return leftRight(padLeft(std::to_string(code), 5) + " " + title, moneyField(amount), width);
}

// Runs of lines that share a day, in day order; lines without a date come last.
template <class Line>
std::vector<std::vector<const Line*>> byDay(const std::vector<Line>& lines,
                                            const std::function<std::int32_t(const Line&)>& dateOf)
{
    std::vector<const Line*> sorted;
    sorted.reserve(lines.size());
    for (const Line& l : lines) {
        sorted.push_back(&l);
    }
    const auto key = [&](const Line* l) {
        const auto d = toYmd(dateOf(*l));
        return d ? sys_days(*d).time_since_epoch().count() : INT64_MAX;
    };
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const Line* a, const Line* b) { return key(a) < key(b); });
    std::vector<std::vector<const Line*>> groups;
    for (const Line* l : sorted) {
        if (groups.empty() || dateOf(*groups.back().front()) != dateOf(*l)) {
            groups.emplace_back();
        }
        groups.back().push_back(l);
    }
    return groups;
}

} // namespace

std::string BookReport::text() const
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += kLineBreak;
    }
    return out;
}

BookReport tapeBookReport(const std::vector<TapeBookLine>& lines, TapeBookView view,
                          PeriodLength length, const std::string& periodText, bool withClient,
                          int width)
{
    const bool rentals = view == TapeBookView::Rentals;
    BookReport report{"#Histórico Loc./Dev.#", {}};
    auto& out = report.lines;
    out.push_back(cut((rentals ? "Histórico de Locações por " : "Histórico de Devoluções por ") +
                          periodLengthName(length),
                      width));
    out.push_back(cut(periodText, width));

    Money returnedTotal;
    Money outTotal;
    const auto add = [&](const TapeBookLine& l, Money amount) {
        out.push_back(tapeLine(l.record.Fita, l.tapeTitle.value_or(std::string(kDeletedRecord)),
                               amount, width));
        if (withClient) {
            out.push_back(
                cut("      " + l.personName.value_or(std::string(kDeletedRecord)), width));
        }
    };
    const auto groups = byDay<TapeBookLine>(lines, [rentals](const TapeBookLine& l) {
        return rentals ? l.record.DataLoc : l.record.DataDev;
    });
    for (const auto& group : groups) {
        out.emplace_back();
        out.push_back(
            cut(dayHeading(rentals ? "Loc. em " : "Dev. em ",
                           rentals ? group.front()->record.DataLoc : group.front()->record.DataDev),
                width));
        Money subTotal;
        for (const TapeBookLine* l : group) {
            if (!l->record.isOut()) {
                add(*l, l->total());
                subTotal += l->total();
                returnedTotal += l->total();
            }
        }
        const bool anyOut = std::any_of(group.begin(), group.end(),
                                        [](const TapeBookLine* l) { return l->record.isOut(); });
        if (anyOut) {
            out.push_back("Não Devolvidas");
            for (const TapeBookLine* l : group) {
                if (l->record.isOut()) {
                    add(*l, l->record.Valor);
                    subTotal += l->record.Valor;
                    outTotal += l->record.Valor;
                }
            }
        }
        out.push_back(leftRight("Sub-Total  R$", moneyField(subTotal), width));
    }
    out.emplace_back();
    out.push_back(leftRight("Total de Fitas:", std::to_string(lines.size()), width));
    out.push_back(leftRight("Fitas Devolvidas:  R$", moneyField(returnedTotal), width));
    out.push_back(leftRight("Fitas Não Devolvidas:  R$", moneyField(outTotal), width));
    out.push_back(leftRight("Valor Total:  R$", moneyField(returnedTotal + outTotal), width));
    return report;
}

BookReport salesBookReport(const std::vector<SalesBookLine>& lines, PeriodLength length,
                           const std::string& periodText, int width)
{
    BookReport report{"#HISTÓRICO DE VENDAS#", {}};
    auto& out = report.lines;
    out.push_back(cut("Histórico de Vendas por " + periodLengthName(length), width));
    out.push_back(cut(periodText, width));

    Money total;
    long units = 0;
    const auto groups =
        byDay<SalesBookLine>(lines, [](const SalesBookLine& l) { return l.record.Data; });
    for (const auto& group : groups) {
        out.emplace_back();
        out.push_back(cut(dayHeading("Vendas em ", group.front()->record.Data), width));
        Money subTotal;
        for (const SalesBookLine* l : group) {
            const SaleBookRecord& r = l->record;
            out.push_back(cut(l->description.value_or(std::string(kDeletedRecord)), width));
            out.push_back(
                leftRight("  " + std::to_string(r.Qtd) + " x R$" + moneyField(r.PrecoUnit),
                          moneyField(r.total()), width));
            subTotal += r.total();
            units += r.Qtd;
        }
        out.push_back(leftRight("Sub-Total  R$", moneyField(subTotal), width));
        total += subTotal;
    }
    out.emplace_back();
    out.push_back(leftRight("Unidades:", std::to_string(units), width));
    out.push_back(leftRight("Produtos:", std::to_string(lines.size()), width));
    out.push_back(leftRight("Valor Total:  R$", moneyField(total), width));
    return report;
}

BookReport historyReport(const PersonHistoryView& history, int width)
{
    const bool rentals = history.kind == HistoryKind::Rentals;
    BookReport report{rentals ? " #Histórico-Locações#" : "#Histórico de vendas#", {}};
    auto& out = report.lines;
    if (!history.personName.empty()) {
        out.push_back(cut("Cliente: " + history.personName, width));
    }
    out.emplace_back();
    Money total;
    if (rentals) {
        for (const RentalHistoryLine& l : history.rentals) {
            out.push_back(cut(padLeft(std::to_string(l.tape), 5) + " " +
                                  l.tapeTitle.value_or(std::string(kDeletedRecord)),
                              width));
            if (l.book) {
                const TapeBookRecord& r = l.book->record;
                const std::string dates = "Loc. " + dateToText(r.DataLoc) + " Dev. " +
                                          (r.isOut() ? std::string() : dateToText(r.DataDev));
                out.push_back(leftRight(dates, moneyField(l.book->total()), width));
                total += l.book->total();
            }
        }
        out.push_back(leftRight("Sub-Total  R$", moneyField(total), width));
        out.emplace_back();
        out.push_back(leftRight("Total de Fitas:", std::to_string(history.rentals.size()), width));
    } else {
        long units = 0;
        for (const PurchaseHistoryLine& l : history.purchases) {
            const auto& e = l.entry;
            out.push_back(
                cut(dateToText(e.Data) + " " + l.description.value_or(std::string(kDeletedRecord)),
                    width));
            out.push_back(leftRight("  " + std::to_string(e.Qtd) + " x R$" + moneyField(e.Valor),
                                    moneyField(e.Valor * e.Qtd), width));
            total += e.Valor * e.Qtd;
            units += e.Qtd;
        }
        out.push_back(leftRight("Sub-Total  R$", moneyField(total), width));
        out.emplace_back();
        out.push_back(leftRight("Unidades:", std::to_string(units), width));
        out.push_back(leftRight("Produtos:", std::to_string(history.purchases.size()), width));
    }
    out.push_back(leftRight("Valor Total:  R$", moneyField(total), width));
    return report;
}

bool printReport(AppState& state, const BookReport& report, std::string_view reminder)
{
    ReceiptBuilder builder(state);
    std::string text = builder.header(report.marker, nullptr, ReceiptBuilder::NoNumber);
    for (const std::string& line : report.lines) {
        // A line with nothing on it still gets a space, or a printer may swallow it.
        text += builder.line(line.empty() ? " " : line);
    }
    text += builder.footer("", true);
    if (!ReceiptPrinter(state).printText(text)) {
        return false;
    }
    state.ports().dialogs.message(std::string(reminder), msg::Information);
    return true;
}

} // namespace tavolim::core
