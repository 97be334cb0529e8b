// What a user of the noise screens waits for: the first paint of each spectrum graph (six curves of 99 900 points
// for the sea, four for the ship, and the grid), and one "Calcolo" of each calculator.
#include <benchmark/benchmark.h>

#include "bench_support.h"

namespace {

// Opens the graph afresh and lets it paint; closing it again is not timed.
void firstPaint(benchmark::State& state, const char* screen) {
    for (auto _ : state) {
        pxbench::openScreen(screen);
        state.PauseTiming();
        pxbench::closeScreen(screen);
        state.ResumeTiming();
    }
}

// Presses "Calcolo" on the open calculator with its initial inputs.
void calcolo(benchmark::State& state, const char* screen) {
    px::Screen* s = pxbench::openScreen(screen);
    for (auto _ : state)
        pxbench::press(s, "Command1");
    pxbench::closeScreen(screen);
}

void BM_NoiseSeaGraph_FirstPaint(benchmark::State& state) { firstPaint(state, "Form10"); }
void BM_NoiseShipGraph_FirstPaint(benchmark::State& state) { firstPaint(state, "Form11"); }
void BM_NoiseSeaCalcolo(benchmark::State& state) { calcolo(state, "Form2"); }
void BM_NoiseShipCalcolo(benchmark::State& state) { calcolo(state, "Form3"); }

BENCHMARK(BM_NoiseSeaGraph_FirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NoiseShipGraph_FirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NoiseSeaCalcolo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NoiseShipCalcolo)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
