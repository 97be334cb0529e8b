#include "decade_caption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace px::noise {

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

}  // namespace px::noise
