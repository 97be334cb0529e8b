#include "active_range.h"

namespace px {

// Range 0 to 50 km at 128.8 twips a km, two-way loss 0 to 400 dB at 11.2 twips a dB, origin at (500, 4480).
Form16::Form16()
    : DetectionRangeScreen(QStringLiteral("Form16"),
                           tr("Calcolo della portata di scoperta di un sonar attivo (propagazione normale)"),
                           {0, 128.8, 11.2}) {
    const FontSpec& kFieldFont = fieldFont();
    // clang-format off
    Label18  = label("Label18", "400 dB", {0, 0, 615, 255}, transparent());
    Label11  = label("Label11", tr("Soluzione grafico numerica"), {6240, 1080, 2655, 255}, sans(9.6), transparent());
    Label14  = label("Label14", tr("Attenuazione per propagazione"), {7560, 1920, 4455, 255}, sans(9.6), transparent(colour::blue));
    Label15  = label("Label15", tr("Massima attenuazione consentita in base ai dati impostati"), {7560, 2280, 3135, 375}, transparent(colour::red));
    Label20  = label("Label20", "0 dB            0", {0, 4320, 615, 375}, transparent());
    Label6   = label("Label6",  tr("distanza"), {7080, 4320, 1095, 255}, transparent());
    Label21  = label("Label21", "50 Km", {6840, 4560, 615, 255}, transparent());
    Label16  = label("Label16", tr("IMPOSTAZIONE DATI:"), {1560, 4680, 2055, 255}, sans(9.6));
    Label1   = label("Label1",  "Ftx(Hz)", {120, 4920, 615, 195});
    Text1    = field("Text1",   "", {840, 4920, 735, 285}, kFieldFont);
    Text1->setToolTip(tr("Frequenza di emissione Ftx, in Hz"));
    Combo1   = lawChoice({1680, 4920, 1695, 315});
    Label2   = label("Label2",  "Bwrx(Hz)", {0, 5400, 765, 195});
    Text2    = field("Text2",   "", {840, 5400, 735, 285}, kFieldFont);
    Text2->setToolTip(tr("Banda di ricezione Bwrx per gli impulsi, in Hz"));
    Label3   = label("Label3",  "LI(dB)", {120, 5910, 525, 195});
    Text3    = field("Text3",   "", {840, 5880, 735, 285}, kFieldFont);
    Text3->setToolTip(tr("Livello di emissione LI del trasmettitore, in dB"));
    Label4   = label("Label4",  "NL(dB)", {120, 6405, 600, 195});
    Text4    = field("Text4",   "", {840, 6360, 735, 285}, kFieldFont);
    Label5   = label("Label5",  "DI(dB)", {120, 6915, 555, 195});
    Text5    = field("Text5",   "", {840, 6840, 735, 285}, kFieldFont);
    Label7   = label("Label7",  tr("tTx(Sec)"), {0, 7320, 735, 195});
    Text7    = field("Text7",   "", {840, 7320, 735, 285}, kFieldFont);
    Text7->setToolTip(tr("Durata tTx dell'impulso emesso, in secondi"));
    Command1 = button("Command1", tr("Calcolo"), {1800, 7440, 1575, 495}, sans(9.6));
    Label8   = label("Label8",  "d", {480, 7800, 120, 195});
    Text8    = field("Text8",   "", {840, 7800, 735, 285}, kFieldFont);
    Label19  = label("Label19", "TS(dB)", {120, 8280, 615, 255});
    Text6    = field("Text6",   "", {840, 8280, 735, 285}, kFieldFont);
    Text6->setToolTip(tr("Forza del bersaglio TS, in dB"));
    Label13  = label("Label13", tr("Soluzione numerico iterativa  R (Km) ="), {3600, 5280, 3375, 255}, sans(9.6));
    Label12  = result("Label12", {6960, 5160, 855, 495}, sans(13.2));
    // clang-format on
    commonTips();
    onClick(Command1, &Form16::Command1_Click);
    tabOrder({Text1, Text2, Text3, Text4, Text5, Text7, Text8, Text6, Combo1, Command1});
    results::of(*this).plots = {results::Plot{QRectF(500, 0, 6440, 4480),
                                              {500, 128.8, false, QStringLiteral("R"), QStringLiteral("km")},
                                              {4480, -11.2, false, QStringLiteral("TL2"), QStringLiteral("dB")}}};
    // The solution is drawn at its one-way loss, at twice the curve's scale.
    solutionAxis = results::Axis{4480, -22.4, false, QStringLiteral("TL"), QStringLiteral("dB")};
}

// The largest two-way loss the active sonar equation allows, the two-way loss curve against it, and the range
// found by a scan in steps of one metre.
propagation::Solution Form16::compute(results::Table& table) {
    using namespace propagation;
    ActiveInputs in;
    in.k = detectionSpreading(law());
    in.Ftx = Val(Text1->utf8());
    in.Bwrx = Val(Text2->utf8());
    in.d = Val(Text8->utf8());
    in.tTx = Val(Text7->utf8());
    in.LI = Val(Text3->utf8());
    in.NL = Val(Text4->utf8());
    in.DI = Val(Text5->utf8());
    in.TS = Val(Text6->utf8());
    table.inputs = exporting::inputsOf(*this, false);
    if (!in.complete()) return {};

    const ActiveRange model(in);
    // The curve is not clamped: a loss above 400 dB falls above the window.
    model.curve(drawing(
        table.series(tr("curva"), {QStringLiteral("R_km"), QStringLiteral("TL2_dB"), QStringLiteral("T2max_dB")})));
    const Solution found = model.solve();
    Label12->setCaption(QString::fromStdString(Format(found.range, "###.0")));
    return found;
}

}  // namespace px
