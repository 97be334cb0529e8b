#include "rectangular_source.h"

#include "numbers.h"

namespace px {

Form9::Form9()
    : Screen(QStringLiteral("Form9"),
             QStringLiteral("Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata"),
             sans(9.6)) {
    // clang-format off
    Label5   = label("Label5", "Impostazione dati:", {240, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", "Freq. KHz", {120, 840, 1095, 495});
    Text1    = field("Text1", "1", {120, 1200, 735, 375}, sans(13.2));
    Text1->setToolTip(QStringLiteral("Frequenza in kHz"));
    Label6   = label("Label6", "Larghezza cm.", {1920, 840, 1575, 375});
    Text2    = field("Text2", "1", {2160, 1200, 735, 375}, sans(13.2));
    Text2->setToolTip(QStringLiteral("Larghezza della sorgente, in cm"));
    Label2   = label("Label2", "Altezza  cm.", {3960, 840, 1455, 375});
    Text3    = field("Text3", "1", {4080, 1200, 735, 375}, sans(13.2));
    Text3->setToolTip(QStringLiteral("Altezza della sorgente, in cm"));
    Command1 = button("Command1", "Calcolo", {480, 3840, 1455, 720}, sans(9.6));
    Label4   = label("Label4", "(DI) Guadagno in dB", {2760, 4200, 2175, 255});
    Label3   = result("Label3", {5040, 4080, 855, 495}, sans(13.2));
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    onClick(Command1, &Form9::Command1_Click);
    tabOrder({Text1, Text2, Text3, Command1});
}

void Form9::Command1_Click() { calcologuad(); }

void Form9::calcologuad() {
    const Num f = Val(Text1->utf8());
    const Num W = Val(Text2->utf8());
    const Num H = Val(Text3->utf8());
    if (W == 0 || H == 0 || f == 0) return;
    const Num lambda = Num(1.53) / f;
    // 4 pi A / lambda^2, the sides turned into metres one by one; sides of opposite signs fault at the logarithm.
    const Num G = H / 100 * (W / 100 * 12.56) / (lambda * lambda);
    const Num DI = Num(10) * ln(G) / ln(Num(10));
    Label3->setCaption(QString::fromStdString(Format(DI.value(), "##.#")));
}

}  // namespace px
