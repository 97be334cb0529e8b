// What a user of the correlation workbench waits for: the first "Calcolo" of a curve right after the workbench
// opens (10 000 points computed, drawn and painted, over the frame drawn afresh).
#include <benchmark/benchmark.h>

#include <QString>

#include "bench_support.h"
#include "workbench.h"

namespace {

struct CurveData {
    px::Form12::Process process;
    const char* fields[6];
    const char* gain;
};

// Data of each curve process that draws its whole sweep.
constexpr CurveData kCurves[] = {
    {px::Form12::AnalFtc, {"1000", "1000", "500"}, ""},
    {px::Form12::AnalF1F2tc, {"1000", "3000", "1000", "500"}, ""},
    {px::Form12::AnalFad, {"1000", "90", "30", "1"}, ""},
    {px::Form12::DigFtc, {"1000", "1000", "500"}, ""},
    {px::Form12::DigF1F2tc, {"1000", "3000", "1000", "500"}, ""},
    {px::Form12::AnalF1F2ad, {"1000", "3000", "90", "30", "1"}, ""},
    {px::Form12::DigNoisy, {"1000", "3000", "1000", "500", "10", "0.001"}, "1"},
    {px::Form12::DigQuadrature, {"1000", "3000", "1000", "500"}, ""},
};

// The workbench opened afresh, the process picked, its data typed and validated (none of it timed), then one press
// of "Calcolo" with the repaint it causes.  The process is the argument, 1 … 8.
void BM_Workbench_FirstCalcolo(benchmark::State& state) {
    const CurveData& data = kCurves[state.range(0) - 1];
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = static_cast<px::Form12*>(pxbench::openScreen("Form12"));
        form->Combo1->setCurrentIndex(static_cast<int>(data.process) - 1);
        form->Combo1_Click();
        for (int n = 1; n <= 6; ++n)
            form->field(n)->setText(data.fields[n - 1] != nullptr ? QString::fromLatin1(data.fields[n - 1]) : "");
        form->txtdigits7->setText(QString::fromLatin1(data.gain));
        pxbench::press(form, "Command2");
        state.ResumeTiming();
        pxbench::press(form, "Command1");
        state.PauseTiming();
        if (form->surface().primitives().size() < 10000) state.SkipWithError("no curve drawn");
        pxbench::closeScreen("Form12");
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Workbench_FirstCalcolo)->DenseRange(1, 8)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
