// The printed reports of the workbench: lines of items written on the window's surface from its top-left corner
// after a clear.  A text item is written as it stands; a number in its text form (7 significant digits for a
// single-precision value, 15 for a double, digits for a whole number) with a blank in place of a plus sign and
// one blank after; a tab item moves to a character column (from 1) of the surface's font.  Every statement ends
// its line; an empty statement gives an empty line.
//
// The printer also keeps the plain text of the lines printed since the surface was last cleared (tabs as blanks),
// so that a report longer than the window can be copied whole.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "report_lines.h"

namespace px {

class Surface;

struct ReportItem {
    enum Kind : std::uint8_t { Text, Tab };
    Kind kind = Text;
    QString text;    // Text: what is written
    int column = 1;  // Tab: the character column, from 1
};

// The text of a number item: " 1.5 ", "-2 ".
QString reportNumber(double value);  // double precision: up to 15 significant digits
QString reportNumber(float value);   // single precision: up to 7 significant digits
QString reportNumber(int value);     // a whole number held as an integer
inline QString reportNumber(std::int16_t value) { return reportNumber(static_cast<int>(value)); }

// Items, built before anything of their statement is written: a number item's value is known, and a Format that
// faults stops the statement before its line appears.
inline ReportItem txt(const QString& t) { return {ReportItem::Text, t, 1}; }
inline ReportItem txt(const char* t) { return {ReportItem::Text, QString::fromUtf8(t), 1}; }
inline ReportItem txt(const std::string& t) { return {ReportItem::Text, QString::fromStdString(t), 1}; }
template <class T>
ReportItem num(T value) {
    return {ReportItem::Text, reportNumber(value), 1};
}
inline ReportItem tab(int column) { return {ReportItem::Tab, QString(), column}; }

class ReportPrinter {
public:
    explicit ReportPrinter(Surface& surface) : surface_(surface) {}

    // One output statement: its items in order, then the start of the next line.  No items: an empty line.
    void line(std::initializer_list<ReportItem> items);
    void line(const std::vector<ReportItem>& items);
    void line() { line(std::vector<ReportItem>{}); }
    // A line a computation handed on.
    void line(const lines::Line& items);

    // The plain text of the lines printed since the surface's last clear, each ended by a line feed.
    QString plainText() const;

private:
    void follow();  // forgets the lines of a drawing that has been cleared since
    void tabTo(int column, QString& plain);

    Surface& surface_;
    QStringList lines_;
    std::uint64_t generation_ = ~0ull;
};

}  // namespace px
