#include "core/registers/RecordSearch.h"
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

// A store with every holder and dependent slot used, built once for the run.
class PeopleStore {
public:
    static const PeopleStore& instance()
    {
        static const PeopleStore store;
        return store;
    }

    ~PeopleStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    PeopleStore(const PeopleStore&) = delete;
    PeopleStore& operator=(const PeopleStore&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    // The last dependent's name: an exact search for it reads both files to the end.
    const std::string& lastDependent() const { return m_lastDependent; }

private:
    PeopleStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-search-bench-" + std::to_string(::getpid())))
    {
        using namespace std::chrono;
        const year_month_day today = year{2026} / December / day{5};
        createNewInstallation(m_folder, today);
        RecordStore store(m_folder);
        auto& rules = store.rules();
        MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {RecordStore::MaxRecords, 0, 0}, today);
        // The sample gives some holders no dependent; copies fill the dependents' file.
        const std::int32_t sampled = store.recordCount(FileKind::Dependents);
        for (std::int32_t n = sampled + 1; n <= RecordStore::MaxRecords; ++n) {
            store.readRecord(FileKind::Dependents, n - sampled, true);
            store.dependent().Codigo = static_cast<std::int16_t>(n);
            store.writeRecord(FileKind::Dependents, n);
        }
        const auto last = store.recordCount(FileKind::Dependents);
        store.readRecord(FileKind::Dependents, last, true);
        m_lastDependent = store.dependent().PrimNome + " " + store.dependent().SobreNome;
    }

    std::filesystem::path m_folder;
    std::string m_lastDependent;
};

// The floor any search stands on: both files read front to back in large blocks.
std::size_t readBothFiles(const RecordStore& store)
{
    std::size_t total = 0;
    std::vector<char> buffer(1 << 20);
    for (const auto kind : {FileKind::Clients, FileKind::Dependents}) {
        std::FILE* f = std::fopen(store.filePath(kind).string().c_str(), "rb");
        if (!f) {
            continue;
        }
        while (const auto got = std::fread(buffer.data(), 1, buffer.size(), f)) {
            total += got + static_cast<unsigned char>(buffer[got - 1]);
        }
        std::fclose(f);
    }
    return total;
}

double secondsOf(const auto& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Best of several sequential reads, measured in the same run as the search it is set against.
double readFloorSeconds(const RecordStore& store)
{
    double best = 1e9;
    for (int i = 0; i < 7; ++i) {
        best = std::min(best, secondsOf([&] { benchmark::DoNotOptimize(readBothFiles(store)); }));
    }
    return best;
}

void reportAgainstFloor(benchmark::State& state, const RecordStore& store,
                        const std::vector<double>& runs, std::size_t hits)
{
    const double best = *std::min_element(runs.begin(), runs.end());
    const double floor = readFloorSeconds(store);
    state.counters["search_ms"] = best * 1e3;
    state.counters["read_ms"] = floor * 1e3;
    state.counters["ratio_to_read"] = best / floor;
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["people"] = static_cast<double>(store.recordCount(FileKind::Clients) +
                                                   store.recordCount(FileKind::Dependents));
}

void searchBench(benchmark::State& state, const std::string& typed, bool partial)
{
    const RecordStore store(PeopleStore::instance().folder());
    std::vector<double> runs;
    std::size_t hits = 0;
    for (auto _ : state) {
        runs.push_back(secondsOf(
            [&] { hits = findByName(store, SearchMode::Clients, typed, partial).size(); }));
    }
    reportAgainstFloor(state, store, runs, hits);
}

void Search_ReadBothFiles(benchmark::State& state)
{
    const RecordStore store(PeopleStore::instance().folder());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readBothFiles(store));
    }
}
BENCHMARK(Search_ReadBothFiles)->Unit(benchmark::kMillisecond);

void Search_ExactName(benchmark::State& state)
{
    searchBench(state, PeopleStore::instance().lastDependent(), false);
}
BENCHMARK(Search_ExactName)->Unit(benchmark::kMillisecond);

void Search_PartialName(benchmark::State& state)
{
    searchBench(state, "*silva", true);
}
BENCHMARK(Search_PartialName)->Unit(benchmark::kMillisecond);

void Search_PartialTwoWords(benchmark::State& state)
{
    searchBench(state, "ana sou", true);
}
BENCHMARK(Search_PartialTwoWords)->Unit(benchmark::kMillisecond);

} // namespace
