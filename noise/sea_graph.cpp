#include "sea_graph.h"

#include <array>

#include "decade_caption.h"
#include "export.h"
#include "graph_frame.h"
#include "legend_entry.h"
#include "noise_models.h"
#include "sweep.h"

namespace px {

namespace {
// The caption of the frequency axis: the decade numbers placed by runs of blanks.
const QString kFrequencies = QStringLiteral(" .1") + QString(40, QLatin1Char(' ')) + QStringLiteral("1") +
                             QString(37, QLatin1Char(' ')) + QStringLiteral("10") + QString(36, QLatin1Char(' ')) +
                             QStringLiteral("100") + QString(6, QLatin1Char(' ')) + QStringLiteral("KHz");

// The curves' colours, in the order of the sea states.
const QColor* const kCurveColours[] = {&colour::red,  &colour::yellow, &colour::green,
                                       &colour::blue, &colour::black,  &colour::white};
}  // namespace

Form10::Form10()
    : Screen(QStringLiteral("Form10"), QStringLiteral("Grafici del livello spettrale del rumore del mare"),
             kDialogFont) {
    // clang-format off
    Label9   = label("Label9", "(NL)  dB/microPa/Hz*", {840, 240, 2295, 255}, sans(9.6), transparent());
    Label12  = label("Label12", "* si legga radice di Hz", {840, 480, 2055, 255}, sans(7.8));
    Label8   = label("Label8", "100 dB", {120, 120, 615, 255}, transparent());
    Label11  = label("Label11", "0 dB", {120, 6480, 375, 255}, transparent());
    Label1   = new noise::DecadeCaption(this, "Label1", kFrequencies, {120, 6720, 10635, 300}, sans(10.8), noise::kDecadeLines);
    Label10  = label("Label10", "Stato del mare", {9960, 1320, 1575, 255}, sans(9.6));
    Label2   = new noise::LegendEntry(this, "Label2", "SS = 0", {10320, 1680, 1095, 375}, sans(13.2), colour::red);
    Label3   = new noise::LegendEntry(this, "Label3", "SS = 1/2", {10320, 2040, 1215, 375}, sans(13.2), colour::yellow);
    Label4   = new noise::LegendEntry(this, "Label4", "SS = 1", {10320, 2400, 1215, 375}, sans(13.2), colour::green);
    Label5   = new noise::LegendEntry(this, "Label5", "SS = 2", {10320, 2760, 1215, 375}, sans(13.2), colour::blue);
    Label6   = new noise::LegendEntry(this, "Label6", "SS = 4", {10320, 3120, 1335, 375}, sans(13.2), colour::buttonText());
    Label7   = new noise::LegendEntry(this, "Label7", "SS = 6", {10320, 3480, 1455, 615}, sans(13.2), colour::highlightText());
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    noise::publishSweep(
        *this, QStringLiteral("NL"), noise::exponentFor(noise::kSeaSlope).value(), 64,
        {QStringLiteral("pendenza = 5 dB/ottava"), QStringLiteral("livello a 1 kHz con SS=1 = 55 dB")},
        [](std::size_t c) { return QString::fromUtf8(noise::kSeaStates[c].item); }, noise::kSeaStates.size(),
        [](double D, std::size_t c) { return noise::seaLevel(D, noise::kSeaStates[c].offset); });
}

// The grid and axes, then the six spectra point by point, 0.1 to 100 kHz.  The frequencies of the sweep cannot
// fault, so the levels are computed on plain doubles, with the exponent and ln 10 of the run computed once.
void Form10::Form_Paint() {
    // The frame's dots and two lines (a line takes the room of two points), then the curves.
    surface().reserve(noise::kFramePrimitives + 2 + noise::kSweepPoints * noise::kSeaStates.size());
    noise::drawSpectrumFrame(surface());
    const double k = noise::exponentFor(noise::kSeaSlope).value();
    const double ln10 = ln(Num(10)).value();
    std::array<QRgb, noise::kSeaStates.size()> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = kCurveColours[i]->rgb();
    noise::drawSweep(surface(), k, ln10, colours, [](double D, std::size_t c) {
        return 6600 - 64 * noise::seaLevel(D, noise::kSeaStates[c].offset);
    });
}

}  // namespace px
