#include "surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "controls.h"
#include "numbers.h"

namespace px {

namespace {
// The most colours a run takes in turn before a new run starts.
constexpr std::uint16_t kLongestCycle = 8;
}  // namespace

Surface::Surface()
    : foreground_(colour::buttonText().rgb()),
      background_(colour::buttonFace().rgb()),
      font_(qtFont(kDialogFont)) {}

// Continues the last run where the primitive is of its kind and takes the next colour of its cycle (or, while the
// run has been round its colours once at most, extends the cycle); otherwise starts a run.  Returns where the
// primitive's coordinates go.
float* Surface::add(Primitive::Kind kind, QRgb colour) {
    Run* run = runs_.empty() ? nullptr : &runs_.back();
    if (run != nullptr && run->kind == kind) {
        const std::size_t phase = run->count % run->period;
        if (palette_[run->palette + phase] != colour) {
            if (run->count == run->period && run->period < kLongestCycle) {
                palette_.push_back(colour);
                ++run->period;
            } else {
                run = nullptr;
            }
        }
    } else {
        run = nullptr;
    }
    if (run == nullptr) {
        runs_.push_back(Run{kind, 1, static_cast<std::uint32_t>(palette_.size()), 0, coords_.size()});
        palette_.push_back(colour);
        run = &runs_.back();
    }
    ++run->count;
    ++size_;
    const std::size_t at = coords_.size();
    coords_.resize(at + floatsOf(kind));
    return coords_.data() + at;
}

void Surface::Point(double x, double y) { Point(x, y, QColor::fromRgb(foreground_)); }

void Surface::Point(double x, double y, const QColor& c) {
    // Both coordinates are checked before anything is added: a coordinate beyond single range is an overflow.
    const float px = CSng(x);
    const float py = CSng(y);
    float* p = add(Primitive::Point, c.rgb());
    p[0] = px;
    p[1] = py;
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, QColor::fromRgb(foreground_));
}

void Surface::Line(double x1, double y1, double x2, double y2, const QColor& c) {
    const float a = CSng(x1), b = CSng(y1), e = CSng(x2), f = CSng(y2);
    float* p = add(Primitive::Line, c.rgb());
    p[0] = a;
    p[1] = b;
    p[2] = e;
    p[3] = f;
}

void Surface::Circle(double x, double y, double r, const QColor& c) {
    const float cx = CSng(x), cy = CSng(y), cr = CSng(r);
    float* p = add(Primitive::Circle, c.rgb());
    p[0] = cx;
    p[1] = cy;
    p[2] = cr;
}

std::span<float> Surface::Points(std::size_t count, std::span<const QRgb> colours) {
    // One run for the whole curve, its colours a cycle as long as the caller gives, up to 65 535 colours.
    if (count == 0 || colours.empty() || colours.size() > 0xffff) return {};
    const std::size_t at = coords_.size();
    const auto period = static_cast<std::uint16_t>(colours.size());
    runs_.push_back(Run{Primitive::Point, period, static_cast<std::uint32_t>(palette_.size()), count, at});
    palette_.insert(palette_.end(), colours.begin(), colours.end());
    size_ += count;
    coords_.resize(at + 2 * count);
    return {coords_.data() + at, 2 * count};
}

void Surface::reserve(std::size_t points) {
    // The room grows geometrically: curves drawn one after another on the same frame (a comparison of many runs)
    // copy the list a logarithmic number of times in all, not once a curve.
    const std::size_t need = coords_.size() + 2 * points;
    if (need > coords_.capacity()) coords_.reserve(std::max(need, 2 * coords_.capacity()));
}

std::vector<Primitive> Surface::primitives() const {
    std::vector<Primitive> all;
    all.reserve(size_);
    forEach([&all](const Primitive& p) { all.push_back(p); });
    return all;
}

void drawDottedGrid(Surface& s, const DottedGrid& g) {
    for (int X = 0; X <= g.width; X += g.lineEveryX)
        for (int Y = 0; Y <= g.height; Y += g.dotEveryY)
            s.Point(g.left + X, g.top + Y);
    for (int Y = 0; Y <= g.height; Y += g.lineEveryY)
        for (int X = 0; X <= g.width; X += g.dotEveryX)
            s.Point(g.left + X, g.top + Y);
}

void Surface::Clear() {
    // The room stays: the next drawing, as long as this one, fills it again without asking for memory.
    runs_.clear();
    coords_.clear();
    palette_.clear();
    texts_.clear();
    size_ = 0;
    printX_ = 0;
    printY_ = 0;
    ++generation_;
}

void Surface::PrintInline(const QString& text) {
    if (!text.isEmpty()) {
        const float x = CSng(printX_);
        const float y = CSng(printY_);
        texts_.push_back(text);
        float* p = add(Primitive::Text, foreground_);
        p[0] = x;
        p[1] = y;
    }
    printX_ += QFontMetricsF(font_).horizontalAdvance(text) / twips::scale();
}

void Surface::Print(const QString& text) {
    PrintInline(text);
    printX_ = 0;
    printY_ += QFontMetricsF(font_).height() / twips::scale();
}

void Surface::setFont(const QFont& font) { font_ = font; }

void Surface::setBackground(const QColor& c) {
    background_ = c.rgb();
    ++generation_;
}

void Surface::paint(QPainter& painter, QSize size, double ratio) {
    if (size_ == 0) {
        // Nothing drawn: the background alone, without an image.
        cache_ = QImage();
        cacheGeneration_ = ~0ull;
        painter.fillRect(QRect(QPoint(0, 0), size), QColor::fromRgb(background_));
        return;
    }
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (cache_.size() != pixels || cacheRatio_ != ratio) {
        cache_ = QImage(pixels, QImage::Format_RGB32);
        cache_.setDevicePixelRatio(ratio);
        cacheRatio_ = ratio;
        cacheGeneration_ = ~0ull;
    }
    if (cacheGeneration_ != generation_ || renderedRun_ > runs_.size() ||
        (renderedRun_ < runs_.size() && renderedCount_ > runs_[renderedRun_].count)) {
        cache_.fill(background_);
        cacheGeneration_ = generation_;
        renderedRun_ = 0;
        renderedCount_ = 0;
    }
    render();
    painter.drawImage(QPointF(0, 0), cache_);
}

void Surface::render() {
    const double s = twips::scale() * cacheRatio_;  // device pixels per twip
    const int dot = std::max(1, static_cast<int>(std::lround(cacheRatio_)));
    const int w = cache_.width();
    const int h = cache_.height();
    const auto stride = static_cast<std::size_t>(cache_.bytesPerLine() / 4);
    auto* bits = reinterpret_cast<QRgb*>(cache_.bits());
    QPainter* painter = nullptr;
    auto ensurePainter = [&]() -> QPainter& {
        if (painter == nullptr) {
            painter = new QPainter(&cache_);
            painter->setRenderHint(QPainter::Antialiasing, false);
            // Work in device pixels: the image's own ratio is undone.
            painter->scale(1.0 / cacheRatio_, 1.0 / cacheRatio_);
        }
        return *painter;
    };
    // The texts before the first run to render, which the first text rendered follows.
    int text = 0;
    for (std::size_t r = 0; r < renderedRun_ && r < runs_.size(); ++r)
        if (runs_[r].kind == Primitive::Text) text += static_cast<int>(runs_[r].count);
    if (renderedRun_ < runs_.size() && runs_[renderedRun_].kind == Primitive::Text)
        text += static_cast<int>(renderedCount_);

    for (; renderedRun_ < runs_.size(); ++renderedRun_, renderedCount_ = 0) {
        const Run& run = runs_[renderedRun_];
        const std::size_t n = floatsOf(run.kind);
        const QRgb* colours = palette_.data() + run.palette;
        std::size_t phase = renderedCount_ % run.period;
        const float* c = coords_.data() + run.at + renderedCount_ * n;
        for (std::size_t i = renderedCount_; i < run.count; ++i, c += n) {
            const QRgb colour = colours[phase];
            if (++phase == run.period) phase = 0;
            switch (run.kind) {
                case Primitive::Point: {
                    // A point falls on the pixel nearest to it; outside the client area it draws nothing.
                    // Inside the area the rounded coordinates are not negative, so truncation is the floor.
                    const double fx = c[0] * s + 0.5;
                    const double fy = c[1] * s + 0.5;
                    if (!(fx >= 0 && fy >= 0 && fx < w && fy < h)) break;
                    const int x = static_cast<int>(fx);
                    const int y = static_cast<int>(fy);
                    if (dot == 1) {
                        bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] =
                            colour | 0xff000000u;
                        break;
                    }
                    for (int dy = 0; dy < dot && y + dy < h; ++dy)
                        for (int dx = 0; dx < dot && x + dx < w; ++dx)
                            bits[static_cast<std::size_t>(y + dy) * stride + static_cast<std::size_t>(x + dx)] =
                                colour | 0xff000000u;
                    break;
                }
                case Primitive::Line: {
                    QPainter& g = ensurePainter();
                    g.setPen(QPen(QColor::fromRgb(colour), dot, Qt::SolidLine, Qt::SquareCap));
                    g.drawLine(QPointF(std::floor(c[0] * s + 0.5), std::floor(c[1] * s + 0.5)),
                               QPointF(std::floor(c[2] * s + 0.5), std::floor(c[3] * s + 0.5)));
                    break;
                }
                case Primitive::Circle: {
                    QPainter& g = ensurePainter();
                    g.setPen(QPen(QColor::fromRgb(colour), dot));
                    g.setBrush(Qt::NoBrush);
                    const double r = c[2] * s;
                    g.drawEllipse(QPointF(std::floor(c[0] * s + 0.5), std::floor(c[1] * s + 0.5)), r, r);
                    break;
                }
                case Primitive::Text: {
                    QPainter& g = ensurePainter();
                    QFont f = font_;
                    f.setPointSizeF(font_.pointSizeF() * cacheRatio_);
                    g.setFont(f);
                    g.setPen(QColor::fromRgb(colour));
                    const QFontMetricsF fm(f);
                    g.drawText(QPointF(c[0] * s, c[1] * s + fm.ascent()), texts_[static_cast<std::size_t>(text++)]);
                    break;
                }
            }
        }
        // The last run may grow after this paint: the next one goes on from its end.
        if (renderedRun_ + 1 == runs_.size()) {
            renderedCount_ = run.count;
            break;
        }
    }
    delete painter;
}

}  // namespace px
