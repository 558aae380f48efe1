#include "core/books/BookRecords.h"
#include "core/counter/Return.h"
#include "core/counter/Situation.h"
#include "core/day/BusinessDay.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "QuietPorts.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

constexpr year_month_day kToday = year{2026} / December / day{5};
constexpr int kYear = 365;
constexpr int kPerDay = 80; // a year of rentals: 29200 tape-book records
constexpr int kTapes = 15;

// A full-size store with a year of tape book, where client 1 has 15 tapes at home, one
// taken every other day of the last month. The files a return changes are kept aside and put
// back before every iteration.
class ReturningClient {
public:
    ReturningClient()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-return-bench-" + std::to_string(::getpid())))
    {
        const year_month_day first = sys_days(kToday) - days{kYear};
        createNewInstallation(m_folder, first);
        {
            RecordStore store(m_folder);
            store.readRecord(FileKind::GeneralRules, 1, true);
            auto& rules = store.rules();
            MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
            SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
            fillSampleStore(store, memos, synopses, {2000, RecordStore::MaxRecords, 50}, first);
        }
        writeTapeBook(first);
        m_ports.date = kToday;
        m_state = std::make_unique<AppState>(m_folder, m_ports.ports());
        m_state->loadOptions();
        startDay(*m_state, false);
        lendToClient();
        std::filesystem::create_directories(m_folder / "pristine");
        for (const char* f : kChanged) {
            std::filesystem::copy_file(m_folder / f, m_folder / "pristine" / f);
        }
    }

    ~ReturningClient()
    {
        m_state.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    AppState& state() { return *m_state; }

    void restore()
    {
        for (const char* f : kChanged) {
            std::filesystem::copy_file(m_folder / "pristine" / f, m_folder / f,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        auto& records = m_state->records();
        for (const auto& t : m_lent) {
            records.tape() = t;
            records.writeRecord(FileKind::Tapes, t.Codigo);
        }
    }

private:
    static constexpr const char* kChanged[] = {"DadosCli.tvl", "LivroFts.tvl", "FitasDev.tvl",
                                               "PosFtDev.tvl", "Caixa.tvl"};

    static std::int16_t clientTape(int i) { return static_cast<std::int16_t>(1 + i * 2000); }
    static int clientDay(int i) { return kYear - 1 - 2 * i; } // days after the first

    // Every day up to yesterday holds kPerDay rentals, returned the next day, but for the
    // client's tapes, still out; today is rolled with nothing yet.
    void writeTapeBook(year_month_day first) const
    {
        std::vector<std::uint8_t> positions((kYear + 2) * PositionRecord::Size);
        std::vector<std::uint8_t> book(kYear * kPerDay * TapeBookRecord::Size);
        const auto at = [](std::vector<std::uint8_t>& bytes, std::size_t i, std::size_t len) {
            return std::span<std::uint8_t>(bytes).subspan(i * len, len);
        };
        PositionRecord p;
        p.PrimeiroReg = fromYmd(first);
        p.encode(at(positions, 0, PositionRecord::Size));
        TapeBookRecord r;
        for (int d = 0; d <= kYear; ++d) {
            p.PrimeiroReg = 1 + d * kPerDay;
            p.QtdRegs = static_cast<std::int16_t>(d < kYear ? kPerDay : 0);
            p.encode(at(positions, static_cast<std::size_t>(d + 1), PositionRecord::Size));
            for (int j = 0; d < kYear && j < kPerDay; ++j) {
                const int n = d * kPerDay + j;
                r.Fita = static_cast<std::int16_t>(n * 7919 % RecordStore::MaxRecords + 1);
                r.Cliente = static_cast<std::int16_t>(n % 2000 + 1);
                r.Dependente = -1;
                r.DataLoc = fromYmd(sys_days(first) + days{d});
                r.Valor = Money::fromCents(300);
                r.DataDev = fromYmd(sys_days(first) + days{d + 1});
                r.QtdDiarias = 1;
                r.ValorDev = r.Valor;
                r.encode(at(book, static_cast<std::size_t>(n), TapeBookRecord::Size));
            }
        }
        for (int i = 0; i < kTapes; ++i) {
            const int n = clientDay(i) * kPerDay + kPerDay / 2;
            r.decode(at(book, static_cast<std::size_t>(n), TapeBookRecord::Size));
            r.Fita = clientTape(i);
            r.Cliente = 1;
            r.DataDev = 0;
            r.QtdDiarias = 0;
            r.ValorDev = Money();
            r.encode(at(book, static_cast<std::size_t>(n), TapeBookRecord::Size));
        }
        binaryfile::writeAllAtomic(m_folder / "PosLivFt.tvl", positions);
        binaryfile::writeAllAtomic(m_folder / "LivroFts.tvl", book);
    }

    void lendToClient()
    {
        auto& records = m_state->records();
        const year_month_day first = sys_days(kToday) - days{kYear};
        records.readRecord(FileKind::Clients, 1, true);
        for (int i = 0; i < kTapes; ++i) {
            records.readRecord(FileKind::Tapes, clientTape(i), true);
            auto& t = records.tape();
            t.ClienteFita = 1;
            t.ClienteTitular = true;
            t.DataRetirada = fromYmd(sys_days(first) + days{clientDay(i)});
            t.HoraRetirada = 1000;
            t.QtdLocadas = 1;
            t.ValorLocacao = Money::fromCents(300);
            t.Dias = 2;
            t.DataBase = t.DataRetirada;
            t.DiasBase = 2;
            t.QtdBase = 1;
            records.writeRecord(FileKind::Tapes, t.Codigo);
            m_lent[static_cast<std::size_t>(i)] = t;
            records.client().Fitas[static_cast<std::size_t>(i)] = t.Codigo;
        }
        records.client().NumFitas = kTapes;
        records.writeRecord(FileKind::Clients, 1);
    }

    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kToday};
    std::unique_ptr<AppState> m_state;
    std::array<TapeRecord, kTapes> m_lent{};
};

ReturningClient& returningClient()
{
    static ReturningClient client;
    return client;
}

// From the situation the counter already shows to the window closing: every tape back,
// everything paid. range(0) = 1 also times opening the situation (AutoRenew, the charges).
void ReturnFifteenTapesFullStore(benchmark::State& bench)
{
    auto& client = returningClient();
    auto& state = client.state();
    const bool withSituation = bench.range(0) != 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        client.restore();
        std::optional<Situation> shown;
        if (!withSituation) {
            shown = showSituation(state, {1, true});
        }
        bench.ResumeTiming();

        if (withSituation) {
            shown = showSituation(state, {1, true});
        }
        ReturnModel model(state, *shown);
        benchmark::DoNotOptimize(model.confirm());
    }
    // The tape book entries the last return completed and logged: 15 when all was found.
    bench.counters["logged"] = static_cast<double>(
        std::filesystem::file_size(state.dataFolder() / "FitasDev.tvl") / ReturnedTapeRecord::Size);
}
BENCHMARK(ReturnFifteenTapesFullStore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
