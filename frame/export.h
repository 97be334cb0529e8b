// What a screen computed, taken out of the program: its drawing as a picture (PNG, SVG, PDF, the clipboard, the
// printer), its numbers as CSV, and a readout of the plot under the mouse.
//
// A drawing screen publishes its numbers in a results table as its procedure computes them: the model's own
// values, before they become twips, one row a drawn point, in series (a curve, the curves of a comparison, a
// solution), with the inputs that produced them.  The table follows the surface: once the surface has been
// cleared, the rows recorded before are gone, so the table always holds what is drawn.  A graph whose points are
// many and fixed records nothing while it draws: it names a maker that computes the same values on demand.
//
// The frame's context menu, the shortcuts and the driver read the table; no screen is named here.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QPainter;
class QWidget;

namespace px {

class Screen;
class Surface;

namespace results {

// A plot's axis: the twip of a value v is at + per·v, or at + per·log10(v) on a logarithmic axis.
struct Axis {
    double at = 0;
    double per = 1;
    bool log = false;
    QString name;  // the quantity, as the readout names it: "f"
    QString unit;  // its unit: "Hz"
    double twipOf(double v) const;
    double valueAt(double twip) const;
};

// One plot of a screen: the area of its frame in twips and its two axes.
struct Plot {
    QRectF area;
    Axis x, y;
};

// A series of rows: the first column the abscissa, the others values on the ordinate of the series' plot (on its
// own axis where the series is drawn at another scale).  Column names carry their unit: "frequenza_Hz".
struct Series {
    QString name;
    QStringList columns;
    std::vector<double> cells;  // row after row
    int plot = 0;
    std::optional<Axis> y;
    bool readable = true;  // whether the readout looks for the nearest point among its rows
    std::size_t rows() const {
        return columns.isEmpty() ? 0 : cells.size() / static_cast<std::size_t>(columns.size());
    }
    void add(std::initializer_list<double> row) { cells.insert(cells.end(), row.begin(), row.end()); }
};

class Table {
public:
    // Forgets the rows, inputs and series (the plots, the maker and the report stay).
    void clear();
    // A new series; the reference holds until the next series is added or the table is cleared.
    Series& series(const QString& name, const QStringList& columns, int plot = 0);
    // The inputs that produced the drawing, as "caption = value" lines.
    void input(const QString& caption, const QString& value);

    QStringList inputs;
    std::vector<Series> all;
    std::vector<Plot> plots;
    // Computes the rows on demand, for a graph that records nothing while it draws.
    std::function<void(Table&)> maker;
    // A drawing that is a printed report: its plain text, exported as it stands.
    std::function<QString()> report;

    // The surface generation the rows belong to; set by of().
    std::uint64_t generation = ~0ull;
    bool made = false;
};

// The table of a screen.  Rows recorded before the surface's last clear are forgotten here.
Table& of(Screen& screen);
// The table with its rows made: the maker runs once per drawing.
Table& filled(Screen& screen);

}  // namespace results

namespace exporting {

enum class Format { Png, Svg, Csv, Pdf };
std::optional<Format> formatNamed(const QString& name);
QString extensionOf(Format f);

// The bytes of each export of a screen (the drawing is made first if the window has not been painted).
QByteArray png(Screen& screen);
QByteArray svg(Screen& screen);
QByteArray csv(Screen& screen);
QByteArray pdf(Screen& screen);
QByteArray bytesOf(Screen& screen, Format f);

// Writes the bytes to the file through a temporary file that replaces it only once complete.  An empty string on
// success; otherwise the reason, and the file as it was before.
QString save(const QString& file, const QByteArray& bytes);
// Exports the screen to the file; the reason of a failure, or an empty string.
QString write(Screen& screen, Format f, const QString& file);

// The file name a save dialog proposes: the screen's title, without characters a file system refuses.
QString proposedName(const Screen& screen, Format f);

// The readout at a point of the window, in twips: the quantities at the pointer on the plot's axes and the
// nearest computed point with its values.  Empty outside every plot.
QString readout(Screen& screen, QPointF twips);

// Whether a painter draws for a vector device (an SVG or PDF file, a printer), where the drawing is painted as
// vectors instead of the window's cached image.
bool paintsVectors(const QPainter& painter);
// Paints the display list as vectors: lines, circles, texts, and points as one-pixel squares.
void paintVectors(const Surface& surface, QPainter& painter);

// The fields of a screen, and its results too if asked, as "caption value" lines in the screen's order: each
// field, choice and bordered result label after the caption placed before it.
QStringList inputsOf(Screen& screen, bool withResults);

// Gives a screen its context menu, shortcuts and readout.
void attach(Screen& screen);

// Where a failed write is told: a message box naming the file and the reason, unless a test installs its own.
using FailureSink = std::function<void(const QString& message)>;
void setFailureSink(FailureSink sink);
// Where the file to write is chosen: a save dialog, unless a test installs its own chooser, which receives the
// name the dialog would propose and answers the file (an empty answer cancels).
using FileChooser = std::function<QString(const QString& proposed)>;
void setFileChooser(FileChooser chooser);

// The message of a failed write.
QString failureMessage(const QString& file, const QString& reason);

}  // namespace exporting

}  // namespace px
