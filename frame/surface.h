// The drawing surface of a screen: Point, Line, Circle, Clear and Print in twips on the client area.
//
// What was drawn since the last Clear is kept as a display list (primitive, single-precision twips, colour) and
// rendered into a cached image at the display's pixel ratio; the window's paint only blits that image.  So a
// curve drawn by "Calcolo" survives covering and uncovering, a graph computes its curves once, and tests read
// exactly what was drawn.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

namespace px {

struct Primitive {
    enum Kind : std::uint8_t { Point, Line, Circle, Text };
    Kind kind;
    float x1, y1, x2, y2;  // Point: (x1, y1); Line: (x1, y1)-(x2, y2); Circle: centre (x1, y1), radius x2
    QRgb colour;
    int text = -1;  // Text: index into the surface's texts
};

// A dotted grid: vertical lines every `lineEveryX` twips across `width`, each a row of points every `dotEveryY`
// twips down `height`; then horizontal lines every `lineEveryY`, each a row of points every `dotEveryX`.  Every
// point in the foreground colour, at (left + X, top + Y), in this order.
struct DottedGrid {
    int left, top, width, height;
    int lineEveryX, dotEveryY, lineEveryY, dotEveryX;
};

class Surface;
void drawDottedGrid(Surface& surface, const DottedGrid& grid);

class Surface {
public:
    Surface();

    // The foreground colour (the system's button-text colour) serves every primitive drawn without a colour.
    // Coordinates are kept in single precision: one beyond single range throws Fault(Overflow), as CSng does.
    void Point(double x, double y);
    void Point(double x, double y, const QColor& colour);
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, const QColor& colour);
    void Circle(double x, double y, double r, const QColor& colour);
    // Clears the drawing (the controls stay) and moves the print position to (0, 0).
    void Clear();
    // Writes the text at the print position in the surface's font, then moves to the start of the next line.
    void Print(const QString& text = QString());
    // Writes the text at the print position and stays on the same line, after the text.
    void PrintInline(const QString& text);
    double currentX() const { return printX_; }
    double currentY() const { return printY_; }
    void setCurrentX(double x) { printX_ = x; }
    void setCurrentY(double y) { printY_ = y; }

    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    QColor foreground() const { return QColor::fromRgb(foreground_); }
    QColor background() const { return QColor::fromRgb(background_); }
    void setBackground(const QColor& colour);

    // Makes room for that many primitives in all, so that a long curve is not copied as its list grows.
    void reserve(std::size_t primitives) { list_.reserve(primitives); }

    // What was drawn since the last Clear, in drawing order.
    const std::vector<Primitive>& primitives() const { return list_; }
    const QString& textOf(const Primitive& p) const { return texts_[static_cast<std::size_t>(p.text)]; }
    // Bumped by every Clear; tells a cached image that it must start afresh.
    std::uint64_t generation() const { return generation_; }

    // Paints the drawing into a widget's painter, for a client area of `size` pixels at `pixelRatio`.  The cached
    // image is brought up to date incrementally: only primitives added since the last paint are rendered.
    void paint(QPainter& painter, QSize size, double pixelRatio);

private:
    void add(Primitive p);
    void render(std::size_t from);

    std::vector<Primitive> list_;
    std::vector<QString> texts_;
    QRgb foreground_;
    QRgb background_;
    QFont font_;
    double printX_ = 0, printY_ = 0;
    std::uint64_t generation_ = 0;

    QImage cache_;
    double cacheRatio_ = 0;
    std::uint64_t cacheGeneration_ = ~0ull;
    std::size_t rendered_ = 0;
};

}  // namespace px
