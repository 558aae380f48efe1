#include "core/day/BusinessDay.h"
#include "core/sales/ProductLookup.h"
#include "core/sales/WalkInSale.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "QuietPorts.h"
#include "SampleBooks.h"

namespace {

using namespace tavolim::core;
using namespace std::chrono;

const year_month_day kFirstDay = year{2025} / December / day{5};
constexpr int kDays = 365;
constexpr int kSalesPerDay = 120; // 43800 sales-book records
const year_month_day kToday = sys_days(kFirstDay) + days(kDays);
constexpr int kLines = 15;

// A full-size product file (32767 products) with a year of sales book, the day started the
// day after the last one held. The barcodes of products with stock to spare, each naming only
// its own product, are what the scanner types.
class ProductsYear {
public:
    static ProductsYear& instance()
    {
        static ProductsYear store;
        return store;
    }

    ~ProductsYear()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    ProductsYear(const ProductsYear&) = delete;
    ProductsYear& operator=(const ProductsYear&) = delete;

    AppState& state() { return m_state; }
    const std::vector<std::string>& barcodes() const { return m_barcodes; }

    // The best of a few plain reads of the whole product file, in seconds: the yardstick.
    double plainRead() const
    {
        double best = 1e9;
        for (int i = 0; i < 5; ++i) {
            const auto start = steady_clock::now();
            benchmark::DoNotOptimize(binaryfile::readAll(m_folder / "DadosPrd.tvl"));
            best = std::min(best, duration<double>(steady_clock::now() - start).count());
        }
        return best;
    }

private:
    ProductsYear()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-sales-" + std::to_string(::getpid()))),
          m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        startDay(m_state, false);
        m_state.options().NumViasRec = 1;
        std::multiset<std::string> all;
        std::vector<std::pair<std::string, float>> stock;
        m_state.records().scan<ProductRecord>(FileKind::Products,
                                              [&](std::int32_t, const ProductRecord& p) {
                                                  all.insert(p.CodigoBarras);
                                                  stock.emplace_back(p.CodigoBarras, p.Estoque);
                                              });
        for (const auto& [barcode, units] : stock) {
            if (units >= 20 && all.count(barcode) == 1) {
                m_barcodes.push_back(barcode);
            }
        }
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        createNewInstallation(folder, kFirstDay);
        RecordStore store(folder);
        store.readRecord(FileKind::GeneralRules, 1, true);
        auto& rules = store.rules();
        MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
        SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
        fillSampleStore(store, memos, synopses, {200, 0, RecordStore::MaxRecords}, kFirstDay);
        tavolim::bench::writeSampleBooks(folder, kFirstDay, kDays, 10, kSalesPerDay, 200,
                                         RecordStore::MaxRecords, RecordStore::MaxRecords);
        return folder;
    }

    std::filesystem::path m_folder;
    tavolim::bench::QuietPorts m_ports{kToday};
    AppState m_state;
    std::vector<std::string> m_barcodes;
};

void BM_PlainReadProductFile(benchmark::State& bench)
{
    auto& store = ProductsYear::instance();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            binaryfile::readAll(store.state().records().filePath(FileKind::Products)));
    }
}
BENCHMARK(BM_PlainReadProductFile)->Unit(benchmark::kMillisecond);

// One whole walk-in sale as the counter makes it: 15 products scanned by barcode (each a
// walk of the product file), paid, confirmed (sales book, stock, day totals in one journalled
// operation) and the receipt printed. Reported also as a ratio to one plain read of the
// product file measured in the same run.
void BM_SellFifteenScannedProducts(benchmark::State& bench)
{
    auto& store = ProductsYear::instance();
    auto& state = store.state();
    const auto& barcodes = store.barcodes();
    const double plain = store.plainRead();
    std::size_t next = 0;
    double total = 0;
    for (auto _ : bench) {
        const auto start = steady_clock::now();
        WalkInSaleModel sale(state);
        for (int i = 0; i < kLines; ++i) {
            sale.grid().txtCodProd = barcodes[next++ % barcodes.size()];
            sale.add();
        }
        sale.txtValorPago = "99999";
        sale.chkImprimir = true;
        const bool sold =
            sale.grid().rowCount() == kLines && sale.confirm() == WalkInSaleModel::Outcome::Saved;
        total += duration<double>(steady_clock::now() - start).count();
        if (!sold) {
            bench.SkipWithError("the sale was not made");
            break;
        }
    }
    bench.counters["plain_read_ms"] = plain * 1e3;
    bench.counters["x_plain_read"] = total / static_cast<double>(bench.iterations()) / plain;
}
BENCHMARK(BM_SellFifteenScannedProducts)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
