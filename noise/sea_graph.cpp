#include "sea_graph.h"

#include "decade_caption.h"
#include "legend_entry.h"
#include "noise_models.h"
#include "sweep.h"

namespace px {

namespace {
// The level axis: 0 to 100 dB over the grid's 6400 twips.
constexpr double kTwipsPerDb = 64;
}  // namespace

Form10::Form10()
    : Screen(QStringLiteral("Form10"), tr("Grafici del livello spettrale del rumore del mare"), kDialogFont) {
    // clang-format off
    Label9   = label("Label9", "(NL)  dB/microPa/Hz*", {840, 240, 2295, 255}, sans(9.6), transparent());
    Label12  = label("Label12", tr("* si legga radice di Hz"), {840, 480, 2055, 255}, sans(7.8));
    Label8   = label("Label8", "100 dB", {120, 120, 615, 255}, transparent());
    Label11  = label("Label11", "0 dB", {120, 6480, 375, 255}, transparent());
    Label1   = new noise::DecadeCaption(this, "Label1", noise::frequencyCaption(1), {120, 6720, 10635, 300}, sans(10.8), noise::kDecadeLines);
    Label10  = label("Label10", tr("Stato del mare"), {9960, 1320, 1575, 255}, sans(9.6));
    Label2   = new noise::LegendEntry(this, "Label2", "SS = 0", {10320, 1680, 1095, 375}, sans(13.2), colour::red);
    Label3   = new noise::LegendEntry(this, "Label3", "SS = 1/2", {10320, 2040, 1215, 375}, sans(13.2), colour::yellow);
    Label4   = new noise::LegendEntry(this, "Label4", "SS = 1", {10320, 2400, 1215, 375}, sans(13.2), colour::green);
    Label5   = new noise::LegendEntry(this, "Label5", "SS = 2", {10320, 2760, 1215, 375}, sans(13.2), colour::blue);
    Label6   = new noise::LegendEntry(this, "Label6", "SS = 4", {10320, 3120, 1335, 375}, sans(13.2), colour::buttonText());
    Label7   = new noise::LegendEntry(this, "Label7", "SS = 6", {10320, 3480, 1455, 615}, sans(13.2), colour::highlightText());
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    QStringList names;
    for (const noise::SeaState& state : noise::kSeaStates)
        names << QString::fromUtf8(state.item);
    noise::publishSpectra<noise::SeaSpectra>(*this, QStringLiteral("NL"), kTwipsPerDb,
                                             {tr("pendenza = 5 dB/ottava"), tr("livello a 1 kHz con SS=1 = 55 dB")},
                                             names);
}

// The grid and axes, then the six spectra, one a sea state, 0.1 to 100 kHz.
void Form10::Form_Paint() {
    noise::paintSpectra<noise::SeaSpectra>(
        surface(), kTwipsPerDb,
        {&colour::red, &colour::yellow, &colour::green, &colour::blue, &colour::black, &colour::white});
}

}  // namespace px
