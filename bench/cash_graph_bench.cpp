#include "core/reports/CashGraphForm.h"

#include <benchmark/benchmark.h>

#include "CashYears.h"

namespace {

using namespace tavolim::core;
using tavolim::bench::CashYears;

// What frmGraph does when the series, the breakdown or the periods change: the table summed
// anew from the days and every cell's text made, with all three years chosen (36 months for
// the day breakdowns, 3 years for the others). Must stay under 100 ms.
void BM_CashTableRedraw(benchmark::State& bench)
{
    CashGraphForm form(CashYears::instance().state());
    form.setBreakdown(static_cast<CashBreakdown>(bench.range(0)));
    tavolim::bench::chooseAll(form);
    int series = 0;
    std::size_t cells = 0;
    for (auto _ : bench) {
        form.setSeries(static_cast<CashSeries>(series++ % 4));
        cells = form.table().headings().size();
        for (std::size_t row = 0; row < form.table().rowCount(); ++row) {
            cells += form.table().rowTexts(row).size();
        }
        benchmark::DoNotOptimize(cells);
    }
    bench.SetLabel(cashBreakdownName(form.breakdown()));
    bench.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_CashTableRedraw)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Opening the window's model: Caixa.tvl read whole, the settings, the newest month summed.
void BM_CashGraphOpen(benchmark::State& bench)
{
    auto& state = CashYears::instance().state();
    for (auto _ : bench) {
        CashGraphForm form(state);
        benchmark::DoNotOptimize(form.table().rowCount());
    }
}
BENCHMARK(BM_CashGraphOpen)->Unit(benchmark::kMillisecond);

} // namespace
