#include "detection_screen.h"

namespace px {

DetectionRangeScreen::DetectionRangeScreen(const QString& name, const QString& caption, Scales scales)
    : Screen(name, caption, kDialogFont), scales_(scales) {}

const FontSpec& DetectionRangeScreen::fieldFont() {
    static const FontSpec font = sans(8.4);
    return font;
}

ChoiceBox* DetectionRangeScreen::lawChoice(Rect r) {
    return choice(QStringLiteral("Combo1"), tr("Propagazione"), {tr("Sferica"), tr("Sfer.cil.")}, r, fieldFont());
}

std::optional<propagation::Law> DetectionRangeScreen::law() const {
    const QString text = Combo1->text();
    if (text == tr("Sferica")) return propagation::Law::Spherical;
    if (text == tr("Sfer.cil.")) return propagation::Law::SphericalCylindrical;
    return std::nullopt;
}

void DetectionRangeScreen::commonTips() {
    Combo1->setToolTip(tr("Legge di propagazione: sferica o sferico-cilindrica"));
    Text4->setToolTip(tr("Livello spettrale NL del rumore del mare, in dB"));
    Text5->setToolTip(tr("Indice di direttività DI del ricevitore, in dB"));
    Text8->setToolTip(tr("Indice d di scoperta e falso allarme (curve ROC), numero puro"));
}

void DetectionRangeScreen::Command1_Click() { calcoloportata(); }

void DetectionRangeScreen::Form_Paint() { cornice(); }

void DetectionRangeScreen::cornice() {
    const int top = scales_.top;
    drawDottedGrid(surface(), {500, top, 6440, 4480, 322, 28, 224, 42});
    surface().Line(500, top, 500, top + 4480);
    surface().Line(500, top + 4480, 7100, top + 4480);
}

propagation::CurveSink DetectionRangeScreen::drawing(results::Series& curve) {
    return [this, &curve](double R, Num loss, Num limit) {
        const Num origin = scales_.top + 4480;
        const Num x = Num(R) * Num(scales_.perKm) + Num(500);
        surface().Point(x.value(), (origin - loss * Num(scales_.perDb)).value(), colour::blue);
        surface().Point(x.value(), (origin - limit * Num(scales_.perDb)).value(), colour::red);
        curve.add({R, loss.value(), limit.value()});
    };
}

void DetectionRangeScreen::calcoloportata() {
    surface().Clear();
    cornice();
    results::Table& table = results::of(*this);
    const propagation::Solution found = compute(table);

    // The marker sits on the origin when there is no solution.
    const Num x = Num(found.range.value_or(0)) * Num(scales_.perKm) + Num(500);
    const Num y = Num(scales_.top + 4480) - Num(found.loss.value_or(0)) * Num(22.4);
    surface().Circle(x.value(), y.value(), 100, colour::red);
    results::Series& solution = table.series(tr("soluzione"), {QStringLiteral("R_km"), QStringLiteral("TL_dB")});
    if (solutionAxis) solution.y = *solutionAxis;
    solution.add({found.range.value_or(0), found.loss.value_or(0)});
}

}  // namespace px
