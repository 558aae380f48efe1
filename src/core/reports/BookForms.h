#pragma once

#include "core/books/BookFiles.h"
#include "core/reports/BookPeriods.h"
#include "core/reports/BookReports.h"
#include "core/reports/SalesBookListing.h"
#include "core/reports/TapeBookListing.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

// What the book windows share: the period options and lists, and the listing of the period
// chosen in List2. The books are read only when a period is chosen; nothing is kept of them
// between listings but the lines shown.
class BookPeriodForm {
public:
    virtual ~BookPeriodForm() = default;

    const PeriodChooser& periods() const { return m_periods; }
    // optDia, optSemana, optMes, optTrimestre: new lists, the newest item of List1 chosen.
    // Like a new choice in List1, it leaves no period chosen and nothing listed.
    void setLength(PeriodLength length);
    void chooseList1(int index);
    // Lists the period of a List2 item; an index out of range changes nothing.
    void chooseList2(int index);
    // The period listed last, if any.
    const std::optional<BookPeriod>& period() const { return m_period; }

    // After old months were deleted: lists rebuilt from the new first day, nothing listed.
    void monthsDeleted();

protected:
    BookPeriodForm(AppState& state, Book positionBook);

    virtual void list(const BookPeriod& period) = 0;
    virtual void clear() = 0;
    // Tells the operator what could not be read, in one message.
    void warn(const std::vector<std::string>& warnings) const;
    int reportWidth() const;

    AppState& m_state;

private:
    Book m_positionBook;
    PeriodChooser m_periods;
    std::optional<BookPeriod> m_period;
};

// frmLivroFitas: the tape book by day of rental or of return.
class TapeBookForm final : public BookPeriodForm {
public:
    explicit TapeBookForm(AppState& state);

    // mnuHistLocDev: false, after "O livro de locações/devoluções está vazio.", when the
    // tape book holds no record.
    static bool canOpen(AppState& state);

    TapeBookView tab() const { return m_view; }
    // TabStrip1: the ordering follows the tab (rentals by rental date, returns by return
    // date) and the chosen period is listed again.
    void setTab(TapeBookView view);
    TapeBookOrder order() const { return m_order; }
    // optClassifLoc, optClassifDev.
    void setOrder(TapeBookOrder order);

    const std::vector<TapeBookLine>& lines() const { return m_lines; }
    TapeBookCells cells(int row) const;

    // The period's report for any output: asks whether each tape's client goes along.
    // nullopt when nothing is listed.
    std::optional<BookReport> report();
    // cmdImprimir to the printer, the way receipts go. False when nothing is listed or
    // nothing was printed.
    bool print();

private:
    void list(const BookPeriod& period) override;
    void clear() override { m_lines.clear(); }

    TapeBookView m_view = TapeBookView::Rentals;
    TapeBookOrder m_order = TapeBookOrder::ByRental;
    std::vector<TapeBookLine> m_lines;
};

// frmLivroCaixa, "Histórico de Vendas": the sales book by day of sale.
class SalesBookForm final : public BookPeriodForm {
public:
    explicit SalesBookForm(AppState& state);

    // mnuHistLivroCaixa: false, after "O livro caixa está vazio.", when the sales book
    // holds no record.
    static bool canOpen(AppState& state);

    const std::vector<SalesBookLine>& lines() const { return m_lines; }
    SalesBookCells cells(int row) const;

    // The period's report for any output; nullopt when nothing is listed.
    std::optional<BookReport> report() const;
    // cmdImprimir to the printer. False when nothing is listed or nothing was printed.
    bool print();

private:
    void list(const BookPeriod& period) override;
    void clear() override { m_lines.clear(); }

    std::vector<SalesBookLine> m_lines;
};

} // namespace tavolim::core
