// What a user waits for when a result leaves the program: the largest export (the sea-noise graph's six curves of
// 99 900 points) as CSV, SVG, PDF and PNG, the rows made on demand, and the readout's update under the mouse.
#include <benchmark/benchmark.h>

#include <QPointF>

#include "bench_support.h"
#include "export.h"

namespace {

void exportAs(benchmark::State& state, px::exporting::Format format) {
    px::Screen* s = pxbench::openScreen("Form10");
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = static_cast<std::size_t>(px::exporting::bytesOf(*s, format).size());
    state.counters["bytes"] = static_cast<double>(bytes);
    pxbench::closeScreen("Form10");
}

void BM_ExportSeaGraph_Csv(benchmark::State& state) { exportAs(state, px::exporting::Format::Csv); }
void BM_ExportSeaGraph_Svg(benchmark::State& state) { exportAs(state, px::exporting::Format::Svg); }
void BM_ExportSeaGraph_Pdf(benchmark::State& state) { exportAs(state, px::exporting::Format::Pdf); }
void BM_ExportSeaGraph_Png(benchmark::State& state) { exportAs(state, px::exporting::Format::Png); }

// The first export of a freshly drawn graph: its rows are made, then written as CSV.
void BM_ExportSeaGraph_CsvFirst(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        px::Screen* s = pxbench::openScreen("Form10");
        state.ResumeTiming();
        benchmark::DoNotOptimize(px::exporting::csv(*s));
        state.PauseTiming();
        pxbench::closeScreen("Form10");
        state.ResumeTiming();
    }
}

// One update of the readout over the six curves, once the graph's rows and their twips exist.
void BM_ReadoutSeaGraph(benchmark::State& state) {
    px::Screen* s = pxbench::openScreen("Form10");
    px::exporting::readout(*s, QPointF(3466.7, 3000));
    double x = 500;
    for (auto _ : state) {
        benchmark::DoNotOptimize(px::exporting::readout(*s, QPointF(x, 3000)));
        x = x < 9500 ? x + 37 : 500;
    }
    pxbench::closeScreen("Form10");
}

// The first readout over a freshly drawn graph: its rows are made, then searched.
void BM_ReadoutSeaGraph_First(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        px::Screen* s = pxbench::openScreen("Form10");
        state.ResumeTiming();
        benchmark::DoNotOptimize(px::exporting::readout(*s, QPointF(3466.7, 3080)));
        state.PauseTiming();
        pxbench::closeScreen("Form10");
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ExportSeaGraph_Csv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportSeaGraph_CsvFirst)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportSeaGraph_Svg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportSeaGraph_Pdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportSeaGraph_Png)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadoutSeaGraph)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadoutSeaGraph_First)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
