#include "core/books/DayRoll.h"
#include "core/reports/BookForms.h"
#include "core/reports/DailySummary.h"
#include "core/reports/SalesBookListing.h"
#include "core/reports/TapeBookListing.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "QuietPorts.h"
#include "SampleBooks.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

const year_month_day kFirstDay = year{2025} / January / day{1};
constexpr int kDays = 365;
constexpr int kRentalsPerDay = 88; // 32120 tape-book records
const year_month_day kLastDay = sys_days(kFirstDay) + days(kDays - 1);

// A full-size store (2000 clients, 32767 tapes, 50 products) with a year of books, the
// program's day being the last day of the year.
class BooksYear {
public:
    static BooksYear& instance()
    {
        static BooksYear store;
        return store;
    }

    ~BooksYear()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    BooksYear(const BooksYear&) = delete;
    BooksYear& operator=(const BooksYear&) = delete;

    AppState& state() { return m_state; }
    const std::filesystem::path& folder() const { return m_folder; }

    // The best of a few plain reads of the whole tape book, in seconds: the yardstick.
    double plainRead() const
    {
        double best = 1e9;
        for (int i = 0; i < 5; ++i) {
            const auto start = steady_clock::now();
            benchmark::DoNotOptimize(binaryfile::readAll(m_folder / "LivroFts.tvl"));
            best = std::min(best, duration<double>(steady_clock::now() - start).count());
        }
        return best;
    }

private:
    BooksYear()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-reports-" + std::to_string(::getpid()))),
          m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        m_state.DataDia = kLastDay;
        loadCaixaDia(m_state);
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        createNewInstallation(folder, kFirstDay);
        RecordStore store(folder);
        auto& rules = store.rules();
        MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {2000, RecordStore::MaxRecords, 50}, kFirstDay);
        tavolim::bench::writeSampleBooks(folder, kFirstDay, kDays, kRentalsPerDay, 30, 2000,
                                         RecordStore::MaxRecords, 50);
        return folder;
    }

    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kLastDay};
    AppState m_state;
};

// Runs `work` per iteration and reports its mean time over one plain read of the tape book.
template <class F>
void againstPlainRead(benchmark::State& bench, F&& work)
{
    auto& store = BooksYear::instance();
    const double plain = store.plainRead();
    double total = 0;
    std::size_t lines = 0;
    for (auto _ : bench) {
        const auto start = steady_clock::now();
        lines = work(store);
        total += duration<double>(steady_clock::now() - start).count();
    }
    bench.counters["lines"] = static_cast<double>(lines);
    bench.counters["plain_read_ms"] = plain * 1e3;
    bench.counters["x_plain_read"] = total / static_cast<double>(bench.iterations()) / plain;
}

void BM_PlainReadTapeBook(benchmark::State& bench)
{
    auto& store = BooksYear::instance();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(binaryfile::readAll(store.folder() / "LivroFts.tvl"));
    }
}
BENCHMARK(BM_PlainReadTapeBook)->Unit(benchmark::kMillisecond);

// The window model's listing over the whole year, as frmLivroFitas reads a period.
void BM_ListYearOfRentals(benchmark::State& bench)
{
    againstPlainRead(bench, [](BooksYear& store) {
        auto listing = listTapeBook(store.state().records(), TapeBookView::Rentals, kFirstDay,
                                    kLastDay, booksHeldThrough(store.folder()));
        sortTapeBook(listing.lines, TapeBookOrder::ByRental);
        return listing.lines.size();
    });
}
BENCHMARK(BM_ListYearOfRentals)->Unit(benchmark::kMillisecond);

void BM_ListYearOfReturns(benchmark::State& bench)
{
    againstPlainRead(bench, [](BooksYear& store) {
        auto listing = listTapeBook(store.state().records(), TapeBookView::Returns, kFirstDay,
                                    kLastDay, booksHeldThrough(store.folder()));
        sortTapeBook(listing.lines, TapeBookOrder::ByReturn);
        return listing.lines.size();
    });
}
BENCHMARK(BM_ListYearOfReturns)->Unit(benchmark::kMillisecond);

// The last quarter chosen in the window's lists, and every line's cells made.
void BM_TapeBookFormQuarterWithCells(benchmark::State& bench)
{
    againstPlainRead(bench, [](BooksYear& store) {
        TapeBookForm form(store.state());
        form.setLength(PeriodLength::Quarter);
        form.chooseList2(3);
        std::size_t chars = 0;
        for (int r = 0; r < static_cast<int>(form.lines().size()); ++r) {
            chars += form.cells(r)[5].size();
        }
        benchmark::DoNotOptimize(chars);
        return form.lines().size();
    });
}
BENCHMARK(BM_TapeBookFormQuarterWithCells)->Unit(benchmark::kMillisecond);

void BM_ListYearOfSales(benchmark::State& bench)
{
    againstPlainRead(bench, [](BooksYear& store) {
        return listSalesBook(store.state().records(), kFirstDay, kLastDay,
                             booksHeldThrough(store.folder()))
            .lines.size();
    });
}
BENCHMARK(BM_ListYearOfSales)->Unit(benchmark::kMillisecond);

// mnuHistResumoDia: the day's totals saved, the date checked, the text made.
void BM_DailySummary(benchmark::State& bench)
{
    auto& state = BooksYear::instance().state();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(dailySummary(state));
    }
}
BENCHMARK(BM_DailySummary)->Unit(benchmark::kMicrosecond);

} // namespace
