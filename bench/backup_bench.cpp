// Backup with its verification, and the link check, on a full-size store: every register
// 32767 records and a year of books. Each reports its time over one plain read of all the
// store's files, measured in the same iteration ("x_read").
#include "QuietPorts.h"
#include "SampleBooks.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/LinkCheck.h"
#include "core/tools/SampleStore.h"
#include "core/tools/StoreFiles.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

using namespace tavolim::core;
using std::chrono::duration;
using std::chrono::steady_clock;

constexpr std::chrono::year_month_day kFirstDay{std::chrono::year{2025}, std::chrono::December,
                                                std::chrono::day{6}};
constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{5}};

class FullSizeStore {
public:
    static FullSizeStore& instance()
    {
        static FullSizeStore store;
        return store;
    }

    ~FullSizeStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    FullSizeStore(const FullSizeStore&) = delete;
    FullSizeStore& operator=(const FullSizeStore&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path destination() const { return m_root / "Backups"; }
    AppState& state() { return m_state; }
    std::uint64_t bytes() const { return m_bytes; }

    // Every store file read whole into memory, as the other benchmarks read a book: what any
    // backup or check must at least do.
    double plainRead() const
    {
        const auto start = steady_clock::now();
        for (const std::string& name : storeFileNames(m_folder)) {
            benchmark::DoNotOptimize(binaryfile::readAll(m_folder / name));
        }
        return duration<double>(steady_clock::now() - start).count();
    }

private:
    FullSizeStore()
        : m_root(std::filesystem::temp_directory_path() /
                 ("tavolim-bench-backup-" + std::to_string(::getpid()))),
          m_folder(m_root / "dados"), m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        m_state.DataDia = kToday;
        for (const std::string& name : storeFileNames(m_folder)) {
            m_bytes += binaryfile::size(m_folder / name);
        }
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        createNewInstallation(folder, kFirstDay);
        RecordStore store(folder);
        auto& rules = store.rules();
        MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
        constexpr int full = RecordStore::MaxRecords;
        fillSampleStore(store, memos, synopses, {full, full, full}, kFirstDay);
        tavolim::bench::writeSampleBooks(folder, kFirstDay, 365, 120, 40, full, full, full);
        return folder;
    }

    std::filesystem::path m_root;
    std::filesystem::path m_folder;
    QuietPorts m_ports{kToday};
    AppState m_state;
    std::uint64_t m_bytes = 0;
};

// Runs `work` per iteration after a plain read, timing both; reports the mean ratio.
template <class F>
void againstPlainRead(benchmark::State& bench, F&& work)
{
    auto& store = FullSizeStore::instance();
    double ratios = 0;
    double plain = 0;
    for (auto _ : bench) {
        const double read = store.plainRead();
        const auto start = steady_clock::now();
        if (!work(store)) {
            bench.SkipWithError("the work failed");
            return;
        }
        const double took = duration<double>(steady_clock::now() - start).count();
        bench.SetIterationTime(took);
        ratios += took / read;
        plain += read;
    }
    const auto n = static_cast<double>(bench.iterations());
    bench.counters["x_read"] = ratios / n;
    bench.counters["read_ms"] = plain / n * 1000;
    bench.counters["store_MB"] = static_cast<double>(store.bytes()) / (1 << 20);
    bench.SetBytesProcessed(static_cast<std::int64_t>(store.bytes()) * bench.iterations());
}

void BackupWithVerification(benchmark::State& bench)
{
    std::uint64_t archive = 0;
    againstPlainRead(bench, [&](FullSizeStore& store) {
        BackupRequest request;
        request.dataFolder = store.folder();
        request.destination = store.destination();
        request.storeName = "Bench";
        request.moment = {kToday, std::chrono::hours{12}};
        request.keep = 1;
        const BackupOutcome outcome = makeBackup(request);
        archive = outcome.archiveSize;
        return outcome.done;
    });
    bench.counters["archive_MB"] = static_cast<double>(archive) / (1 << 20);
}
BENCHMARK(BackupWithVerification)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void CheckLinks(benchmark::State& bench)
{
    againstPlainRead(bench, [](FullSizeStore& store) {
        const LinkCheckResult result = checkLinks(store.state());
        return result.completed && result.repairs == 0;
    });
}
BENCHMARK(CheckLinks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
