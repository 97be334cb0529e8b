#include "line_array.h"

#include <optional>

#include "export.h"
#include "numbers.h"
#include "plot_frames.h"

namespace px {

Form6::Form6() : Screen(QStringLiteral("Form6"), QStringLiteral("Calcolo direttività base lineare"), sans(9.6)) {
    const Look red = inColour(colour::red);
    // clang-format off
    Label5   = label("Label5", "Impostazione dati:", {7320, 1200, 3255, 375}, sans(13.2));
    Label1   = label("Label1", "Freq. KHz", {7200, 1680, 1095, 255});
    Text1    = field("Text1", "1", {7320, 2040, 735, 375}, sans(13.2));
    Text1->setToolTip(QStringLiteral("Frequenza in kHz"));
    Label6   = label("Label6", "Lunghezza. m.", {8520, 1680, 1695, 255});
    Text2    = field("Text2", "1", {8880, 2040, 735, 375}, sans(13.2));
    Text2->setToolTip(QStringLiteral("Lunghezza della base, in metri"));
    Command1 = button("Command1", "Calcolo", {7560, 4320, 1455, 720}, sans(9.6));
    Label2   = label("Label2", "Larghezza completa del lobo", {8640, 5160, 3015, 255}, red);
    Label4   = label("Label4", "Llarghezza del lobo di direttività    a -3dB  (in gradi)", {7080, 5640, 3495, 495});
    Label3   = result("Label3", {10560, 5520, 855, 495}, sans(13.2));
    Label8   = label("Label8", "Larghezza del lobo di direttività  a -6 dB  (in gradi)", {7080, 6720, 3495, 495});
    Label9   = result("Label9", {10560, 6600, 855, 495}, sans(13.2));
    Label7   = label("Label7", "(DI) Guadagno di direttività  in dB", {6600, 7920, 3495, 375});
    Label10  = result("Label10", {10560, 7680, 855, 495}, sans(13.2));
    Label12  = label("Label12", "+ 1", {135, 375, 285, 195}, kDialogFont);
    Label13  = label("Label13", "0", {255, 2655, 120, 195}, kDialogFont);
    Label14  = label("Label14", "- 1", {255, 4815, 240, 195}, kDialogFont);
    Label11  = label("Label11", "100°", {6720, 2880, 375, 255}, kDialogFont);
    Label16  = label("Label16", "angolo rispetto all'asse della base", {7080, 2655, 2355, 195}, kDialogFont);
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    onClick(Command1, &Form6::Command1_Click);
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, QStringLiteral("angolo"), QStringLiteral("°")},
                                              {2740, -2240, false, QStringLiteral("P"), QString()}}};
    tabOrder({Text1, Text2, Command1});
}

void Form6::Form_Paint() { drawDirectivityFrame(surface()); }

void Form6::Command1_Click() { dircalc(); }

void Form6::dircalc() {
    surface().Clear();
    drawDirectivityFrame(surface());
    const Num L = Val(Text2->utf8());
    const Num f = Val(Text1->utf8());
    std::optional<double> theta3, theta6;
    results::Table& table = results::of(*this);
    table.input(Label1->caption(), Text1->text());
    table.input(Label6->caption(), Text2->text());
    results::Series& drawn = table.series(QString(), {QStringLiteral("angolo_gradi"), QStringLiteral("P")});
    Num lambda;
    for (double theta = 0.1; theta <= 100; theta = theta + 0.1) {
        if (f == 0) return;
        lambda = Num(1.53) / f;
        if (L == 0) return;
        const Num th = theta;
        const Num x = sin(th * (Num(3.14159) / 180)) * (L * 3.14159 / lambda);
        const Num P = sin(x) / x;
        // The last angle inside a window is the one kept.
        if (0.68 < P && P < 0.707) theta3 = theta;
        if (0.48 < P && P < 0.5) theta6 = theta;
        surface().Point((Num(500) + Num(64.4) * th).value(), (Num(2740) - Num(2240) * P).value(), colour::blue);
        drawn.add({theta, P.value()});
    }
    // An angle that no step found counts as 0.
    Label3->setCaption(QString::fromStdString(Format((Num(2) * theta3.value_or(0)).value(), "###.0")));
    Label9->setCaption(QString::fromStdString(Format((Num(2) * theta6.value_or(0)).value(), "###.0")));
    // Length and frequency of opposite signs make the ratio negative: its logarithm faults here, the widths shown.
    const Num DI = Num(10) * ln(Num(2) * L / lambda) / ln(Num(10));
    Label10->setCaption(QString::fromStdString(Format(DI.value(), "###.#")));
}

}  // namespace px
