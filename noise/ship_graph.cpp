#include "ship_graph.h"

#include <QCoreApplication>

#include "decade_caption.h"
#include "legend_entry.h"
#include "noise_models.h"
#include "sweep.h"

namespace px {

namespace {
// The level axis: 0 to 200 dB over the grid's 6400 twips.
constexpr double kTwipsPerDb = 32;

// A speed's name in the legend, in the reading's words.
QString speed(std::size_t c) { return QCoreApplication::translate("px::noise::Speed", noise::kSpeeds[c].item); }
}  // namespace

Form11::Form11()
    : Screen(QStringLiteral("Form11"), tr("Grafici dell'andamento spettrale del rumore emesso da un C.T."),
             kDialogFont) {
    // clang-format off
    Label9   = label("Label9", "(SL) dB/microPa/Hz*", {840, 240, 2295, 615}, sans(9.6), transparent());
    Label10  = label("Label10", tr("* si legga radice di Hz     ad 1 metro"), {840, 480, 2055, 495}, sans(7.8), transparent());
    Label7   = label("Label7", "200 dB", {120, 120, 720, 255}, transparent());
    Label8   = label("Label8", "0 dB", {120, 6480, 375, 255}, transparent());
    // The caption's box starts 120 twips left of the sea-noise graph's, its text three blanks later.
    Label1   = new noise::DecadeCaption(this, "Label1", noise::frequencyCaption(4), {0, 6720, 10860, 300}, sans(10.8), noise::kDecadeLines);
    Label6   = label("Label6", tr("Velocità del C.T."), {9840, 1800, 1935, 375}, sans(9.6));
    Label2   = new noise::LegendEntry(this, "Label2", speed(0), {10200, 2160, 1095, 375}, sans(13.2), colour::red);
    Label3   = new noise::LegendEntry(this, "Label3", speed(1), {10200, 2520, 1215, 375}, sans(13.2), colour::yellow);
    Label4   = new noise::LegendEntry(this, "Label4", speed(2), {10200, 2880, 1215, 375}, sans(13.2), colour::green);
    Label5   = new noise::LegendEntry(this, "Label5", speed(3), {10200, 3240, 1215, 375}, sans(13.2), colour::blue);
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    QStringList names;
    for (std::size_t c = 0; c < noise::kSpeeds.size(); ++c)
        names << speed(c).remove(QLatin1Char(' '));
    noise::publishSpectra<noise::ShipSpectra>(*this, QStringLiteral("SL"), kTwipsPerDb,
                                              {tr("pendenza = 6.667 dB/ottava"), tr("distanza = 1 m")}, names);
}

// The grid and axes of the sea-noise graph, then the four spectra, one a speed, 0.1 to 100 kHz.
void Form11::Form_Paint() {
    noise::paintSpectra<noise::ShipSpectra>(surface(), kTwipsPerDb,
                                            {&colour::red, &colour::yellow, &colour::green, &colour::blue});
}

}  // namespace px
