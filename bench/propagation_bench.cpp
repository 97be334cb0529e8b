// What a user waits for on the propagation screens: the chart's first paint, and one "Calcolo" of each
// detection-range screen (its drawing scan, its solution scan and the repaint that follows).
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <utility>
#include <vector>

#include "bench_support.h"

namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

void fill(px::Screen* s, const Fields& fields) {
    for (const auto& [name, value] : fields)
        if (auto* field = qobject_cast<QLineEdit*>(s->control(QString::fromLatin1(name))))
            field->setText(QString::fromLatin1(value));
}

void BM_Form14FirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        pxbench::openScreen("Form14");
        state.PauseTiming();
        pxbench::closeScreen("Form14");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form14FirstPaint)->Unit(benchmark::kMillisecond);

void BM_Form15Calcolo(benchmark::State& state) {
    px::Screen* s = pxbench::openScreen("Form15");
    fill(s, {{"Text1", "1000"},
             {"Text2", "2000"},
             {"Text3", "130"},
             {"Text4", "60"},
             {"Text5", "10"},
             {"Text7", "1"},
             {"Text8", "10"}});
    for (auto _ : state)
        pxbench::press(s, "Command1");
    pxbench::closeScreen("Form15");
}
BENCHMARK(BM_Form15Calcolo)->Unit(benchmark::kMillisecond);

void BM_Form16Calcolo(benchmark::State& state) {
    px::Screen* s = pxbench::openScreen("Form16");
    fill(s, {{"Text1", "10000"},
             {"Text2", "1000"},
             {"Text3", "220"},
             {"Text4", "60"},
             {"Text5", "20"},
             {"Text7", "0.1"},
             {"Text8", "10"},
             {"Text6", "10"}});
    for (auto _ : state)
        pxbench::press(s, "Command1");
    pxbench::closeScreen("Form16");
}
BENCHMARK(BM_Form16Calcolo)->Unit(benchmark::kMillisecond);

}  // namespace
