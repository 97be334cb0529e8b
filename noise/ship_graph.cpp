#include "ship_graph.h"

#include <array>

#include "decade_caption.h"
#include "export.h"
#include "graph_frame.h"
#include "legend_entry.h"
#include "noise_models.h"
#include "sweep.h"

namespace px {

namespace {
// The caption of the frequency axis: its box starts 120 twips left of the sea-noise graph's, its text three
// blanks later.
const QString kFrequencies = QStringLiteral("    .1") + QString(40, QLatin1Char(' ')) + QStringLiteral("1") +
                             QString(37, QLatin1Char(' ')) + QStringLiteral("10") + QString(36, QLatin1Char(' ')) +
                             QStringLiteral("100") + QString(6, QLatin1Char(' ')) + QStringLiteral("KHz");

// The curves' colours, in the order of the speeds.
const QColor* const kCurveColours[] = {&colour::red, &colour::yellow, &colour::green, &colour::blue};
}  // namespace

Form11::Form11()
    : Screen(QStringLiteral("Form11"),
             QStringLiteral("Grafici dell'andamento spettrale del rumore emesso da un C.T."), kDialogFont) {
    // clang-format off
    Label9   = label("Label9", "(SL) dB/microPa/Hz*", {840, 240, 2295, 615}, sans(9.6), transparent());
    Label10  = label("Label10", "* si legga radice di Hz     ad 1 metro", {840, 480, 2055, 495}, sans(7.8), transparent());
    Label7   = label("Label7", "200 dB", {120, 120, 720, 255}, transparent());
    Label8   = label("Label8", "0 dB", {120, 6480, 375, 255}, transparent());
    Label1   = new noise::DecadeCaption(this, "Label1", kFrequencies, {0, 6720, 10860, 300}, sans(10.8), noise::kDecadeLines);
    Label6   = label("Label6", "Velocità del C.T.", {9840, 1800, 1935, 375}, sans(9.6));
    Label2   = new noise::LegendEntry(this, "Label2", "10 nodi", {10200, 2160, 1095, 375}, sans(13.2), colour::red);
    Label3   = new noise::LegendEntry(this, "Label3", "15 nodi", {10200, 2520, 1215, 375}, sans(13.2), colour::yellow);
    Label4   = new noise::LegendEntry(this, "Label4", "20 nodi", {10200, 2880, 1215, 375}, sans(13.2), colour::green);
    Label5   = new noise::LegendEntry(this, "Label5", "25 nodi", {10200, 3240, 1215, 375}, sans(13.2), colour::blue);
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    noise::publishSweep(
        *this, QStringLiteral("SL"), noise::exponentFor(noise::kShipGraphSlope).value(), 32,
        {QStringLiteral("pendenza = 6.667 dB/ottava"), QStringLiteral("distanza = 1 m")},
        [](std::size_t c) { return QString::fromUtf8(noise::kSpeeds[c].item).remove(QLatin1Char(' ')); },
        noise::kSpeeds.size(),
        [](double D, std::size_t c) { return noise::shipLevel(D, noise::kSpeeds[c].level); });
}

// The grid and axes of the sea-noise graph, then the four spectra point by point, 0.1 to 100 kHz, at 32 twips a
// dB.  The frequencies of the sweep cannot fault, so the levels are computed on plain doubles, with the exponent
// and ln 10 of the run computed once.
void Form11::Form_Paint() {
    // The frame's dots and two lines (a line takes the room of two points), then the curves.
    surface().reserve(noise::kFramePrimitives + 2 + noise::kSweepPoints * noise::kSpeeds.size());
    noise::drawSpectrumFrame(surface());
    const double k = noise::exponentFor(noise::kShipGraphSlope).value();
    const double ln10 = ln(Num(10)).value();
    std::array<QRgb, noise::kSpeeds.size()> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = kCurveColours[i]->rgb();
    noise::drawSweep(surface(), k, ln10, colours, [](double D, std::size_t c) {
        return 6600 - 32 * noise::shipLevel(D, noise::kSpeeds[c].level);
    });
}

}  // namespace px
