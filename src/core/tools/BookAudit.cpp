#include "core/tools/BookAudit.h"

#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"
#include "core/books/PositionFile.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

namespace tavolim::core {
namespace {

using Day = std::chrono::year_month_day;

template <class R>
std::vector<R> readRecords(const std::filesystem::path& file)
{
    const auto bytes = binaryfile::readAll(file);
    std::vector<R> records(bytes.size() / R::Size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].decode(std::span(bytes).subspan(i * R::Size, R::Size));
    }
    return records;
}

std::string dayText(Day day)
{
    return dateToText(fromYmd(day));
}

// A day-indexed file read whole: record 1 the header, then one record per day.
template <class R>
struct DayFile {
    std::string name;
    std::vector<R> records;
    std::optional<Day> first; // nullopt: no header, or one that is no date

    // The record of a day the file holds.
    const R* of(Day day) const
    {
        if (!first) {
            return nullptr;
        }
        const std::int64_t index = daysBetween(*first, day) + 1;
        return index >= 1 && index < std::ssize(records) ? &records[static_cast<std::size_t>(index)]
                                                         : nullptr;
    }
    std::optional<Day> last() const
    {
        if (!first || records.size() < 2) {
            return std::nullopt;
        }
        return addDays(*first, std::ssize(records) - 2);
    }
};

DayFile<PositionRecord> positions(const std::filesystem::path& folder, Book book)
{
    DayFile<PositionRecord> file;
    file.name = bookFileInfo(book).positionFile;
    file.records = readRecords<PositionRecord>(folder / file.name);
    if (!file.records.empty()) {
        const auto day = toYmd(file.records.front().PrimeiroReg);
        if (day && plausibleBookDay(*day)) {
            file.first = day;
        }
    }
    return file;
}

DayFile<DailyTotalsRecord> dailyTotals(const std::filesystem::path& folder)
{
    DayFile<DailyTotalsRecord> file;
    file.name = kDailyTotalsFile;
    file.records = readRecords<DailyTotalsRecord>(folder / file.name);
    if (!file.records.empty()) {
        const auto day = file.records.front().headerDate();
        if (day && plausibleBookDay(*day)) {
            file.first = day;
        }
    }
    return file;
}

// The book records a day's position record names that the book holds (1-based numbers).
std::pair<std::int64_t, std::int64_t> entriesOf(const PositionRecord& day, std::size_t bookSize)
{
    if (day.PrimeiroReg < 1 || day.QtdRegs < 1) {
        return {1, 0};
    }
    const std::int64_t last = std::min<std::int64_t>(
        std::int64_t{day.PrimeiroReg} + day.QtdRegs - 1, static_cast<std::int64_t>(bookSize));
    return {day.PrimeiroReg, last};
}

class BookAuditor {
public:
    BookAuditor(const std::filesystem::path& folder, Day today,
                const std::vector<AuditedTape>& tapes, std::vector<AuditFinding>& findings)
        : m_today(today), m_tapes(tapes), m_findings(findings),
          m_rentalDays(positions(folder, Book::Rentals)),
          m_returnDays(positions(folder, Book::Returns)),
          m_salesDays(positions(folder, Book::Sales)), m_totals(dailyTotals(folder)),
          m_rentals(readRecords<TapeBookRecord>(folder / bookFileInfo(Book::Rentals).bookFile)),
          m_sales(readRecords<SaleBookRecord>(folder / bookFileInfo(Book::Sales).bookFile))
    {
    }

    void run()
    {
        headerAndDays(m_rentalDays);
        headerAndDays(m_returnDays);
        headerAndDays(m_salesDays);
        headerAndDays(m_totals);
        tapesOut();
        openEntries();
        dayTotals();
    }

private:
    void add(AuditIssue issue, std::string text) { m_findings.push_back({issue, std::move(text)}); }

    template <class R>
    void headerAndDays(const DayFile<R>& file)
    {
        if (file.records.empty()) {
            add(AuditIssue::DamagedHeader, file.name + " falta ou está vazio.");
        } else if (!file.first) {
            add(AuditIssue::DamagedHeader, file.name + ": o cabeçalho não guarda uma data válida.");
        } else if (const auto last = file.last(); last && daysBetween(m_today, *last) > 0) {
            add(AuditIssue::DaysAfterToday, file.name + " guarda dias até " + dayText(*last) +
                                                ", depois de hoje (" + dayText(m_today) + ").");
        }
    }

    const AuditedTape* tape(std::int32_t t) const
    {
        return t >= 1 && t < std::ssize(m_tapes) ? &m_tapes[static_cast<std::size_t>(t)] : nullptr;
    }

    // Every tape out has an open entry among the records of its rental day, where the return
    // will look for it; a day the book no longer (or not yet) holds says nothing.
    void tapesOut()
    {
        for (std::size_t t = 1; t < m_tapes.size(); ++t) {
            const AuditedTape& tape = m_tapes[t];
            if (!tape.present || tape.deleted || tape.renter <= 0) {
                continue;
            }
            const auto rentedOn = toYmd(tape.rentedOn);
            const PositionRecord* day = rentedOn ? m_rentalDays.of(*rentedOn) : nullptr;
            if (!day) {
                continue;
            }
            const auto [from, to] = entriesOf(*day, m_rentals.size());
            bool open = false;
            for (std::int64_t e = from; e <= to && !open; ++e) {
                const TapeBookRecord& entry = m_rentals[static_cast<std::size_t>(e - 1)];
                open = entry.Fita == static_cast<std::int16_t>(t) && entry.isOut();
            }
            if (!open) {
                add(AuditIssue::NoOpenRental,
                    "Fita " + std::to_string(t) + " locada em " + dayText(*rentedOn) +
                        " não tem locação em aberto desse dia no livro de fitas (LivroFts.tvl).");
            }
        }
    }

    // An entry still open names a tape out since its rental day; Fita 0 is a tape deleted
    // since, forgotten by the books.
    void openEntries()
    {
        for (std::size_t i = 0; i < m_rentals.size(); ++i) {
            const TapeBookRecord& entry = m_rentals[i];
            if (!entry.isOut() || entry.Fita <= 0) {
                continue;
            }
            const std::string which = "Locação " + std::to_string(i + 1) +
                                      " do livro de fitas (LivroFts.tvl), da fita " +
                                      std::to_string(entry.Fita) + " em " +
                                      dateToText(entry.DataLoc) + ", está em aberto";
            const AuditedTape* t = tape(entry.Fita);
            if (!t || !t->present) {
                add(AuditIssue::OpenRentalOfTapeIn, which + ", mas a fita não existe.");
            } else if (t->deleted) {
                add(AuditIssue::OpenRentalOfTapeIn, which + ", mas a fita está excluída.");
            } else if (t->renter <= 0) {
                add(AuditIssue::OpenRentalOfTapeIn, which + ", mas a fita está na loja.");
            } else if (toYmd(t->rentedOn) != toYmd(entry.DataLoc)) {
                add(AuditIssue::OpenRentalOfTapeIn,
                    which + ", mas a fita está locada desde " + dateToText(t->rentedOn) + ".");
            }
        }
    }

    // Per day held: tapes rented against the day's tape-book entries, items sold against
    // the day's sales-book quantities, and Entrada against the amounts paid it adds up.
    void dayTotals()
    {
        if (!m_totals.first) {
            return;
        }
        for (std::size_t k = 1; k < m_totals.records.size(); ++k) {
            const Day day = addDays(*m_totals.first, static_cast<std::int64_t>(k) - 1);
            if (daysBetween(m_today, day) > 0) {
                break;
            }
            const DailyTotalsRecord& totals = m_totals.records[k];
            const std::string where = m_totals.name + ", dia " + dayText(day) + ": ";
            if (const PositionRecord* rented = m_rentalDays.of(day);
                rented && rented->QtdRegs != totals.FitasLocadas) {
                add(AuditIssue::DayTotalsDisagree,
                    where + std::to_string(totals.FitasLocadas) +
                        " fitas locadas, mas o livro de fitas (PosLivFt.tvl) conta " +
                        std::to_string(rented->QtdRegs) + ".");
            }
            if (const PositionRecord* sold = m_salesDays.of(day)) {
                const auto [from, to] = entriesOf(*sold, m_sales.size());
                std::int64_t items = 0;
                for (std::int64_t e = from; e <= to; ++e) {
                    items += m_sales[static_cast<std::size_t>(e - 1)].Qtd;
                }
                if (items != totals.ItensVendidos) {
                    add(AuditIssue::DayTotalsDisagree,
                        where + std::to_string(totals.ItensVendidos) +
                            " itens vendidos, mas o livro caixa (LivroCx.tvl) tem " +
                            std::to_string(items) + ".");
                }
            }
            const Money paid = totals.LocPago + totals.DevPago + totals.VendaPago +
                               totals.Pagamentos + totals.Creditos;
            // Each amount went through a Single: allow for its rounding.
            const std::int64_t slack =
                10 +
                (std::abs(paid.thousandths()) + std::abs(totals.Entrada.thousandths())) / 100000;
            if (std::abs((paid - totals.Entrada).thousandths()) > slack) {
                add(AuditIssue::DayTotalsDisagree,
                    where + "Entrada de R$ " + formatMoney(totals.Entrada) +
                        ", mas os valores pagos do dia somam R$ " + formatMoney(paid) + ".");
            }
        }
    }

    Day m_today;
    const std::vector<AuditedTape>& m_tapes;
    std::vector<AuditFinding>& m_findings;
    DayFile<PositionRecord> m_rentalDays;
    DayFile<PositionRecord> m_returnDays;
    DayFile<PositionRecord> m_salesDays;
    DayFile<DailyTotalsRecord> m_totals;
    std::vector<TapeBookRecord> m_rentals;
    std::vector<SaleBookRecord> m_sales;
};

} // namespace

void auditBooks(const std::filesystem::path& folder, std::chrono::year_month_day today,
                const std::vector<AuditedTape>& tapes, std::vector<AuditFinding>& findings)
{
    BookAuditor(folder, today, tapes, findings).run();
}

} // namespace tavolim::core
