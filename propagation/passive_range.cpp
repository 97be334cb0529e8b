#include "passive_range.h"

#include <optional>

#include "export.h"
#include "loss_model.h"

namespace px {

namespace {
const FontSpec kFieldFont = sans(8.4);
}  // namespace

Form15::Form15()
    : Screen(QStringLiteral("Form15"),
             QStringLiteral("Calcolo della portata di scoperta di un sonar passivo (propagazione normale)"),
             kDialogFont) {
    // clang-format off
    Label11  = label("Label11", "Soluzione grafico numerica", {6000, 1080, 2655, 255}, sans(9.6), transparent());
    Label14  = label("Label14", "Attenuazione per propagazione", {7200, 1800, 4455, 255}, sans(9.6), transparent(colour::blue));
    Label15  = label("Label15", "Massima attenuazione consentita in base ai dati impostati", {7200, 2280, 3135, 375}, transparent(colour::red));
    Label19  = label("Label19", "200 dB", {0, 360, 615, 255}, transparent());
    Label18  = label("Label18", "0 dB        0", {120, 4845, 495, 375}, transparent());
    Label6   = label("Label6",  "distanza", {7080, 4800, 615, 255}, transparent());
    Label10  = label("Label10", "100 Km", {6720, 5040, 735, 255}, transparent());
    Label16  = label("Label16", "IMPOSTAZIONE DATI:", {1200, 5160, 2055, 255}, sans(9.6));
    Label1   = label("Label1",  "F1(Hz)", {120, 5400, 570, 195});
    Text1    = field("Text1",   "", {840, 5400, 735, 285}, kFieldFont);
    Text1->setToolTip(QStringLiteral("Estremo inferiore F1 della banda di ricezione, in Hz"));
    Combo1   = choice("Combo1", "Propagazione", {"Sferica", "Sfer.cil."}, {1680, 5400, 1695, 315}, kFieldFont);
    Combo1->setToolTip(QStringLiteral("Legge di propagazione: sferica o sferico-cilindrica"));
    Label2   = label("Label2",  "F2(Hz)", {120, 5880, 570, 195});
    Text2    = field("Text2",   "", {840, 5880, 735, 285}, kFieldFont);
    Text2->setToolTip(QStringLiteral("Estremo superiore F2 della banda di ricezione, in Hz"));
    Label3   = label("Label3",  "SL(dB)", {120, 6390, 585, 195});
    Text3    = field("Text3",   "", {840, 6360, 735, 285}, kFieldFont);
    Text3->setToolTip(QStringLiteral("Livello spettrale SL del rumore emesso dal bersaglio ad 1 m, in dB"));
    Label4   = label("Label4",  "NL(dB)", {120, 6885, 600, 195});
    Text4    = field("Text4",   "", {840, 6840, 735, 285}, kFieldFont);
    Text4->setToolTip(QStringLiteral("Livello spettrale NL del rumore del mare, in dB"));
    Label5   = label("Label5",  "DI(dB)", {120, 7395, 555, 195});
    Text5    = field("Text5",   "", {840, 7320, 735, 285}, kFieldFont);
    Text5->setToolTip(QStringLiteral("Indice di direttività DI del ricevitore, in dB"));
    Command1 = button("Command1", "Calcolo", {1800, 7560, 1575, 495}, sans(9.6));
    Label7   = label("Label7",  "RC(Sec.)", {0, 7920, 780, 195});
    Text7    = field("Text7",   "", {840, 7800, 735, 285}, kFieldFont);
    Text7->setToolTip(QStringLiteral("Costante di tempo RC del rivelatore, in secondi"));
    Label8   = label("Label8",  "d", {480, 8280, 120, 195});
    Text8    = field("Text8",   "", {840, 8280, 735, 285}, kFieldFont);
    Text8->setToolTip(QStringLiteral("Indice d di scoperta e falso allarme (curve ROC), numero puro"));
    Label13  = label("Label13", "Soluzione numerico iterativa  R (Km) =", {4320, 5400, 3375, 255}, sans(9.6));
    Label12  = result("Label12", {7680, 5280, 855, 495}, sans(13.2));
    // clang-format on
    onClick(Command1, &Form15::Command1_Click);
    tabOrder({Text1, Text2, Text3, Text4, Text5, Text7, Text8, Combo1, Command1});
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, QStringLiteral("R"), QStringLiteral("km")},
                                              {4980, -22.4, false, QStringLiteral("TL"), QStringLiteral("dB")}}};
}

void Form15::Command1_Click() { calcoloportata(); }

void Form15::Form_Paint() { cornice(); }

// Range 0 to 100 km at 64.4 twips a km, loss 0 to 200 dB at 22.4 twips a dB, origin at (500, 4980).
void Form15::cornice() {
    drawDottedGrid(surface(), {500, 500, 6440, 4480, 322, 28, 224, 42});
    surface().Line(500, 500, 500, 4980);
    surface().Line(500, 4980, 7100, 4980);
}

// The largest one-way loss the sonar equation allows, the loss curve against it, and the range found by a scan.
void Form15::calcoloportata() {
    using namespace propagation;
    surface().Clear();
    cornice();

    const double k = detectionSpreading(Combo1->utf8());

    const Num F1 = Val(Text1->utf8());
    const Num F2 = Val(Text2->utf8());
    const Num d = Val(Text8->utf8());
    const Num RC = Val(Text7->utf8());
    const Num SL = Val(Text3->utf8());
    const Num NL = Val(Text4->utf8());
    const Num DI = Val(Text5->utf8());

    std::optional<double> Rsol, TLsol;
    results::Table& table = results::of(*this);
    table.inputs = exporting::inputsOf(*this, false);
    if (F1 != 0 && F2 != 0 && RC != 0) {
        const Num f0 = sqrt(F1 * F2);
        const Num B = F2 - F1;
        const Num f = f0 / Num(1000);
        const Num alpha = absorption(f, Thorp::WithoutConstant);
        const Num DT = (ln((B * d) / (RC * Num(2))) * Num(5)) / ln(Num(10));
        const Num BT = (ln(B) * Num(10)) / ln(Num(10));
        const Num TLmax = (((SL + DI) - NL) - DT) + BT;

        // The curve is clamped at the top of the plot; the limit line is drawn where it falls.
        results::Series& curve = table.series(
            QStringLiteral("curva"), {QStringLiteral("R_km"), QStringLiteral("TL_dB"), QStringLiteral("TLmax_dB")});
        for (double R = 0.1; R <= 100; R = R + 0.1) {
            Num TL = oneWayLoss(k, R, alpha);
            if (TL > Num(200)) TL = Num(200);
            const Num x = Num(R) * Num(64.4) + Num(500);
            surface().Point(x.value(), (Num(4980) - TL * Num(22.4)).value(), colour::blue);
            surface().Point(x.value(), (Num(4980) - TLmax * Num(22.4)).value(), colour::red);
            curve.add({R, TL.value(), TLmax.value()});
        }

        // The true loss, out to 500 km, against the limit in whole decibels.
        RangeSolution solution(TLmax.value());
        for (double R = 0.1; R <= 500; R = R + 0.1) {
            const double TL = oneWayLoss(k, R, alpha).value();
            solution.step(R, TL, TL);
        }
        Rsol = solution.range();
        TLsol = solution.loss();
        Label12->setCaption(QString::fromStdString(Str(Int(Rsol.value_or(0)))));
    }

    // The marker sits on the origin when there is no solution.
    const Num x = Num(Rsol.value_or(0)) * Num(64.4) + Num(500);
    const Num y = Num(4980) - Num(TLsol.value_or(0)) * Num(22.4);
    surface().Circle(x.value(), y.value(), 100, colour::red);
    table.series(QStringLiteral("soluzione"), {QStringLiteral("R_km"), QStringLiteral("TL_dB")})
        .add({Rsol.value_or(0), TLsol.value_or(0)});
}

}  // namespace px
