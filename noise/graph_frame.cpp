#include "graph_frame.h"

#include <algorithm>
#include <thread>

#include "noise_models.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "numbers.h"

namespace px::noise {

void drawSpectrumFrame(Surface& surface) {
    for (int y = 200; y <= 6600; y += 40)
        for (int k = 0; k <= 2; ++k)
            for (int m = 1; m <= 10; ++m) {
                const Num x = Num(kLeft) + Num(kDecade) * k + Num(kDecade) * ln(Num(m)) / ln(Num(10));
                surface.Point(x.value(), y, colour::black);
            }
    for (int y = 200; y <= 6600; y += 320)
        for (int x = 400; x <= 9600; x += 60)
            surface.Point(x, y);
    surface.Line(kLeft, kBottom, kRight, kBottom, colour::black);
    surface.Line(kLeft, kTop, kLeft, kBottom, colour::black);
}

DecadeCaption::DecadeCaption(QWidget* parent, const QString& name, const QString& caption, Rect place,
                             FontSpec font, std::array<double, 4> decades)
    : Label(parent, name, caption, place, font, Look{}), decades_(decades) {
    setFocusPolicy(Qt::NoFocus);
}

std::vector<DecadeCaption::Word> DecadeCaption::layout() const {
    const QFontMetricsF fm(fittedFont());
    const double blank = fm.horizontalAdvance(QLatin1Char(' '));
    const QString text = caption();
    std::vector<Word> words;
    double pen = contentsRect().left();
    int blanks = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QLatin1Char(' ')) {
            ++blanks;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end] != QLatin1Char(' '))
            ++end;
        const QString word = text.mid(i, end - i);
        const double width = fm.horizontalAdvance(word);
        double left = pen + blanks * blank;
        if (words.size() < decades_.size()) {
            // The decade line in pixels of this label: the same rounding as a point drawn at that x.
            const double line = std::floor(decades_[words.size()] * twips::scale() + 0.5) - x();
            left = line + 0.5 - width / 2;
        }
        words.push_back({word, left});
        pen = left + width;
        blanks = 0;
        i = end;
    }
    return words;
}

void DecadeCaption::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setFont(fittedFont());
    p.setPen(palette().color(QPalette::WindowText));
    const double baseline = contentsRect().top() + QFontMetricsF(fittedFont()).ascent();
    for (const Word& w : layout())
        p.drawText(QPointF(w.left, baseline), w.text);
}

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

std::vector<SweepStep> sweep(double k, double ln10) {
    std::vector<double> frequencies;
    frequencies.reserve(kSweepPoints);
    for (double f = kSweepFrom; f <= kSweepTo; f = f + kSweepStep)
        frequencies.push_back(f);

    std::vector<SweepStep> steps(frequencies.size());
    auto compute = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            steps[i] = SweepStep{sweepX(frequencies[i], ln10), octaveDrop(frequencies[i], k, ln10)};
    };
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    const std::size_t share = (frequencies.size() + workers - 1) / workers;
    std::vector<std::thread> helpers;
    for (std::size_t w = 1; w < workers; ++w)
        helpers.emplace_back(compute, std::min(frequencies.size(), w * share),
                             std::min(frequencies.size(), (w + 1) * share));
    compute(0, std::min(frequencies.size(), share));
    for (std::thread& t : helpers)
        t.join();
    return steps;
}

}  // namespace px::noise
