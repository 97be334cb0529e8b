#include <benchmark/benchmark.h>

#include <QApplication>

#include "catalogue.h"
#include "scenario.h"
#include "screen.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    px::Scenario scenario;  // faults are recorded, never shown in a box
    px::startUp();
    px::Scenario::settle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
