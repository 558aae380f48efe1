#include "core/rules/RulesEditor.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/LabelRecord.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/QuietPorts.h"
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

constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{5}};

// A store with every tape there can be (32767), spread over four labels, built once; the
// tape and label files are kept aside and put back before every deletion.
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
    void restore() const
    {
        binaryfile::writeNew(m_folder / "DadosFit.tvl", m_tapes);
        binaryfile::writeNew(m_folder / "FitaSelo.tvl", m_labels);
    }

private:
    TapeStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-rules-bench-" + std::to_string(::getpid())))
    {
        createNewInstallation(m_folder, kToday);
        RecordStore store(m_folder);
        LabelRecord label = store.load<LabelRecord>(1);
        for (int code = 2; code <= 4; ++code) {
            label.Nome = "Selo " + std::to_string(code);
            store.save(code, label);
        }
        auto& rules = store.rules();
        MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {100, RecordStore::MaxRecords, 50}, kToday);
        m_tapes = binaryfile::readAll(m_folder / "DadosFit.tvl");
        m_labels = binaryfile::readAll(m_folder / "FitaSelo.tvl");
    }

    std::filesystem::path m_folder;
    std::vector<std::uint8_t> m_tapes;
    std::vector<std::uint8_t> m_labels;
};

// The operator's answer to "Excluir Selo": the tapes go to label 3.
struct ReplacementAnswer final : Dialogs {
    msg::Answer message(const std::string&, int, const std::string&) override
    {
        return msg::Answer::Yes;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override
    {
        return "3";
    }
    std::optional<std::string> askValue(const std::string&, const std::string&,
                                        const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::chrono::year_month_day> askDate(
        const std::string&, const std::string&, std::optional<std::chrono::year_month_day>) override
    {
        return std::nullopt;
    }
    int choose(const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
        return 0;
    }
};

double secondsOf(const auto& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The floor: the tape file read once front to back in large blocks.
std::size_t readTapeFile(const std::filesystem::path& file)
{
    std::size_t total = 0;
    std::vector<char> buffer(1 << 20);
    if (std::FILE* f = std::fopen(file.string().c_str(), "rb")) {
        while (const auto got = std::fread(buffer.data(), 1, buffer.size(), f)) {
            total += got + static_cast<unsigned char>(buffer[got - 1]);
        }
        std::fclose(f);
    }
    return total;
}

// Deleting label 2 of 4 with replacement 3 and confirming: every tape of the full store is
// re-pointed and the tape and label files are put in place through their temporaries.
void BM_DeleteLabelOnAFullStore(benchmark::State& bench)
{
    const TapeStore& store = TapeStore::instance();
    QuietPorts quiet(kToday);
    ReplacementAnswer answers;
    std::vector<double> runs;
    bool saved = true;
    for (auto _ : bench) {
        bench.PauseTiming();
        store.restore();
        AppState state(store.folder(), {answers, quiet, quiet, quiet, quiet, quiet});
        state.loadOptions();
        bench.ResumeTiming();
        runs.push_back(secondsOf([&] {
            RulesEditor editor(state);
            saved = editor.deleteLabel(1) && editor.save() && saved;
        }));
    }
    const auto tapes = store.folder() / "DadosFit.tvl";
    double floor = 1e9;
    for (int i = 0; i < 7; ++i) {
        floor = std::min(floor, secondsOf([&] { benchmark::DoNotOptimize(readTapeFile(tapes)); }));
    }
    // What any rewrite of the file through a temporary costs at least: read, write, sync.
    double copy = 1e9;
    const auto scratch = store.folder() / "Copia.tmp";
    for (int i = 0; i < 3; ++i) {
        copy = std::min(copy, secondsOf([&] {
                            const auto bytes = binaryfile::readAll(tapes);
                            binaryfile::writeNew(scratch, bytes);
                            binaryfile::sync(scratch);
                        }));
    }
    binaryfile::remove(scratch);
    const double best = *std::min_element(runs.begin(), runs.end());
    bench.counters["delete_ms"] = best * 1e3;
    bench.counters["read_ms"] = floor * 1e3;
    bench.counters["ratio_to_read"] = best / floor;
    bench.counters["copy_ms"] = copy * 1e3;
    bench.counters["ratio_to_copy"] = best / copy;
    bench.counters["tapes"] = static_cast<double>(binaryfile::size(tapes) / 228);
    bench.counters["saved"] = saved ? 1 : 0;
}
BENCHMARK(BM_DeleteLabelOnAFullStore)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
