#include "rectangular_source.h"

#include "directivity_model.h"
#include "numbers.h"

namespace px {

Form9::Form9()
    : Screen(QStringLiteral("Form9"),
             tr("Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata"), sans(9.6)) {
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {240, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {120, 840, 1095, 495});
    Text1    = field("Text1", "1", {120, 1200, 735, 375}, sans(13.2));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label6   = label("Label6", tr("Larghezza cm."), {1920, 840, 1575, 375});
    Text2    = field("Text2", "1", {2160, 1200, 735, 375}, sans(13.2));
    Text2->setToolTip(tr("Larghezza della sorgente, in cm"));
    Label2   = label("Label2", tr("Altezza  cm."), {3960, 840, 1455, 375});
    Text3    = field("Text3", "1", {4080, 1200, 735, 375}, sans(13.2));
    Text3->setToolTip(tr("Altezza della sorgente, in cm"));
    Command1 = button("Command1", tr("Calcolo"), {480, 3840, 1455, 720}, sans(9.6));
    Label4   = label("Label4", tr("(DI) Guadagno in dB"), {2760, 4200, 2175, 255});
    Label3   = result("Label3", {5040, 4080, 855, 495}, sans(13.2));
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    onClick(Command1, &Form9::Command1_Click);
    tabOrder({Text1, Text2, Text3, Command1});
}

void Form9::Command1_Click() { calcologuad(); }

void Form9::calcologuad() {
    const double f = Val(Text1->utf8());
    const double W = Val(Text2->utf8());
    const double H = Val(Text3->utf8());
    const std::optional<double> DI = transducers::rectangularDirectivityIndex(f, W, H);
    if (DI) Label3->setCaption(QString::fromStdString(Format(*DI, "##.#")));
}

}  // namespace px
