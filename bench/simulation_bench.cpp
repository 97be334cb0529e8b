// The workbench's animated correlator: the computation of a whole run (1000 cycles of 101 samples, no drawing),
// and one cycle as the user sees it, drawn on the screen and repainted.
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include "bench_support.h"
#include "simulation.h"
#include "workbench.h"

namespace {

// A clock that moves a quarter of a second at each reading.
class SteppingClock : public px::TimeOfDay {
public:
    float seconds() override { return t_ += 0.25f; }

private:
    float t_ = 36000;
};

void BM_SimulationRun_computation(benchmark::State& state) {
    const px::CycleFields fields{"0", "1", ""};
    for (auto _ : state) {
        px::SimulationState sim;
        SteppingClock clock;
        px::LinearUniform random;
        px::buildCoincidenceTable(sim);
        for (int n = 0; n < px::kSimulationCycles; ++n) {
            if (sim.y0 == 0) sim.y0 = 8000;
            px::CycleOutput out;
            px::synthesizeCycle(sim, fields, clock, random, out);
            px::computeLags(sim);
            if (sim.y0 == 0) sim.y0 = 8000;
        }
        benchmark::DoNotOptimize(sim.Pk.data());
    }
}
BENCHMARK(BM_SimulationRun_computation)->Unit(benchmark::kMillisecond);

// One step of the run from the event loop: the cycle, its 165 circles and the field texts, and the repaint.
void BM_SimulationCycle_painted(benchmark::State& state) {
    auto* f = static_cast<px::Form12*>(pxbench::openScreen("Form12"));
    if (f == nullptr) {
        state.SkipWithError("screen not registered");
        return;
    }
    f->Combo1->setCurrentIndex(static_cast<int>(px::Form12::processNames().indexOf("SIMULAZIONE DINAMICA")));
    emit f->Combo1->activated(f->Combo1->currentIndex());
    f->txtdigits1->setText("0");
    f->txtdigits2->setText("1");
    pxbench::press(f, "Command2");
    px::runs::setPace(px::runs::Pace::Held);
    for (auto _ : state) {
        if (!f->repeating()) {
            state.PauseTiming();
            pxbench::press(f, "Command1");
            state.ResumeTiming();
        }
        px::runs::fireHeld();
        px::Scenario::settle();
    }
    f->stopRepeating();
    px::runs::setPace(px::runs::Pace::Timed);
    pxbench::closeScreen("Form12");
}
BENCHMARK(BM_SimulationCycle_painted)->Unit(benchmark::kMicrosecond);

}  // namespace
