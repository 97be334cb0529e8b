#include "report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

#include "controls.h"
#include "numbers.h"
#include "surface.h"

namespace px {

QString reportNumber(double value) { return QString::fromStdString(lines::number(value)); }
QString reportNumber(float value) { return QString::fromStdString(lines::number(value)); }
QString reportNumber(int value) { return QString::fromStdString(lines::number(value)); }

void ReportPrinter::follow() {
    if (generation_ != surface_.generation()) {
        lines_.clear();
        generation_ = surface_.generation();
    }
}

void ReportPrinter::line(std::initializer_list<ReportItem> items) { line(std::vector<ReportItem>(items)); }

void ReportPrinter::line(const lines::Line& items) {
    std::vector<ReportItem> shown;
    shown.reserve(items.size());
    // A text the computations mark in the "Correlation" context is shown in the reading of the day; a number, or
    // any text without a translation, as it stands.
    for (const lines::Item& item : items)
        shown.push_back(item.kind == lines::Item::Tab
                            ? tab(item.column)
                            : txt(QCoreApplication::translate("Correlation", item.text.c_str())));
    line(shown);
}

void ReportPrinter::line(const std::vector<ReportItem>& items) {
    follow();
    QString plain;
    for (const ReportItem& item : items) {
        if (item.kind == ReportItem::Tab) {
            tabTo(item.column, plain);
        } else {
            surface_.PrintInline(item.text);
            plain += item.text;
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
