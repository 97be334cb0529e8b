// The printed reports of the workbench: the lines a computation hands on (report_lines.h), written on the window's
// surface from its top-left corner after a clear; a tab item moves to a character column (from 1) of the surface's
// font.
//
// The printer also keeps the plain text of the lines printed since the surface was last cleared (tabs as blanks),
// so that a report longer than the window can be copied whole.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "report_lines.h"

namespace px {

class Surface;

class ReportPrinter {
public:
    explicit ReportPrinter(Surface& surface) : surface_(surface) {}

    // One line a computation handed on: its items in order, then the start of the next line.  No items: an
    // empty line.  A text the computations mark in the "Correlation" context is shown in the reading of the day; a
    // number, or any text without a translation, as it stands.
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
