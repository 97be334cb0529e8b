#include "directivity_screen.h"

#include "export.h"
#include "numbers.h"
#include "plot_frames.h"

namespace px {

DirectivityScreen::DirectivityScreen(const QString& name, const QString& caption, Model model)
    : Screen(name, caption, sans(9.6)), model_(model) {}

void DirectivityScreen::connectLayout() {
    onClick(Command1, &DirectivityScreen::Command1_Click);
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, tr("angolo"), QStringLiteral("°")},
                                              {2740, -2240, false, QStringLiteral("P"), QString()}}};
    tabOrder({Text1, Text2, Command1});
}

void DirectivityScreen::Form_Paint() { drawDirectivityFrame(surface()); }

void DirectivityScreen::Command1_Click() { dircalc(); }

void DirectivityScreen::dircalc() {
    surface().Clear();
    drawDirectivityFrame(surface());
    const double size = Val(Text2->utf8());
    const double f = Val(Text1->utf8());
    results::Table& table = results::of(*this);
    table.input(Label1->caption(), Text1->text());
    table.input(Label6->caption(), Text2->text());
    results::Series& drawn = table.series(QString(), {tr("angolo_gradi"), QStringLiteral("P")});
    const transducers::Aperture face{f, size};
    const auto widths = model_.pattern(face, [&](double theta, double P) {
        const Num th = theta;
        surface().Point((Num(500) + Num(64.4) * th).value(), (Num(2740) - Num(2240) * Num(P)).value(),
                        colour::blue);
        drawn.add({theta, P});
    });
    if (!widths) return;
    Label3->setCaption(QString::fromStdString(Format(widths->minus3dB, "###.0")));
    Label9->setCaption(QString::fromStdString(Format(widths->minus6dB, "###.0")));
    Label10->setCaption(QString::fromStdString(Format(model_.index(face), "###.#")));
}

}  // namespace px
