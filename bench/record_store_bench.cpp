#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace tavolim::core;

constexpr std::int32_t kDeletedEntries = 10000;
constexpr std::int32_t kStaleEntries = 5000;

// One full-size store for the whole run, built on first use and removed at exit. Tapes
// 1..5000 carry the deleted mark; the deleted list built per iteration names them as its
// newest entries and tapes 5001..10000, no longer marked, as its oldest (stale) ones.
class FullStore {
public:
    static const FullStore& instance()
    {
        static const FullStore store;
        return store;
    }

    ~FullStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    FullStore(const FullStore&) = delete;
    FullStore& operator=(const FullStore&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    const std::vector<std::uint8_t>& deletedList() const { return m_deletedList; }

private:
    FullStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-" + std::to_string(::getpid())))
    {
        using namespace std::chrono;
        const year_month_day today = year{2026} / December / day{5};
        createNewInstallation(m_folder, today);
        RecordStore store(m_folder);
        auto& rules = store.rules();
        MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses,
                        {RecordStore::MaxRecords, RecordStore::MaxRecords, 500}, today);

        const auto& tapes = fileKindInfo(FileKind::Tapes);
        const std::uint8_t mark[1] = {'#'};
        for (std::int32_t n = 1; n <= kDeletedEntries - kStaleEntries; ++n) {
            binaryfile::writeAt(
                store.filePath(FileKind::Tapes),
                static_cast<std::uint64_t>(n - 1) * tapes.recordLength + tapes.nameOffset, mark);
        }
        const auto put = [&](std::int32_t v) {
            const auto u = static_cast<std::uint32_t>(v);
            for (int shift = 0; shift < 32; shift += 8) {
                m_deletedList.push_back(static_cast<std::uint8_t>(u >> shift));
            }
        };
        put(kDeletedEntries);
        for (std::int32_t n = 1; n <= kDeletedEntries; ++n) {
            put(n);
        }
    }

    std::filesystem::path m_folder;
    std::vector<std::uint8_t> m_deletedList;
};

class FullStoreFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override { folder = FullStore::instance().folder(); }

    std::filesystem::path folder;
};

BENCHMARK_DEFINE_F(FullStoreFixture, ReadEveryClientOneByOne)(benchmark::State& state)
{
    RecordStore store(folder);
    const std::int32_t count = store.recordCount(FileKind::Clients);
    for (auto _ : state) {
        std::int64_t dependents = 0;
        for (std::int32_t n = 1; n <= count; ++n) {
            store.readRecord(FileKind::Clients, n, true);
            dependents += store.client().NumDep;
        }
        benchmark::DoNotOptimize(dependents);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK_REGISTER_F(FullStoreFixture, ReadEveryClientOneByOne)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullStoreFixture, ScanEveryClient)(benchmark::State& state)
{
    const RecordStore store(folder);
    std::int32_t count = 0;
    for (auto _ : state) {
        std::int64_t dependents = 0;
        count = 0;
        store.scan<ClientRecord>(FileKind::Clients, [&](std::int32_t, const ClientRecord& c) {
            dependents += c.NumDep;
            ++count;
        });
        benchmark::DoNotOptimize(dependents);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK_REGISTER_F(FullStoreFixture, ScanEveryClient)->Unit(benchmark::kMillisecond);

// A new tape number past 5000 stale entries: each is checked against its record and
// dropped before the oldest still-deleted tape is found.
BENCHMARK_DEFINE_F(FullStoreFixture, NextTapeNumberPastStaleDeletions)(benchmark::State& state)
{
    RecordStore store(folder);
    const auto listPath = folder / std::string(fileKindInfo(FileKind::Tapes).deletedList);
    for (auto _ : state) {
        state.PauseTiming();
        binaryfile::writeAllAtomic(listPath, FullStore::instance().deletedList());
        state.ResumeTiming();
        const auto number = store.nextRecordNumber(FileKind::Tapes);
        benchmark::DoNotOptimize(number);
        if (number != kDeletedEntries - kStaleEntries) {
            state.SkipWithError("the oldest still-deleted tape was not the one handed out");
            break;
        }
    }
}
BENCHMARK_REGISTER_F(FullStoreFixture, NextTapeNumberPastStaleDeletions)
    ->Unit(benchmark::kMillisecond);

} // namespace
