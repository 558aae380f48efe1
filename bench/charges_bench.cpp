#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Launcher.h"
#include "core/ports/Printer.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/rules/AutoRenew.h"
#include "core/rules/TapeCharge.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "QuietPorts.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

constexpr year_month_day kToday = year{2026} / December / day{5};
constexpr int kTapes = 15;

// A full-size sample store in re-rent mode where client 1 has 15 tapes at home, taken two
// years ago on the store's 1-day terms and never renewed since.
class OverdueClient {
public:
    OverdueClient()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-charges-bench-" + std::to_string(::getpid())))
    {
        createNewInstallation(m_folder, kToday);
        {
            RecordStore store(m_folder);
            store.readRecord(FileKind::GeneralRules, 1, true);
            auto& rules = store.rules();
            MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
            SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
            fillSampleStore(store, memos, synopses,
                            {RecordStore::MaxRecords, RecordStore::MaxRecords, 500}, kToday);
        }
        m_state = std::make_unique<AppState>(m_folder, m_ports.ports());
        m_state->loadOptions();
        m_state->DataDia = kToday;
        m_state->options().TipoCobraAtraso = 4;
        m_state->options().TipoPrazo = 1;

        auto& records = m_state->records();
        const auto taken = fromYmd(sys_days(kToday) - days(730));
        records.readRecord(FileKind::Clients, 1, true);
        for (int i = 0; i < kTapes; ++i) {
            const auto code = static_cast<std::int16_t>(1 + i * 2000);
            records.readRecord(FileKind::Tapes, code, true);
            auto& t = records.tape();
            t.ClienteFita = 1;
            t.ClienteTitular = true;
            t.DataRetirada = taken;
            t.HoraRetirada = 1000;
            t.QtdLocadas = kTapes;
            t.ValorLocacao = Money::fromCents(400);
            t.Dias = 1;
            t.DataBase = taken;
            t.DiasBase = 1;
            t.QtdBase = kTapes;
            records.writeRecord(FileKind::Tapes, code);
            m_overdue[static_cast<std::size_t>(i)] = t;
            records.client().Fitas[static_cast<std::size_t>(i)] = code;
        }
        records.client().NumFitas = kTapes;
        records.writeRecord(FileKind::Clients, 1);
    }

    ~OverdueClient()
    {
        m_state.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    AppState& state() { return *m_state; }

    void resetTapes()
    {
        auto& records = m_state->records();
        for (const auto& t : m_overdue) {
            records.tape() = t;
            records.writeRecord(FileKind::Tapes, t.Codigo);
        }
    }

private:
    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kToday};
    std::unique_ptr<AppState> m_state;
    std::array<TapeRecord, kTapes> m_overdue{};
};

OverdueClient& overdueClient()
{
    static OverdueClient client;
    return client;
}

// What the client situation does on opening: the person, the renewals, then the charge of
// each tape at home.
template <class Renew>
void openCharges(benchmark::State& bench, Renew renew)
{
    auto& client = overdueClient();
    auto& state = client.state();
    auto& records = state.records();
    RenewalReport last;
    for (auto _ : bench) {
        bench.PauseTiming();
        client.resetTapes();
        bench.ResumeTiming();

        const auto person = records.load<ClientRecord>(1);
        last = renew(state,
                     std::span(person.Fitas.data(), static_cast<std::size_t>(person.tapeCount())));
        Money total;
        for (int i = 0; i < person.tapeCount(); ++i) {
            const auto tape = records.load<TapeRecord>(person.Fitas[static_cast<std::size_t>(i)]);
            total += tapeChargeOf(state, tape)->amount;
        }
        benchmark::DoNotOptimize(total);
    }
    bench.counters["renewals"] = last.renewals;
    bench.counters["tape_writes"] = last.tapeWrites;
}

void OpenChargesOfFifteenTapesTwoYearsOverdue(benchmark::State& bench)
{
    openCharges(bench, [](AppState& state, std::span<const std::int16_t> codes) {
        return autoRenew(state, codes);
    });
}
BENCHMARK(OpenChargesOfFifteenTapesTwoYearsOverdue)->Unit(benchmark::kMillisecond);

// The same renewals with every due date's tapes written as soon as renewed.
void OpenChargesWritingEveryRenewal(benchmark::State& bench)
{
    openCharges(bench, [](AppState& state, std::span<const std::int16_t> codes) {
        RenewalReport all;
        for (auto r = autoRenewOnce(state, codes); r.renewals > 0;
             r = autoRenewOnce(state, codes)) {
            all.renewals += r.renewals;
            all.tapeWrites += r.tapeWrites;
        }
        return all;
    });
}
BENCHMARK(OpenChargesWritingEveryRenewal)->Unit(benchmark::kMillisecond);

} // namespace
