#include "doppler.h"

#include "export.h"
#include "geometry_model.h"
#include "numbers.h"
#include "plot_frames.h"

namespace px {

Form7::Form7() : Screen(QStringLiteral("Form7"), tr("Calcolo della frequenza doppler"), sans(9.6)) {
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {360, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Ftx   in   KHz"), {240, 600, 1455, 255});
    Text1    = field("Text1", "1", {480, 1200, 735, 375}, sans(13.2));
    Text1->setToolTip(tr("Frequenza di emissione Ftx, in kHz"));
    Label6   = label("Label6", tr("Velocità in nodi"), {2280, 600, 2175, 375});
    Text2    = field("Text2", "1", {2640, 1200, 735, 375}, sans(13.2));
    Text2->setToolTip(tr("Velocità del mezzo, in nodi"));
    Command1 = button("Command1", tr("Calcolo"), {120, 3840, 1455, 720}, sans(9.6));
    Label4   = label("Label4", tr("Frequenza doppler in Hz"), {2520, 4200, 2655, 255});
    Label3   = result("Label3", {5160, 4080, 855, 495}, sans(13.2));
    Label2   = label("Label2", tr("\" frequenza doppler\""), {0, 5640, 1575, 255}, kDialogFont, transparent());
    Label10  = label("Label10", "5 KHz", {0, 5880, 615, 255}, kDialogFont, transparent());
    Label8   = label("Label8", tr("Il diagramma assume come velocità del mezzo il valore dell'impostazione dati"), {4100, 6120, 2175, 615}, kDialogFont);
    Label11  = label("Label11", "0       0", {360, 8130, 465, 435}, kDialogFont, transparent());
    Label7   = label("Label7", tr(" \"frequenza operativa\""), {3855, 8160, 1935, 255}, kDialogFont, transparent());
    Label12  = label("Label12", "100 KHz", {3480, 8400, 735, 255}, kDialogFont, transparent());
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    onClick(Command1, &Form7::Command1_Click);
    results::of(*this).plots = {
        results::Plot{QRectF(500, 6000, 3220, 2240),
                      {500, 32.2, false, tr("frequenza operativa"), QStringLiteral("kHz")},
                      {8240, -0.448, false, tr("frequenza doppler"), QStringLiteral("Hz")}}};
    tabOrder({Text1, Text2, Command1});
}

void Form7::drawFrame() {
    drawDiagramGrid(surface());
    drawDiagramHorizontalAxis(surface());
    drawDiagramVerticalAxis(surface());
}

void Form7::Form_Paint() { drawFrame(); }

void Form7::Command1_Click() { calcoldopp(); }

void Form7::calcoldopp() {
    surface().Clear();
    drawFrame();
    const double v = Val(Text2->utf8());
    const double f = Val(Text1->utf8());
    Label3->setCaption(QString::fromStdString(Format(transducers::dopplerShift(f, v), "#####")));
    // Its hundred thousand points are given room at once.
    results::Table& table = results::of(*this);
    table.input(Label1->caption(), Text1->text());
    table.input(Label6->caption(), Text2->text());
    results::Series& drawn = table.series(QString(), {tr("frequenza_kHz"), tr("frequenza_doppler_Hz")});
    drawn.cells.reserve(2 * 100001);
    surface().reserve(100001);
    transducers::dopplerDiagram(v, [&](double F, double fd) {
        surface().Point((Num(500) + Num(32.2) * F).value(), (Num(8240) - Num(0.448) * fd).value(), colour::blue);
        drawn.add({F, fd});
    });
}

}  // namespace px
