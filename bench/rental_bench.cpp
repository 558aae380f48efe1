#include "core/books/PositionFile.h"
#include "core/books/TapeBook.h"
#include "core/counter/Rental.h"
#include "core/day/BusinessDay.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "QuietPorts.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

constexpr year_month_day kToday = year{2026} / December / day{5};
constexpr int kTapes = 15;
constexpr int kRentalsPerDay = 60;
constexpr int kClients = 2000;

// A full-size store (32767 tapes, 2000 clients) that has run for a year: its tape book holds
// a year of rentals, and the day has started today. Tape histories are kept and checked.
class YearOldStore {
public:
    static YearOldStore& instance()
    {
        static YearOldStore store;
        return store;
    }

    ~YearOldStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    YearOldStore(const YearOldStore&) = delete;
    YearOldStore& operator=(const YearOldStore&) = delete;

    AppState& state() { return m_state; }

private:
    YearOldStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-rental-" + std::to_string(::getpid()))),
          m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        const auto first = year_month_day(sys_days(kToday) - days(365));
        const PositionFile positions(m_folder, Book::Rentals);
        std::vector<RentedTape> tapes(kRentalsPerDay);
        for (int d = 0; d < 365; ++d) {
            m_state.DataDia = sys_days(first) + days(d);
            positions.rollTo(m_state.DataDia);
            for (int i = 0; i < kRentalsPerDay; ++i) {
                tapes[static_cast<std::size_t>(i)] = {
                    static_cast<std::int16_t>(1 + (d * kRentalsPerDay + i) % 30000),
                    Money::fromCents(300)};
            }
            std::int32_t history = 0;
            appendRentals(m_state, tapes, static_cast<std::int16_t>(1 + d % kClients), -1, history);
        }
        startDay(m_state, false);
        m_state.options().GravHistFita = true;
        m_state.options().VerifHist = true;
        m_state.options().NumViasRec = 1;
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        createNewInstallation(folder, year_month_day(sys_days(kToday) - days(365)));
        RecordStore store(folder);
        store.readRecord(FileKind::GeneralRules, 1, true);
        auto& rules = store.rules();
        MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {kClients, RecordStore::MaxRecords, 50}, kToday);
        return folder;
    }

    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kToday};
    AppState m_state;
};

// One whole rental as the counter makes it: 15 tapes typed by code, each checked, priced and
// given its term, then confirmed with a part payment and the receipt printed. Every
// iteration rents 15 tapes never rented before to a client with none at home.
void BM_RentFifteenTapes(benchmark::State& bench)
{
    auto& state = YearOldStore::instance().state();
    int next = 0;
    for (auto _ : bench) {
        const auto client = static_cast<std::int16_t>(1 + next % kClients);
        RentalModel rental(state, {client, true}, Money::fromCents(500));
        for (int i = 0; i < kTapes; ++i) {
            rental.txtCodFita = std::to_string(30001 + (next * kTapes + i) % 2700);
            rental.add();
        }
        rental.payment.option = PaymentChoice::Option::PagouParte;
        rental.payment.txtValorPago = "10";
        rental.chkImprimir = true;
        if (rental.rowCount() != kTapes || rental.confirm() != RentalModel::Outcome::Saved) {
            bench.SkipWithError("the rental was not made");
            break;
        }
        ++next;
    }
}
BENCHMARK(BM_RentFifteenTapes)->Iterations(150)->Unit(benchmark::kMillisecond);

} // namespace
