// The drawing surface of a screen: Point, Line, Circle, Clear and Print in twips on the client area.
//
// What was drawn since the last Clear is kept as a display list and rendered into a cached image at the display's
// pixel ratio; the window's paint only blits that image.  So a curve drawn by "Calcolo" survives covering and
// uncovering, a graph computes its curves once, and tests read exactly what was drawn.
//
// The list is compact: drawing order is kept as runs of one kind of primitive, each run storing its kind and its
// colours once and every primitive as its single-precision coordinates only (a point, two floats).  A run's
// colours go round in a cycle, so that curves drawn point by point in turn (red, blue, red, blue, ...) stay one
// run.  A graph whose count of points is known asks for them all at once and writes their coordinates in place.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "memory.h"

class QPainter;

namespace px {

// One primitive as drawn, read back from the display list.
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

    // Draws `count` points at once, their colours going round `colours` (the i-th point takes colour i modulo
    // their number), and returns their 2 count coordinates, x then y of each point in drawing order, for the
    // caller to fill before anything else is drawn or painted.  The coordinates are single precision, as Point
    // stores them.  With no colour, or more than 65 535, nothing is drawn and the span is empty.
    std::span<float> Points(std::size_t count, std::span<const QRgb> colours);
    // Makes room for that many more points, so that a long curve is not copied as the list grows.  The room grows
    // at least twofold when it grows, so that many curves drawn in turn cost their points and no copying each.
    void reserve(std::size_t points);

    // How many primitives were drawn since the last Clear.
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // Calls visit(primitive) for what was drawn since the last Clear, in drawing order.
    template <class Visit>
    void forEach(Visit&& visit) const;
    // What was drawn since the last Clear, in drawing order.
    std::vector<Primitive> primitives() const;
    // Every coordinate drawn, in drawing order, without copying: two floats for a point or a text's place, three
    // for a circle, four for a line.
    std::span<const float> coordinates() const { return {coords_.data(), coords_.size()}; }
    const QString& textOf(const Primitive& p) const { return texts_[static_cast<std::size_t>(p.text)]; }
    // Bumped by every Clear; tells a cached image that it must start afresh.
    std::uint64_t generation() const { return generation_; }

    // Paints the drawing into a widget's painter, for a client area of `size` pixels at `pixelRatio`.  The cached
    // image is brought up to date incrementally: only primitives added since the last paint are rendered.  While
    // nothing is drawn there is no image; the image is filled afresh, not made anew, while its size stays.
    void paint(QPainter& painter, QSize size, double pixelRatio);

private:
    // Floats a run takes for each of its primitives.
    static constexpr std::size_t floatsOf(Primitive::Kind kind) {
        return kind == Primitive::Line ? 4 : kind == Primitive::Circle ? 3 : 2;
    }
    // Primitives of one kind, drawn one after the other; the i-th takes colour i modulo `period` of the palette
    // from `palette` on.
    struct Run {
        Primitive::Kind kind;
        std::uint16_t period;
        std::uint32_t palette;
        std::size_t count;
        std::size_t at;  // the first coordinate in coords_
    };
    // A vector of coordinates that a resize leaves unset: a curve's coordinates are written once, by its maker.
    // A long list is mapped on its own (memory::allocate), so that its growth leaves no copies in the heap.
    template <class T>
    struct Unset : std::allocator<T> {
        using value_type = T;
        template <class U>
        struct rebind {
            using other = Unset<U>;
        };
        Unset() = default;
        template <class U>
        Unset(const Unset<U>&) {}
        T* allocate(std::size_t n) { return static_cast<T*>(memory::allocate(n * sizeof(T))); }
        void deallocate(T* p, std::size_t n) noexcept { memory::release(p, n * sizeof(T)); }
        template <class U>
        void construct(U* p) {
            ::new (static_cast<void*>(p)) U;
        }
        template <class U, class... A>
        void construct(U* p, A&&... a) {
            ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
        }
    };

    float* add(Primitive::Kind kind, QRgb colour);
    void render();

    std::vector<Run> runs_;
    std::vector<float, Unset<float>> coords_;
    std::vector<QRgb> palette_;
    std::vector<QString> texts_;
    std::size_t size_ = 0;
    QRgb foreground_;
    QRgb background_;
    QFont font_;
    double printX_ = 0, printY_ = 0;
    std::uint64_t generation_ = 0;

    QImage cache_;
    double cacheRatio_ = 0;
    std::uint64_t cacheGeneration_ = ~0ull;
    // What the image shows: every run before renderedRun_, and renderedCount_ primitives of that run.
    std::size_t renderedRun_ = 0;
    std::size_t renderedCount_ = 0;
};

template <class Visit>
void Surface::forEach(Visit&& visit) const {
    int text = 0;
    for (const Run& r : runs_) {
        const float* c = coords_.data() + r.at;
        const std::size_t n = floatsOf(r.kind);
        std::size_t phase = 0;
        for (std::size_t i = 0; i < r.count; ++i, c += n) {
            Primitive p{r.kind, c[0], c[1], 0, 0, palette_[r.palette + phase], -1};
            if (r.kind == Primitive::Line) {
                p.x2 = c[2];
                p.y2 = c[3];
            } else if (r.kind == Primitive::Circle) {
                p.x2 = c[2];
            } else if (r.kind == Primitive::Text) {
                p.text = text++;
            }
            visit(static_cast<const Primitive&>(p));
            if (++phase == r.period) phase = 0;
        }
    }
}

}  // namespace px
