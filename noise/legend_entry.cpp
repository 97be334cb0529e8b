#include "legend_entry.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace px::noise {

namespace {
// The contrast of two colours as the ratio of their relative luminances (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}
}  // namespace

LegendEntry::LegendEntry(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font,
                         const QColor& colour)
    : Label(parent, name, caption, place, font, inColour(colour)) {
    setFocusPolicy(Qt::NoFocus);
}

bool LegendEntry::outlined() const {
    return contrast(palette().color(QPalette::WindowText), palette().color(QPalette::Window)) < 3.0;
}

void LegendEntry::paintEvent(QPaintEvent* event) {
    if (!outlined()) {
        Label::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(fittedFont());
    QPainterPath letters;
    letters.addText(QPointF(contentsRect().left(), contentsRect().top() + fm.ascent()), fittedFont(), caption());
    // A stroke of 1.5 pixels centred on the outline of the letters: about three quarters of a pixel shows outside.
    p.strokePath(letters, QPen(QColor(48, 48, 48), 1.5));
    p.fillPath(letters, palette().color(QPalette::WindowText));
}

}  // namespace px::noise
