#include "core/reports/BookForms.h"

#include "core/books/PositionFile.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/reports/BookReports.h"
#include "core/state/AppState.h"

namespace tavolim::core {
namespace {

bool bookHasRecords(AppState& state, Book book, const char* emptyText)
{
    if (PositionFile(state.dataFolder(), book).bookCount() > 0) {
        return true;
    }
    state.ports().dialogs.message(emptyText, msg::Information);
    return false;
}

} // namespace

BookPeriodForm::BookPeriodForm(AppState& state, Book positionBook)
    : m_state(state), m_positionBook(positionBook),
      m_periods(PositionFile(state.dataFolder(), positionBook).firstDay(), state.DataDia)
{
}

void BookPeriodForm::setLength(PeriodLength length)
{
    m_periods.setLength(length);
    m_period.reset();
    clear();
}

void BookPeriodForm::chooseList1(int index)
{
    m_periods.chooseList1(index);
    m_period.reset();
    clear();
}

void BookPeriodForm::chooseList2(int index)
{
    const auto period = m_periods.period(index);
    if (!period) {
        return;
    }
    m_period = period;
    list(*period);
}

void BookPeriodForm::monthsDeleted()
{
    const PeriodLength length = m_periods.length();
    m_periods = PeriodChooser(PositionFile(m_state.dataFolder(), m_positionBook).firstDay(),
                              m_state.DataDia, length);
    m_period.reset();
    clear();
}

void BookPeriodForm::warn(const std::vector<std::string>& warnings) const
{
    if (warnings.empty()) {
        return;
    }
    std::string text;
    for (const std::string& w : warnings) {
        text += (text.empty() ? "" : "\n") + w;
    }
    m_state.ports().dialogs.message(text, msg::Exclamation);
}

int BookPeriodForm::reportWidth() const
{
    return ReceiptBuilder(m_state).width();
}

TapeBookForm::TapeBookForm(AppState& state) : BookPeriodForm(state, Book::Rentals) {}

bool TapeBookForm::canOpen(AppState& state)
{
    return bookHasRecords(state, Book::Rentals, "O livro de locações/devoluções está vazio.");
}

void TapeBookForm::setTab(TapeBookView view)
{
    m_view = view;
    m_order = view == TapeBookView::Rentals ? TapeBookOrder::ByRental : TapeBookOrder::ByReturn;
    if (period()) {
        list(*period());
    }
}

void TapeBookForm::setOrder(TapeBookOrder order)
{
    m_order = order;
    sortTapeBook(m_lines, m_order);
}

TapeBookCells TapeBookForm::cells(int row) const
{
    return tapeBookCells(m_lines.at(static_cast<std::size_t>(row)), row + 1);
}

void TapeBookForm::list(const BookPeriod& period)
{
    auto listing = listTapeBook(m_state.records(), m_view, period.first, period.last,
                                booksHeldThrough(m_state.dataFolder()));
    if (listing.startsAfterLastDay) {
        m_lines.clear();
        m_state.ports().dialogs.message("Não há registros nesta data.", msg::Exclamation);
        return;
    }
    m_lines = std::move(listing.lines);
    sortTapeBook(m_lines, m_order);
    warn(listing.warnings);
}

std::optional<BookReport> TapeBookForm::report()
{
    if (m_lines.empty() || !period()) {
        return std::nullopt;
    }
    const bool withClient =
        m_state.ports().dialogs.message(
            "Deseja imprimir, juntamente com cada fita, o(a) cliente que a locou ?",
            msg::Question + msg::YesNo) == msg::Answer::Yes;
    return tapeBookReport(m_lines, m_view, periods().length(), period()->text, withClient,
                          reportWidth());
}

bool TapeBookForm::print()
{
    const auto made = report();
    return made && printReport(m_state, *made);
}

SalesBookForm::SalesBookForm(AppState& state) : BookPeriodForm(state, Book::Sales) {}

bool SalesBookForm::canOpen(AppState& state)
{
    return bookHasRecords(state, Book::Sales, "O livro caixa está vazio.");
}

SalesBookCells SalesBookForm::cells(int row) const
{
    return salesBookCells(m_lines.at(static_cast<std::size_t>(row)), row + 1);
}

void SalesBookForm::list(const BookPeriod& period)
{
    auto listing = listSalesBook(m_state.records(), period.first, period.last,
                                 booksHeldThrough(m_state.dataFolder()));
    if (listing.startsAfterLastDay) {
        m_lines.clear();
        m_state.ports().dialogs.message("Uma das datas está incorreta.", msg::Exclamation);
        return;
    }
    m_lines = std::move(listing.lines);
    warn(listing.warnings);
}

std::optional<BookReport> SalesBookForm::report() const
{
    if (m_lines.empty() || !period()) {
        return std::nullopt;
    }
    return salesBookReport(m_lines, periods().length(), period()->text, reportWidth());
}

bool SalesBookForm::print()
{
    const auto made = report();
    return made && printReport(m_state, *made);
}

} // namespace tavolim::core
