#include "SampleBooks.h"
#include "core/books/BookRecords.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"
#include "core/tools/StoreAudit.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <span>
#include <string>

namespace {

using namespace tavolim::core;

const std::chrono::year_month_day kFirstDay =
    std::chrono::year{2025} / std::chrono::December / std::chrono::day{6};
constexpr int kDays = 365;
const std::chrono::year_month_day kToday =
    std::chrono::sys_days(kFirstDay) + std::chrono::days(kDays - 1);

// A full-size store (32767 clients with their dependents, 32767 tapes and products) with a
// year of books at 120 rentals and 40 sales lines a day; the tapes of the last two days'
// rentals are out with their renters, as the counter leaves them. Built once.
class AuditedStore {
public:
    static const AuditedStore& instance()
    {
        static const AuditedStore store;
        return store;
    }
    ~AuditedStore()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    AuditedStore(const AuditedStore&) = delete;
    AuditedStore& operator=(const AuditedStore&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    AuditedStore()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-audit-" + std::to_string(::getpid())))
    {
        createNewInstallation(m_folder, kFirstDay);
        RecordStore store(m_folder);
        auto& rules = store.rules();
        MemoStore memos(m_folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(m_folder, rules.SinopsesDesperdicio);
        constexpr int full = RecordStore::MaxRecords;
        fillSampleStore(store, memos, synopses, {full, full, full}, kFirstDay);
        tavolim::bench::writeSampleBooks(m_folder, kFirstDay, kDays, 120, 40, full, full, full);
        lendOpenEntries(store);
    }

    // Each open entry's tape goes out to its client, when the tape and the client's list
    // are free.
    void lendOpenEntries(RecordStore& store) const
    {
        const auto book = binaryfile::readAll(m_folder / "LivroFts.tvl");
        for (std::size_t at = 0; at + TapeBookRecord::Size <= book.size();
             at += TapeBookRecord::Size) {
            TapeBookRecord entry;
            entry.decode(std::span(book).subspan(at, TapeBookRecord::Size));
            if (!entry.isOut()) {
                continue;
            }
            auto tape = store.load<TapeRecord>(entry.Fita);
            auto client = store.load<ClientRecord>(entry.Cliente);
            if (tape.isRented() || client.NumFitas >= ClientRecord::MaxTapes) {
                continue;
            }
            tape.ClienteFita = entry.Cliente;
            tape.ClienteTitular = true;
            tape.DataRetirada = tape.DataBase = entry.DataLoc;
            tape.Dias = tape.DiasBase = 2;
            tape.QtdLocadas = tape.QtdBase = 1;
            tape.ValorLocacao = entry.Valor;
            client.Fitas[static_cast<std::size_t>(client.NumFitas++)] = entry.Fita;
            store.save(entry.Fita, tape);
            store.save(entry.Cliente, client);
        }
    }

    std::filesystem::path m_folder;
};

void AuditFullStore(benchmark::State& bench)
{
    const auto& store = AuditedStore::instance();
    std::size_t findings = 0;
    for (auto _ : bench) {
        const AuditReport report = auditStore(store.folder(), kToday);
        findings = report.findings.size();
        benchmark::DoNotOptimize(report);
    }
    // 0: the sample is consistent, so the time is that of the checks, not of the lines.
    bench.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(AuditFullStore)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: the files the audit reads, read whole and nothing more.
void AuditFilesReadOnly(benchmark::State& bench)
{
    const auto& store = AuditedStore::instance();
    const char* files[] = {"DadosCli.tvl", "DadosDep.tvl", "DadosFit.tvl", "DadosAto.tvl",
                           "DadosFrn.tvl", "DadosPrd.tvl", "FitaSelo.tvl", "DadosMid.tvl",
                           "LivroFts.tvl", "PosLivFt.tvl", "PosFtDev.tvl", "LivroCx.tvl",
                           "PosLivCx.tvl", "Caixa.tvl"};
    std::size_t bytes = 0;
    for (auto _ : bench) {
        bytes = 0;
        for (const char* name : files) {
            bytes += binaryfile::readAll(store.folder() / name).size();
        }
    }
    bench.counters["MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(AuditFilesReadOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
