#include "bottom_reflection.h"

#include "export.h"
#include "geometry_model.h"
#include "numbers.h"
#include "plot_frames.h"
#include "reading.h"

namespace px {

namespace {
// The picture of the geometry names the bottom in the reading's language.
QString geometryPicture() {
    return reading::current() == reading::Reading::English ? QStringLiteral(":/transducers/geometry_en.svg")
                                                           : QStringLiteral(":/geometry.svg");
}
}  // namespace

Form8::Form8()
    : Screen(QStringLiteral("Form8"),
             tr("Misura della distanza di un bersaglio attivo mediante la riflessione dal fondo"), sans(9.6)) {
    const Look red = inColour(colour::red);
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {240, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Profondità  (h)       metri"), {120, 600, 1575, 495});
    Text1    = field("Text1", "1", {240, 1200, 855, 465}, sans(13.2));
    Text1->setToolTip(tr("Altezza h dal fondo, in metri"));
    Label6   = label("Label6", tr("Angolo di depressione  (b)          gradi"), {2040, 600, 3135, 495});
    Text2    = field("Text2", "1", {2160, 1200, 735, 375}, sans(13.2));
    Text2->setToolTip(tr("Angolo di depressione b, in gradi (da 5 a 50)"));
    Label2   = label("Label2", tr("Limiti: da 5° a 50°"), {3240, 1200, 1695, 375}, red);
    Picture1 = picture("Picture1", geometryPicture(), {2520, 1680, 3615, 2175});
    Command1 = button("Command1", tr("Calcolo"), {120, 3840, 1455, 720}, sans(9.6));
    Label4   = label("Label4", tr("Distanza   (d)         metri"), {3240, 4080, 1575, 495});
    Label3   = result("Label3", {5040, 4080, 1095, 495}, sans(13.2));
    Label9   = label("Label9", tr("  distanza"), {15, 5520, 675, 195}, kDialogFont, transparent());
    Label10  = label("Label10", "100 Km", {120, 5880, 735, 255}, kDialogFont, transparent());
    Label8   = label("Label8", tr("Il diagramma assume come valore di profondità il valore dell'impostazione dati"), {3860, 5880, 2175, 615}, kDialogFont);
    Label7   = label("Label7", tr("angolo di depressione"), {3855, 8040, 1545, 195}, kDialogFont, transparent());
    Label11  = label("Label11", "0        0", {240, 8120, 375, 375}, kDialogFont, transparent());
    Label12  = label("Label12", "50°", {3600, 8280, 300, 195}, kDialogFont, transparent());
    Picture2 = logo("Picture2", 1812, 972);
    // clang-format on
    onClick(Command1, &Form8::Command1_Click);
    results::of(*this).plots = {results::Plot{QRectF(500, 6000, 3220, 2240),
                                              {500, 64.4, false, tr("angolo di depressione"), QStringLiteral("°")},
                                              {8240, -0.0224, false, tr("distanza"), QStringLiteral("m")}}};
    tabOrder({Text1, Text2, Command1});
}

void Form8::drawFrame() {
    drawDiagramGrid(surface());
    drawDiagramVerticalAxis(surface());
    drawDiagramHorizontalAxis(surface());
}

void Form8::Form_Paint() { drawFrame(); }

void Form8::Command1_Click() { calcolodist(); }

void Form8::calcolodist() {
    surface().Clear();
    drawFrame();
    const double b = Val(Text2->utf8());
    const double h = Val(Text1->utf8());
    results::Table& table = results::of(*this);
    table.input(Label1->caption(), Text1->text());
    table.input(Label6->caption(), Text2->text());
    results::Series& drawn = table.series(QString(), {tr("angolo_gradi"), tr("distanza_m")});
    // The diagram at the height typed, then the result at the angle typed, not limited.
    transducers::bottomReflectionDiagram(h, [&](double a, double d) {
        surface().Point((Num(500) + Num(64.4) * a).value(), (Num(8240) - Num(0.0224) * d).value(), colour::blue);
        drawn.add({a, d});
    });
    Label3->setCaption(QString::fromStdString(Str(Int(transducers::bottomReflectionRange(h, b)))));
}

}  // namespace px
