#include "passive_range.h"

namespace px {

// Range 0 to 100 km at 64.4 twips a km, loss 0 to 200 dB at 22.4 twips a dB, origin at (500, 4980).
Form15::Form15()
    : DetectionRangeScreen(QStringLiteral("Form15"),
                           tr("Calcolo della portata di scoperta di un sonar passivo (propagazione normale)"),
                           {500, 64.4, 22.4}) {
    const FontSpec& kFieldFont = fieldFont();
    // clang-format off
    Label11  = label("Label11", tr("Soluzione grafico numerica"), {6000, 1080, 2655, 255}, sans(9.6), transparent());
    Label14  = label("Label14", tr("Attenuazione per propagazione"), {7200, 1800, 4455, 255}, sans(9.6), transparent(colour::blue));
    Label15  = label("Label15", tr("Massima attenuazione consentita in base ai dati impostati"), {7200, 2280, 3135, 375}, transparent(colour::red));
    Label19  = label("Label19", "200 dB", {0, 360, 615, 255}, transparent());
    Label18  = label("Label18", "0 dB        0", {120, 4845, 495, 375}, transparent());
    Label6   = label("Label6",  tr("distanza"), {7080, 4800, 615, 255}, transparent());
    Label10  = label("Label10", "100 Km", {6720, 5040, 735, 255}, transparent());
    Label16  = label("Label16", tr("IMPOSTAZIONE DATI:"), {1200, 5160, 2055, 255}, sans(9.6));
    Label1   = label("Label1",  "F1(Hz)", {120, 5400, 570, 195});
    Text1    = field("Text1",   "", {840, 5400, 735, 285}, kFieldFont);
    Text1->setToolTip(tr("Estremo inferiore F1 della banda di ricezione, in Hz"));
    Combo1   = lawChoice({1680, 5400, 1695, 315});
    Label2   = label("Label2",  "F2(Hz)", {120, 5880, 570, 195});
    Text2    = field("Text2",   "", {840, 5880, 735, 285}, kFieldFont);
    Text2->setToolTip(tr("Estremo superiore F2 della banda di ricezione, in Hz"));
    Label3   = label("Label3",  "SL(dB)", {120, 6390, 585, 195});
    Text3    = field("Text3",   "", {840, 6360, 735, 285}, kFieldFont);
    Text3->setToolTip(tr("Livello spettrale SL del rumore emesso dal bersaglio ad 1 m, in dB"));
    Label4   = label("Label4",  "NL(dB)", {120, 6885, 600, 195});
    Text4    = field("Text4",   "", {840, 6840, 735, 285}, kFieldFont);
    Label5   = label("Label5",  "DI(dB)", {120, 7395, 555, 195});
    Text5    = field("Text5",   "", {840, 7320, 735, 285}, kFieldFont);
    Command1 = button("Command1", tr("Calcolo"), {1800, 7560, 1575, 495}, sans(9.6));
    Label7   = label("Label7",  tr("RC(Sec.)"), {0, 7920, 780, 195});
    Text7    = field("Text7",   "", {840, 7800, 735, 285}, kFieldFont);
    Text7->setToolTip(tr("Costante di tempo RC del rivelatore, in secondi"));
    Label8   = label("Label8",  "d", {480, 8280, 120, 195});
    Text8    = field("Text8",   "", {840, 8280, 735, 285}, kFieldFont);
    Label13  = label("Label13", tr("Soluzione numerico iterativa  R (Km) ="), {4320, 5400, 3375, 255}, sans(9.6));
    Label12  = result("Label12", {7680, 5280, 855, 495}, sans(13.2));
    // clang-format on
    commonTips();
    onClick(Command1, &Form15::Command1_Click);
    tabOrder({Text1, Text2, Text3, Text4, Text5, Text7, Text8, Combo1, Command1});
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, QStringLiteral("R"), QStringLiteral("km")},
                                              {4980, -22.4, false, QStringLiteral("TL"), QStringLiteral("dB")}}};
}

// The largest one-way loss the sonar equation allows, the loss curve against it, and the range found by a scan.
propagation::Solution Form15::compute(results::Table& table) {
    using namespace propagation;
    PassiveInputs in;
    in.k = detectionSpreading(law());
    in.F1 = Val(Text1->utf8());
    in.F2 = Val(Text2->utf8());
    in.d = Val(Text8->utf8());
    in.RC = Val(Text7->utf8());
    in.SL = Val(Text3->utf8());
    in.NL = Val(Text4->utf8());
    in.DI = Val(Text5->utf8());
    table.inputs = exporting::inputsOf(*this, false);
    if (!in.complete()) return {};

    const PassiveRange model(in);
    // The curve is clamped at the top of the plot; the limit line is drawn where it falls.
    model.curve(drawing(
        table.series(tr("curva"), {QStringLiteral("R_km"), QStringLiteral("TL_dB"), QStringLiteral("TLmax_dB")})));
    // The true loss, out to 500 km, against the limit in whole decibels.
    const Solution found = model.solve();
    Label12->setCaption(QString::fromStdString(Str(Int(found.range.value_or(0)))));
    return found;
}

}  // namespace px
