#include "report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

#include "controls.h"
#include "surface.h"

namespace px {

void ReportPrinter::follow() {
    if (generation_ != surface_.generation()) {
        lines_.clear();
        generation_ = surface_.generation();
    }
}

void ReportPrinter::line(const lines::Line& items) {
    follow();
    QString plain;
    for (const lines::Item& item : items) {
        if (item.kind == lines::Item::Tab) {
            tabTo(item.column, plain);
        } else {
            const QString text = QCoreApplication::translate("Correlation", item.text.c_str());
            surface_.PrintInline(text);
            plain += text;
        }
    }
    surface_.Print();
    lines_.append(plain);
}

// A column is the font's average character width; a column already passed is taken on the next line.
void ReportPrinter::tabTo(int column, QString& plain) {
    const int c = std::max(column, 1) - 1;
    const double x = c * QFontMetricsF(surface_.font()).averageCharWidth() / twips::scale();
    if (surface_.currentX() > x) {
        surface_.Print();
        lines_.append(plain);
        plain.clear();
    }
    surface_.setCurrentX(x);
    if (plain.size() < c) plain += QString(c - plain.size(), QLatin1Char(' '));
}

QString ReportPrinter::plainText() const {
    if (generation_ != surface_.generation()) return {};
    QString out;
    for (const QString& l : lines_)
        out += l + QLatin1Char('\n');
    return out;
}

}  // namespace px
