#include "core/reports/RecordListings.h"
#include "core/reports/RecordLists.h"
#include "core/shell/NewInstallation.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace tavolim::core;
using Clock = std::chrono::steady_clock;

const std::chrono::year_month_day kToday =
    std::chrono::year{2026} / std::chrono::December / std::chrono::day{5};

// A store with every tape slot used, built once for the run.
class TapeStore {
public:
    static const TapeStore& instance()
    {
        static const TapeStore store;
        return store;
    }

    ~TapeStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    TapeStore(const TapeStore&) = delete;
    TapeStore& operator=(const TapeStore&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    TapeStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-reports-bench-" + std::to_string(::getpid())))
    {
        createNewInstallation(m_folder, kToday);
        RecordStore store(m_folder);
        auto& rules = store.rules();
        MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {2000, RecordStore::MaxRecords, 0}, kToday);
    }

    std::filesystem::path m_folder;
};

// The floor: the tape file read front to back in large blocks.
std::size_t readTapeFile(const RecordStore& store)
{
    std::size_t total = 0;
    std::vector<char> buffer(1 << 20);
    std::FILE* f = std::fopen(store.filePath(FileKind::Tapes).string().c_str(), "rb");
    if (!f) {
        return 0;
    }
    while (const auto got = std::fread(buffer.data(), 1, buffer.size(), f)) {
        total += got + static_cast<unsigned char>(buffer[got - 1]);
    }
    std::fclose(f);
    return total;
}

double secondsOf(const auto& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// "Todas as Fitas" selected and printed as a listing, set against one plain read of the tape
// file in the same run: the listing reads the file twice (the list, then the records again).
void Reports_TapeListing(benchmark::State& state)
{
    const RecordStore store(TapeStore::instance().folder());
    std::vector<double> runs;
    std::size_t lines = 0;
    for (auto _ : state) {
        runs.push_back(secondsOf([&] {
            const RecordList list = selectList(store, ListKind::Tapes);
            const std::string text =
                listingText(store, list.kind, list.rows, std::chrono::sys_days(kToday));
            lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            benchmark::DoNotOptimize(text.data());
        }));
    }
    double floor = 1e9;
    for (int i = 0; i < 7; ++i) {
        floor = std::min(floor, secondsOf([&] { benchmark::DoNotOptimize(readTapeFile(store)); }));
    }
    const double best = *std::min_element(runs.begin(), runs.end());
    state.counters["listing_ms"] = best * 1e3;
    state.counters["read_ms"] = floor * 1e3;
    state.counters["ratio_to_read"] = best / floor;
    state.counters["tapes"] = static_cast<double>(store.recordCount(FileKind::Tapes));
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(Reports_TapeListing)->Unit(benchmark::kMillisecond);

// The client listing of every person, situation codes included.
void Reports_ClientListing(benchmark::State& state)
{
    const RecordStore store(TapeStore::instance().folder());
    for (auto _ : state) {
        const RecordList list = selectList(store, ListKind::People);
        benchmark::DoNotOptimize(
            listingText(store, list.kind, list.rows, std::chrono::sys_days(kToday)));
    }
}
BENCHMARK(Reports_ClientListing)->Unit(benchmark::kMillisecond);

} // namespace
