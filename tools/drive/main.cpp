// pelagonix-drive [SCRIPT]: runs the real application on Qt's offscreen platform (unless QT_QPA_PLATFORM says
// otherwise), reads commands from SCRIPT or standard input and answers each with one JSON line.
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "catalogue.h"
#include "json.h"
#include "language.h"
#include "scenario.h"
#include "screen.h"

namespace {

// Milliseconds since this process was started, from the kernel's own record of its start.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    // Fields after the command name start at field 3; the start time is field 22.
    for (int i = 3; i < 22 && rest >> field; ++i) {
    }
    unsigned long long startTicks = 0;
    if (!(rest >> startTicks)) return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    px::Scenario::keepSettingsApart();

    std::ifstream file;
    std::istream* in = &std::cin;
    if (argc > 1) {
        file.open(argv[1]);
        if (!file) {
            std::printf(
                "%s\n",
                px::jsonLine({{"error", QStringLiteral("cannot read %1").arg(QString::fromLocal8Bit(argv[1]))}})
                    .c_str());
            return 1;
        }
        in = &file;
    }

    px::Scenario scenario;
    px::Interpreter commands(scenario);
    px::startUp();
    QElapsedTimer waited;
    waited.start();
    px::Screen* cover = px::screens::find(QStringLiteral("Form1"));
    do {
        px::Scenario::settle();
    } while (cover != nullptr && !cover->painted() && waited.elapsed() < 5000);
    const double ms = std::round(msSinceProcessStart() * 10) / 10;
    std::printf("%s\n", px::jsonLine({{"started", QStringLiteral("Form1")}, {"ms", ms}}).c_str());
    std::fflush(stdout);

    std::string line;
    while (std::getline(*in, line)) {
        const std::string answer = commands.execute(line);
        if (!answer.empty()) {
            std::printf("%s\n", answer.c_str());
            std::fflush(stdout);
        }
        if (scenario.ended()) {
            std::printf("%s\n", px::jsonLine({{"ended", true}}).c_str());
            std::fflush(stdout);
            return commands.hadError() ? 1 : 0;
        }
    }
    // The script ended with screens open: they go with the process, destroyed as their windows would be.
    for (px::Screen* s : px::screens::open())
        delete s;
    px::Scenario::settle();
    return commands.hadError() ? 1 : 0;
}
