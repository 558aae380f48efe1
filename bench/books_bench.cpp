#include "core/books/DayRoll.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordPatch.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "QuietPorts.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

const year_month_day kFirstDay = year{2026} / January / day{10};

// A full-size store whose business day last ran on kFirstDay: 32767 tapes, each with three
// reservations (dated kFirstDay, ten and twenty days later). The files a day start changes
// are kept aside and put back before every iteration.
class BooksStore {
public:
    static BooksStore& instance()
    {
        static BooksStore store;
        return store;
    }

    ~BooksStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    BooksStore(const BooksStore&) = delete;
    BooksStore& operator=(const BooksStore&) = delete;

    AppState& state() { return m_state; }
    tavolim::bench::QuietPorts& clock() { return m_ports; }

    void restore() const
    {
        for (const char* f : kChanged) {
            std::filesystem::copy_file(m_folder / "pristine" / f, m_folder / f,
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }

private:
    static constexpr const char* kChanged[] = {"DadosFit.tvl", "Caixa.tvl", "PosLivFt.tvl",
                                               "PosFtDev.tvl", "PosLivCx.tvl"};

    BooksStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-books-" + std::to_string(::getpid()))),
          m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        startDay(m_state, false);
        std::filesystem::create_directories(m_folder / "pristine");
        for (const char* f : kChanged) {
            std::filesystem::copy_file(m_folder / f, m_folder / "pristine" / f);
        }
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        createNewInstallation(folder, kFirstDay);
        RecordStore store(folder);
        auto& rules = store.rules();
        MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {2000, RecordStore::MaxRecords, 50}, kFirstDay);
        TapeRecord tape;
        patchRecords(store.filePath(FileKind::Tapes), TapeRecord::Size,
                     [&](std::int32_t n, std::span<std::uint8_t> bytes) {
                         tape.decode(bytes);
                         tape.NumReservas = 3;
                         for (std::size_t i = 0; i < 3; ++i) {
                             tape.ReservaCliente[i] = static_cast<std::int16_t>(1 + (n + i) % 2000);
                             tape.ReservaTitular[i] = true;
                             tape.ReservaData[i] = fromYmd(sys_days(kFirstDay) + days(10 * i));
                         }
                         tape.encode(bytes);
                         return true;
                     });
        return folder;
    }

    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kFirstDay};
    AppState m_state;
};

// Starting the business day `range(0)` days after the last one held. After one day every
// tape loses one reservation; after three years every tape loses all three.
void BM_StartDayFullStore(benchmark::State& bench)
{
    auto& store = BooksStore::instance();
    const auto day = year_month_day(sys_days(kFirstDay) + days(bench.range(0)));
    for (auto _ : bench) {
        bench.PauseTiming();
        store.restore();
        store.state().DataDia = kFirstDay;
        store.clock().date = day;
        bench.ResumeTiming();

        startDay(store.state(), true);
    }
}
BENCHMARK(BM_StartDayFullStore)->Arg(0)->Arg(1)->Arg(3 * 365)->Unit(benchmark::kMillisecond);

// The rolls alone over a three-year gap: the daily totals and the three position files.
void BM_RollThreeYearGap(benchmark::State& bench)
{
    auto& store = BooksStore::instance();
    auto& state = store.state();
    for (auto _ : bench) {
        bench.PauseTiming();
        store.restore();
        state.DataDia = year_month_day(sys_days(kFirstDay) + days(3 * 365));
        bench.ResumeTiming();

        rollCaixa(state);
        rollSalesPositions(state);
        rollTapePositions(state);
        loadCaixaDia(state);
    }
}
BENCHMARK(BM_RollThreeYearGap)->Unit(benchmark::kMicrosecond);

} // namespace
