#include "loss_graph.h"

#include "export.h"
#include "loss_model.h"

namespace px {

Form14::Form14() : Screen(QStringLiteral("Form14"), tr("Grafico dell'attenuazione per propagazione"), kDialogFont) {
    // clang-format off
    Label6  = label("Label6",  "TL     100 dB  ", {15, 135, 840, 495}, transparent());
    Label10 = label("Label10", tr("Attenuazione per un solo percorso"), {8160, 120, 2535, 255}, transparent());
    Label3  = label("Label3",  tr("Att. per propag. sferica "), {7095, 1095, 2445, 240}, sans(9.6), transparent(colour::red));
    Label4  = label("Label4",  tr("Att. per  propag. sferico/cilindrica "), {7095, 1695, 3525, 240}, sans(9.6), transparent(colour::blue));
    Label5  = label("Label5",  "60 dB            0", {15, 4750, 780, 480}, transparent());
    Label11 = label("Label11", tr("distanza"), {7440, 4920, 615, 255}, transparent());
    Label1  = label("Label1",  "100 Km", {6720, 5040, 975, 255}, transparent());
    Label7  = label("Label7",  tr("alfa      40 dB"), {120, 5700, 660, 435}, transparent());
    Label9  = label("Label9",  tr("Alfa:   Attenuazione per assorbimento (eq. di Thorp) un solo percorso  in dB/Km"), {3840, 6120, 2205, 555}, transparent(colour::black));
    Label2  = label("Label2",  "0 dB        0", {0, 8040, 495, 375}, transparent());
    Label12 = label("Label12", tr("frequenza"), {3900, 8095, 705, 195}, transparent());
    Label8  = label("Label8",  "100  KHz", {3480, 8280, 795, 195}, transparent());
    // clang-format on
    onClick(Label4, &Form14::Label4_Click);
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, tr("distanza"), QStringLiteral("km")},
                                              {4980, -112, false, tr("attenuazione"), QStringLiteral("dB")}},
                                results::Plot{QRectF(500, 6000, 3220, 2240),
                                              {500, 32.2, false, tr("frequenza"), QStringLiteral("kHz")},
                                              {8240, -56, false, tr("assorbimento"), QStringLiteral("dB/km")}}};
}

// The legend of the spherical/cylindrical curve takes clicks and does nothing with them.
void Form14::Label4_Click() {}

void Form14::Form_Paint() {
    // Upper frame: range 0 to 100 km, spreading loss 60 to 100 dB.
    drawDottedGrid(surface(), {500, 500, 6440, 4480, 322, 28, 224, 42});
    surface().Line(500, 4980, 7100, 4980);
    surface().Line(500, 500, 500, 4980);

    // Lower frame, at half size: frequency 0 to 100 kHz, absorption 0 to 40 dB/km.
    drawDottedGrid(surface(), {500, 6000, 3220, 2240, 161, 14, 112, 21});
    surface().Line(500, 6000, 500, 8240);
    surface().Line(500, 8240, 3880, 8240);

    // Spreading losses above 60 dB, both laws, 1 to 100 km; the series and columns are named in the reading's
    // words.
    results::Table& table = results::of(*this);
    results::Series* spreading =
        &table.series(tr("divergenza"), {tr("distanza_km"), tr("sferica_dB"), tr("sferico_cilindrica_dB")}, 0);
    propagation::spreadingCurves([&](double R, double S20, double S10) {
        surface().Point(R * 64.4 + 500, 4980 - S20 * 112, colour::red);
        surface().Point(R * 64.4 + 500, 4980 - S10 * 112, colour::blue);
        spreading->add({R, S20, S10});
    });
    results::Series* absorption =
        &table.series(tr("assorbimento"), {tr("frequenza_kHz"), tr("assorbimento_dB_km")}, 1);

    // Thorp's absorption coefficient, with its constant term, 0 to 100 kHz.
    propagation::absorptionCurve([&](double f, double alpha) {
        surface().Point(f * 32.2 + 500, 8240 - alpha * 56, colour::black);
        absorption->add({f, alpha});
    });
}

}  // namespace px
