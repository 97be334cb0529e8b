// One "Calcolo" of each transducer and geometry screen, as the user waits for it: the procedure, the drawing and
// the repaint it causes.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <cmath>
#include <vector>

#include "bench_support.h"
#include "piston.h"

namespace {

struct Input {
    const char* field;
    const char* text;
};

// Opens the screen, sets the texts of its fields, then times presses of its "Calcolo" button.
void pressCalcolo(benchmark::State& state, const char* screen, std::initializer_list<Input> inputs) {
    px::Screen* s = pxbench::openScreen(screen);
    if (s == nullptr) {
        state.SkipWithError("screen not registered");
        return;
    }
    for (const Input& in : inputs)
        if (auto* e = qobject_cast<QLineEdit*>(s->control(QString::fromLatin1(in.field))))
            e->setText(QString::fromLatin1(in.text));
    for (auto _ : state)
        pxbench::press(s, "Command1");
    pxbench::closeScreen(screen);
}

void BM_CircularTransducer_f10_D1(benchmark::State& state) {
    pressCalcolo(state, "Form5", {{"Text1", "10"}, {"Text2", "1"}});
}
void BM_CircularTransducer_initial(benchmark::State& state) { pressCalcolo(state, "Form5", {}); }
// The largest inputs: arguments of the integrand up to 2e6, 2e10 and 2e12.
void BM_CircularTransducer_f999_D999(benchmark::State& state) {
    pressCalcolo(state, "Form5", {{"Text1", "999"}, {"Text2", "999"}});
}
void BM_CircularTransducer_f100000_D100000(benchmark::State& state) {
    pressCalcolo(state, "Form5", {{"Text1", "100000"}, {"Text2", "100000"}});
}
void BM_CircularTransducer_f999999_D999999(benchmark::State& state) {
    pressCalcolo(state, "Form5", {{"Text1", "999999"}, {"Text2", "999999"}});
}
void BM_LineArray_f10_L1(benchmark::State& state) {
    pressCalcolo(state, "Form6", {{"Text1", "10"}, {"Text2", "1"}});
}
void BM_RectangularSource_f10_50x50(benchmark::State& state) {
    pressCalcolo(state, "Form9", {{"Text1", "10"}, {"Text2", "50"}, {"Text3", "50"}});
}
void BM_Doppler_f20_v12(benchmark::State& state) {
    pressCalcolo(state, "Form7", {{"Text1", "20"}, {"Text2", "12"}});
}
void BM_BottomReflection_h100_b10(benchmark::State& state) {
    pressCalcolo(state, "Form8", {{"Text1", "100"}, {"Text2", "10"}});
}

// The part of the circular transducer's run that the cores share: the integral sums of angles 2 to 1000 at
// 10 kHz and one metre, without the drawing.
void BM_CircularTransducer_sums_f10_D1(benchmark::State& state) {
    std::vector<double> xs;
    for (double theta = 0.1 + 0.1; theta <= 100; theta = theta + 0.1)
        xs.push_back(std::sin(theta * 3.14159 / 180) * (3.14159 * 1 / (1.53 / 10)));
    std::vector<double> js(xs.size());
    for (auto _ : state) {
        px::pistonIntegrals(xs, js);
        benchmark::DoNotOptimize(js.data());
    }
}

// The sums run on worker threads as well: the wall time is what the user waits.
BENCHMARK(BM_CircularTransducer_f10_D1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircularTransducer_sums_f10_D1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircularTransducer_initial)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircularTransducer_f999_D999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircularTransducer_f100000_D100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CircularTransducer_f999999_D999999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LineArray_f10_L1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RectangularSource_f10_50x50)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Doppler_f20_v12)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BottomReflection_h100_b10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
