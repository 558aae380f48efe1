#include "app/books/CashChartView.h"
#include "core/reports/CashGraphForm.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include "CashYears.h"

namespace {

using namespace tavolim::core;
using tavolim::bench::CashYears;

QApplication& application()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "tavolim_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Graph1 drawn anew and painted at 1000 x 600, apart from the table: each chart type in its
// first style (the 3D bars in "Dimensão-Z"), over the twelve months of 2026 by day of the
// month (12 data sets of 31) or over the three years by month (3 of 12).
void BM_CashChartDraw(benchmark::State& bench)
{
    application();
    CashGraphForm form(CashYears::instance().state());
    const bool days = bench.range(1) != 0;
    form.setBreakdown(days ? CashBreakdown::DayOfMonth : CashBreakdown::Month);
    std::vector<int> periods;
    for (std::size_t i = 0; i < form.periodList().size(); ++i) {
        if (!days || form.periodList()[i].year == 2026) {
            periods.push_back(static_cast<int>(i));
        }
    }
    form.choose(periods);
    const auto type = static_cast<ChartType>(bench.range(0));
    const ChartData data = form.chart();
    const ChartLook look = chartLook(type, type == ChartType::Bars3D ? 6 : 0, GridLines::All);
    tavolim::app::CashChartView view;
    view.resize(1000, 600);
    for (auto _ : bench) {
        view.draw(data, look);
        const QImage picture = view.grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
    bench.SetLabel(chartTypeNames()[static_cast<std::size_t>(type)] +
                   (days ? ", 12 x 31" : ", 3 x 12"));
}
BENCHMARK(BM_CashChartDraw)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
