// The books over fuzzed files: the day roll to a date, then rentals, returns, sales, the
// day's totals and the histories, in an order the input chooses.
//
// Pieces: 1 PosLivFt.tvl, 2 LivroFts.tvl, 3 PosFtDev.tvl, 4 FitasDev.tvl, 5 PosLivCx.tvl,
// 6 LivroCx.tvl, 7 Caixa.tvl, 8 HistFita.tvl, 9 HistProd.tvl.
//
// What must hold: a roll that succeeds leaves the file holding exactly the days up to the
// current day and changes no day already held (but a header it had to repair and a last day
// without entries yet); a clock behind the file changes nothing; entries go at the end of their
// book, counted in the day they are written under, and change no earlier entry; a return
// completes only entries of its rental day that were out with that tape, touching only their
// return fields, and logs exactly those; the day's totals read back as written; a history
// holds at most 99 entries, the newest last; nothing is written beside the data folder.
#include "support/FuzzSupport.h"

#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"
#include "core/books/DailyTotalsFile.h"
#include "core/books/DayRoll.h"
#include "core/books/Histories.h"
#include "core/books/PositionFile.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"
#include "core/tools/QuietPorts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <set>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using namespace std::chrono;
using fuzz::Bytes;

constexpr const char* kFiles[] = {"PosLivFt.tvl", "LivroFts.tvl", "PosFtDev.tvl",
                                  "FitasDev.tvl", "PosLivCx.tvl", "LivroCx.tvl",
                                  "Caixa.tvl",    "HistFita.tvl", "HistProd.tvl"};

Bytes fileOf(const std::filesystem::path& folder, std::string_view name)
{
    return fuzz::readFile(folder / std::string(name));
}

template <class R>
R recordAt(const Bytes& file, std::int64_t number)
{
    R r;
    const auto at = static_cast<std::size_t>(number - 1) * R::Size;
    if (number >= 1 && at < file.size()) {
        r.decode(std::span(file).subspan(at, std::min(R::Size, file.size() - at)));
    }
    return r;
}

// Bytes of `before` that `after` still holds, but for the ranges listed.
void checkKept(const Bytes& before, const Bytes& after, std::size_t upTo,
               const std::vector<std::pair<std::size_t, std::size_t>>& changeable)
{
    FUZZ_CHECK(after.size() >= std::min(upTo, before.size()));
    for (std::size_t i = 0; i < std::min(upTo, before.size()); ++i) {
        bool free = false;
        for (const auto& [from, to] : changeable) {
            free = free || (i >= from && i < to);
        }
        FUZZ_CHECK(free || after[i] == before[i]);
    }
}

// The current day: near the rental book's first day, or any day; always one a store may run
// on (a clock in another century is the date check's to refuse, not the books').
year_month_day dayFrom(FuzzedDataProvider& in, const std::filesystem::path& folder)
{
    const sys_days earliest = year{1990} / 1 / 1;
    const sys_days latest = year{2100} / 12 / 31;
    sys_days day = earliest + days(in.ConsumeIntegralInRange(0, 40000));
    const auto first = PositionFile(folder, Book::Rentals).firstDay();
    if (first && in.ConsumeBool()) {
        day = sys_days(*first) + days(in.ConsumeIntegralInRange(-3, 120));
    }
    return std::clamp(day, earliest, latest);
}

// The roll of one position file and what it may change.
void checkPositionRoll(const std::filesystem::path& folder, Book book, const Bytes& before,
                       RollOutcome outcome, year_month_day day)
{
    const PositionFile file(folder, book);
    const Bytes after = fuzz::readFile(file.positionPath());
    constexpr std::size_t len = PositionRecord::Size;
    // A header cut short, or holding a day no store ran on, is no header: it is rebuilt
    // whatever the roll does next.
    auto oldFirst =
        before.size() < len ? std::nullopt : toYmd(recordAt<PositionRecord>(before, 1).PrimeiroReg);
    if (oldFirst && !plausibleBookDay(*oldFirst)) {
        oldFirst = std::nullopt;
    }
    const std::size_t whole = before.size() / len * len;
    switch (outcome) {
    case RollOutcome::ClockWentBack:
        if (oldFirst) {
            FUZZ_CHECK(after == before);
        } else {
            FUZZ_CHECK(after.size() == std::max(before.size(), len));
            checkKept(before, after, before.size(), {{0, len}});
        }
        return;
    case RollOutcome::Failed:
        return;
    case RollOutcome::UpToDate:
    case RollOutcome::Rolled:
        break;
    }
    const auto first = file.firstDay();
    FUZZ_CHECK(first.has_value());
    FUZZ_CHECK(!oldFirst || *first == *oldFirst);
    FUZZ_CHECK(file.lastDayHeld() == day);
    FUZZ_CHECK(after.size() / len == static_cast<std::size_t>(daysBetween(*first, day) + 2));
    std::vector<std::pair<std::size_t, std::size_t>> changeable;
    if (!oldFirst) {
        changeable.emplace_back(0, len); // the repaired header
    }
    if (after.size() / len * len == whole) {
        changeable.emplace_back(whole - len, whole); // the day, held without entries
    }
    checkKept(before, after, whole, changeable);
    const auto today = file.dayRecord(day);
    FUZZ_CHECK(today.has_value());
    FUZZ_CHECK(today->PrimeiroReg != 0);
}

void checkTotalsRoll(const std::filesystem::path& folder, const Bytes& before, RollOutcome outcome,
                     year_month_day day)
{
    const DailyTotalsFile file(folder);
    const Bytes after = fuzz::readFile(file.path());
    constexpr std::size_t len = DailyTotalsRecord::Size;
    auto oldBase =
        before.size() < len ? std::nullopt : recordAt<DailyTotalsRecord>(before, 1).headerDate();
    if (oldBase && !plausibleBookDay(*oldBase)) {
        oldBase = std::nullopt; // rebuilt, as a damaged header is
    }
    if (outcome == RollOutcome::ClockWentBack) {
        FUZZ_CHECK(after == before || !oldBase); // a repaired header is still written
        return;
    }
    if (outcome == RollOutcome::Failed) {
        return;
    }
    const auto base = file.base();
    FUZZ_CHECK(base.has_value());
    FUZZ_CHECK(!oldBase || *base == *oldBase);
    const std::size_t whole = before.size() / len * len;
    FUZZ_CHECK(after.size() / len == static_cast<std::size_t>(daysBetween(*base, day) + 2));
    std::vector<std::pair<std::size_t, std::size_t>> changeable;
    if (!oldBase) {
        changeable.emplace_back(0, len); // the repaired header
    }
    checkKept(before, after, whole, changeable);
    FUZZ_CHECK(file.read(day).has_value());
}

std::vector<RentedTape> tapesFrom(FuzzedDataProvider& in)
{
    std::vector<RentedTape> tapes(in.ConsumeIntegralInRange(1, 15));
    for (auto& t : tapes) {
        t.tape = in.ConsumeIntegral<std::int16_t>();
        t.price = Money::fromCents(in.ConsumeIntegralInRange(-100, 100000));
    }
    return tapes;
}

void rent(AppState& state, FuzzedDataProvider& in)
{
    const auto& folder = state.dataFolder();
    const auto tapes = tapesFrom(in);
    const auto client = in.ConsumeIntegral<std::int16_t>();
    const auto dependent = in.ConsumeIntegral<std::int16_t>();
    std::int32_t regHist = in.ConsumeIntegralInRange(-1, 40);
    state.options().GravHistFita = in.ConsumeBool();

    const Bytes book = fileOf(folder, "LivroFts.tvl");
    const PositionFile positions(folder, Book::Rentals);
    const auto first = appendRentals(state, tapes, client, dependent, regHist);
    binaryfile::clearFailure();
    if (!first) {
        return;
    }
    const Bytes after = fileOf(folder, "LivroFts.tvl");
    constexpr std::size_t len = TapeBookRecord::Size;
    FUZZ_CHECK(*first == static_cast<std::int32_t>(book.size() / len) + 1);
    FUZZ_CHECK(after.size() == std::max(book.size(), (*first - 1 + tapes.size()) * len));
    checkKept(book, after, static_cast<std::size_t>(*first - 1) * len, {});
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        const auto r = recordAt<TapeBookRecord>(after, *first + static_cast<std::int64_t>(i));
        FUZZ_CHECK(r.Fita == tapes[i].tape && r.Valor == tapes[i].price);
        FUZZ_CHECK(r.Cliente == client && r.Dependente == dependent);
        FUZZ_CHECK(r.DataLoc == fromYmd(state.DataDia) && r.isOut());
    }
    // Counted in the day they were written under.
    const auto counted = positions.read(positions.recordCount());
    FUZZ_CHECK(counted.PrimeiroReg >= 1 && counted.PrimeiroReg <= *first);
    FUZZ_CHECK(counted.QtdRegs >= 0);

    if (state.options().GravHistFita && regHist >= 1) {
        const auto entries = Histories(folder).tapeEntries(regHist);
        FUZZ_CHECK(entries.size() <= 99);
        // A slot holding tape 0 reads as unused, so only the others come back.
        std::vector<std::int16_t> written;
        for (const auto& t : tapes) {
            if (t.tape != 0) {
                written.push_back(t.tape);
            }
        }
        const std::size_t n = std::min(written.size(), entries.size());
        for (std::size_t i = 0; i < n; ++i) {
            FUZZ_CHECK(entries[entries.size() - n + i].Fita == written[written.size() - n + i]);
        }
    }
}

void giveBack(AppState& state, FuzzedDataProvider& in)
{
    const auto& folder = state.dataFolder();
    const Bytes book = fileOf(folder, "LivroFts.tvl");
    const Bytes log = fileOf(folder, "FitasDev.tvl");
    const Bytes positionsBefore = fileOf(folder, "PosLivFt.tvl");
    constexpr std::size_t len = TapeBookRecord::Size;
    const std::int64_t count = static_cast<std::int64_t>(book.size() / len);

    std::vector<ReturnedTape> tapes(in.ConsumeIntegralInRange(1, 8));
    for (auto& t : tapes) {
        if (count > 0 && in.ConsumeBool()) {
            // One that is in the book, by its own tape and day.
            const auto r =
                recordAt<TapeBookRecord>(book, in.ConsumeIntegralInRange<std::int64_t>(1, count));
            t.tape = r.Fita;
            t.rentalDate = r.DataLoc;
        } else {
            t.tape = in.ConsumeIntegral<std::int16_t>();
            t.rentalDate = in.ConsumeIntegral<std::int32_t>();
        }
        t.periods = in.ConsumeIntegral<std::int16_t>();
        t.amount = Money::fromCents(in.ConsumeIntegralInRange(0, 100000));
    }
    const int logged = markReturns(state, tapes);
    binaryfile::clearFailure();

    const Bytes after = fileOf(folder, "LivroFts.tvl");
    FUZZ_CHECK(after.size() == book.size());
    // Which entries changed: each was out with a returned tape, inside that tape's rental day.
    const PositionFile positions(folder, Book::Rentals);
    std::vector<std::int64_t> completed;
    for (std::int64_t n = 1; n <= count; ++n) {
        const auto at = static_cast<std::size_t>(n - 1) * len;
        if (std::equal(book.begin() + at, book.begin() + at + len, after.begin() + at)) {
            continue;
        }
        completed.push_back(n);
        const auto old = recordAt<TapeBookRecord>(book, n);
        const auto now = recordAt<TapeBookRecord>(after, n);
        FUZZ_CHECK(old.isOut());
        FUZZ_CHECK(std::equal(book.begin() + at, book.begin() + at + 14, after.begin() + at));
        FUZZ_CHECK(now.DataDev == fromYmd(state.DataDia));
        bool matched = false;
        for (const auto& t : tapes) {
            const auto rental = toYmd(t.rentalDate);
            if (t.tape != old.Fita || !rental) {
                continue;
            }
            const auto day =
                recordAt<PositionRecord>(positionsBefore, positions.recordNumberOf(*rental));
            matched = matched || (day.PrimeiroReg >= 1 && n >= day.PrimeiroReg &&
                                  n < static_cast<std::int64_t>(day.PrimeiroReg) + day.QtdRegs);
        }
        FUZZ_CHECK(matched);
    }
    // The log names exactly the completed entries it can reach.
    const Bytes logAfter = fileOf(folder, "FitasDev.tvl");
    std::size_t reachable = 0;
    for (const auto n : completed) {
        reachable += n <= ReturnedTapeRecord::MaxReach ? 1 : 0;
    }
    FUZZ_CHECK(logged == 0 || static_cast<std::size_t>(logged) == reachable);
    if (logged > 0) {
        const std::size_t from = log.size() / 2 * 2;
        FUZZ_CHECK(logAfter.size() == std::max(log.size(), from + reachable * 2));
        checkKept(log, logAfter, from, {});
        std::set<std::int64_t> named;
        for (std::size_t i = 0; i < reachable; ++i) {
            named.insert(
                recordAt<ReturnedTapeRecord>(logAfter, static_cast<std::int64_t>(from / 2 + i + 1))
                    .bookRecord());
        }
        for (const auto n : completed) {
            FUZZ_CHECK(n > ReturnedTapeRecord::MaxReach || named.count(n) == 1);
        }
    } else {
        FUZZ_CHECK(logAfter == log);
    }
}

void sell(AppState& state, FuzzedDataProvider& in)
{
    const auto& folder = state.dataFolder();
    std::vector<SoldLine> lines(in.ConsumeIntegralInRange(1, 10));
    for (auto& l : lines) {
        l.product = in.ConsumeIntegral<std::int16_t>();
        l.quantity = in.ConsumeIntegral<std::int16_t>();
        l.unitPrice = Money::fromCents(in.ConsumeIntegralInRange(-100, 100000));
    }
    const Bytes book = fileOf(folder, "LivroCx.tvl");
    const auto first = appendSales(state, lines);
    binaryfile::clearFailure();
    if (!first) {
        return;
    }
    constexpr std::size_t len = SaleBookRecord::Size;
    FUZZ_CHECK(*first == static_cast<std::int32_t>(book.size() / len) + 1);
    checkKept(book, fileOf(folder, "LivroCx.tvl"), static_cast<std::size_t>(*first - 1) * len, {});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto r = readSaleEntry(folder, *first + static_cast<std::int32_t>(i));
        FUZZ_CHECK(r.Produto == lines[i].product && r.Qtd == lines[i].quantity);
        FUZZ_CHECK(r.PrecoUnit == lines[i].unitPrice && r.Data == fromYmd(state.DataDia));
        (void)r.total();
    }
    FUZZ_CHECK(readSaleEntry(folder, 0).Data == 0);
    FUZZ_CHECK(readSaleEntry(folder, *first + static_cast<std::int32_t>(lines.size())).Data == 0);
}

void totals(AppState& state, FuzzedDataProvider& in)
{
    loadCaixaDia(state);
    const DailyTotalsFile file(state.dataFolder());
    const auto stored = file.read(state.DataDia);
    FUZZ_CHECK(state.CaixaDia == stored.value_or(DailyTotalsRecord{}));
    state.CaixaDia.NumLocacoes = in.ConsumeIntegral<std::int16_t>();
    state.CaixaDia.LocPago = Money::fromCents(in.ConsumeIntegralInRange(-100000, 100000));
    const Bytes before = fuzz::readFile(file.path());
    const bool saved = saveCaixaDia(state);
    binaryfile::clearFailure();
    if (saved) {
        FUZZ_CHECK(file.read(state.DataDia) == state.CaixaDia);
        // Record 1 (the base) and the other days stay as they were.
        const Bytes after = fuzz::readFile(file.path());
        const auto n = static_cast<std::size_t>(daysBetween(*file.base(), state.DataDia) + 1);
        checkKept(before, after, before.size(),
                  {{n * DailyTotalsRecord::Size, (n + 1) * DailyTotalsRecord::Size}});
    }
}

void histories(AppState& state, FuzzedDataProvider& in)
{
    const Histories h(state.dataFolder());
    const auto number = in.ConsumeIntegralInRange<std::int32_t>(-1, 40);
    const auto tapes = h.tapeEntries(number);
    const auto products = h.productEntries(number);
    FUZZ_CHECK(tapes.size() <= 99 && products.size() <= 99);
    for (const auto& e : tapes) {
        FUZZ_CHECK(e.Fita != 0);
        FUZZ_CHECK(h.tapeInHistory(number, e.Fita));
    }
    const auto order = historyOrder(h.readTape(number).newestSlot(), [](int) { return true; });
    std::set<int> slots(order.begin(), order.end());
    FUZZ_CHECK(slots.size() == order.size());
    FUZZ_CHECK(order.empty() || (*slots.begin() >= 2 && *slots.rbegin() <= 100));

    const auto product = in.ConsumeIntegral<std::int16_t>();
    const auto quantity = in.ConsumeIntegral<std::int16_t>();
    if (h.appendProductHistory(number, product, quantity, Money::fromCents(150), state.DataDia) &&
        product != 0) {
        const auto after = h.productEntries(number);
        FUZZ_CHECK(!after.empty() && after.size() <= 99);
        FUZZ_CHECK(after.back().Produto == product && after.back().Qtd == quantity);
    }
    binaryfile::clearFailure();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, std::size(kFiles));
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    for (std::size_t i = 0; i < std::size(kFiles); ++i) {
        sandbox.put(kFiles[i], pieces.files[i]);
    }
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    const auto day = dayFrom(in, folder);
    QuietPorts ports(day);
    AppState state(folder, ports.ports());
    state.DataDia = day;

    // The roll, as the start of the business day runs it.
    const auto before = sandbox.snapshot();
    const auto was = [&](const char* name) {
        const auto it = before.find(name);
        return it == before.end() ? Bytes{} : it->second;
    };
    const auto caixa = rollCaixa(state);
    checkTotalsRoll(folder, was("Caixa.tvl"), caixa, day);
    const auto sales = rollSalesPositions(state);
    checkPositionRoll(folder, Book::Sales, was("PosLivCx.tvl"), sales, day);
    for (const auto book : {Book::Rentals, Book::Returns}) {
        const auto name = std::string(bookFileInfo(book).positionFile);
        checkPositionRoll(folder, book, was(name.c_str()), PositionFile(folder, book).rollTo(day),
                          day);
    }
    binaryfile::clearFailure();
    sandbox.checkConfined();

    for (int step = 0; step < 6 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            rent(state, in);
            break;
        case 1:
            giveBack(state, in);
            break;
        case 2:
            sell(state, in);
            break;
        case 3:
            totals(state, in);
            break;
        default:
            histories(state, in);
            break;
        }
        sandbox.checkConfined();
    }
    return 0;
}
