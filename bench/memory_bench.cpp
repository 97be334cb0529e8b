// What a long session costs: the workbench comparing hundreds of curves on one frame, and screens opened and
// closed again and again.  Each reports, besides its time, what the resident memory did (RSS, from
// /proc/self/statm), as counters:
//   compare mode: first_ms and last_ms (the mean of the first and of the last 50 presses of "Calcolo"), their
//     ratio, and kb_per_run, the resident memory each run added after the first;
//   open and close: kb_growth, what 2 500 opens and closes added after 500 of them to warm up.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QString>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "workbench.h"

namespace {

// The resident memory of the process, in kilobytes.
double residentKb() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

double meanOf(const std::vector<double>& v, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += v[i];
    return sum / static_cast<double>(count);
}

// "Compara   grafici" checked, process 1 (10 000 points a run), one press of "Calcolo" an iteration: 600 runs on
// one frame.
void BM_Workbench_CompareRuns(benchmark::State& state) {
    auto* form = static_cast<px::Form12*>(pxbench::openScreen("Form12"));
    form->Combo1->setCurrentIndex(static_cast<int>(px::Form12::AnalFtc) - 1);
    form->Combo1_Click();
    const char* fields[] = {"1000", "1000", "500"};
    for (int n = 1; n <= 3; ++n)
        form->field(n)->setText(QString::fromLatin1(fields[n - 1]));
    pxbench::press(form, "Command2");
    pxbench::press(form, "Command1");  // the frame and a first curve
    form->Check1->setChecked(true);
    std::vector<double> ms;
    double rssAfterFirst = 0;
    for (auto _ : state) {
        const auto from = std::chrono::steady_clock::now();
        pxbench::press(form, "Command1");
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count());
        if (ms.size() == 1) rssAfterFirst = residentKb();
    }
    const double rssAfterLast = residentKb();
    if (form->surface().size() < 10000 * ms.size()) state.SkipWithError("a run drew no curve");
    pxbench::closeScreen("Form12");
    if (ms.size() >= 100) {
        state.counters["first_ms"] = meanOf(ms, 0, 50);
        state.counters["last_ms"] = meanOf(ms, ms.size() - 50, 50);
        state.counters["last_to_first"] = state.counters["last_ms"] / state.counters["first_ms"];
        state.counters["kb_per_run"] = (rssAfterLast - rssAfterFirst) / static_cast<double>(ms.size() - 1);
    }
    state.counters["kb_after_close"] = residentKb() - rssAfterLast;
}
BENCHMARK(BM_Workbench_CompareRuns)->Iterations(600)->Unit(benchmark::kMillisecond)->UseRealTime();

// A screen opened and closed, one iteration each: 500 to warm up, then 2 500 measured.
void BM_Screen_OpenClose(benchmark::State& state, const char* screen) {
    for (int i = 0; i < 500; ++i) {
        pxbench::openScreen(screen);
        pxbench::closeScreen(screen);
    }
    const double before = residentKb();
    for (auto _ : state) {
        pxbench::openScreen(screen);
        pxbench::closeScreen(screen);
    }
    state.counters["kb_growth"] = residentKb() - before;
}
BENCHMARK_CAPTURE(BM_Screen_OpenClose, Form2, "Form2")
    ->Iterations(2500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Screen_OpenClose, Form12, "Form12")
    ->Iterations(2500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
