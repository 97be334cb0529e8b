#include "surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "controls.h"
#include "numbers.h"

namespace px {

Surface::Surface()
    : foreground_(colour::buttonText().rgb()),
      background_(colour::buttonFace().rgb()),
      font_(qtFont(kDialogFont)) {}

void Surface::add(Primitive p) { list_.push_back(p); }

void Surface::Point(double x, double y) { Point(x, y, QColor::fromRgb(foreground_)); }

void Surface::Point(double x, double y, const QColor& c) {
    // Appended directly: a graph sets hundreds of thousands of points.
    list_.push_back(Primitive{Primitive::Point, CSng(x), CSng(y), 0.0f, 0.0f, c.rgb()});
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, QColor::fromRgb(foreground_));
}

void Surface::Line(double x1, double y1, double x2, double y2, const QColor& c) {
    add({Primitive::Line, CSng(x1), CSng(y1), CSng(x2), CSng(y2), c.rgb()});
}

void Surface::Circle(double x, double y, double r, const QColor& c) {
    add({Primitive::Circle, CSng(x), CSng(y), CSng(r), 0, c.rgb()});
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
    list_.clear();
    texts_.clear();
    printX_ = 0;
    printY_ = 0;
    ++generation_;
}

void Surface::PrintInline(const QString& text) {
    if (!text.isEmpty()) {
        const float x = CSng(printX_);
        const float y = CSng(printY_);
        texts_.push_back(text);
        add({Primitive::Text, x, y, 0, 0, foreground_, static_cast<int>(texts_.size() - 1)});
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
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    if (cache_.size() != pixels || cacheRatio_ != ratio || cacheGeneration_ != generation_ ||
        rendered_ > list_.size()) {
        cache_ = QImage(pixels, QImage::Format_RGB32);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(background_);
        cacheRatio_ = ratio;
        cacheGeneration_ = generation_;
        rendered_ = 0;
    }
    if (rendered_ < list_.size()) render(rendered_);
    painter.drawImage(QPointF(0, 0), cache_);
}

void Surface::render(std::size_t from) {
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
    for (std::size_t i = from; i < list_.size(); ++i) {
        const Primitive& p = list_[i];
        switch (p.kind) {
            case Primitive::Point: {
                // A point falls on the pixel nearest to it; outside the client area it draws nothing.
                // Inside the area the rounded coordinates are not negative, so truncation is the floor.
                const double fx = p.x1 * s + 0.5;
                const double fy = p.y1 * s + 0.5;
                if (!(fx >= 0 && fy >= 0 && fx < w && fy < h)) break;
                const int x = static_cast<int>(fx);
                const int y = static_cast<int>(fy);
                if (dot == 1) {
                    bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] =
                        p.colour | 0xff000000u;
                    break;
                }
                for (int dy = 0; dy < dot && y + dy < h; ++dy)
                    for (int dx = 0; dx < dot && x + dx < w; ++dx)
                        bits[static_cast<std::size_t>(y + dy) * stride + static_cast<std::size_t>(x + dx)] =
                            p.colour | 0xff000000u;
                break;
            }
            case Primitive::Line: {
                QPainter& g = ensurePainter();
                g.setPen(QPen(QColor::fromRgb(p.colour), dot, Qt::SolidLine, Qt::SquareCap));
                g.drawLine(QPointF(std::floor(p.x1 * s + 0.5), std::floor(p.y1 * s + 0.5)),
                           QPointF(std::floor(p.x2 * s + 0.5), std::floor(p.y2 * s + 0.5)));
                break;
            }
            case Primitive::Circle: {
                QPainter& g = ensurePainter();
                g.setPen(QPen(QColor::fromRgb(p.colour), dot));
                g.setBrush(Qt::NoBrush);
                const double r = p.x2 * s;
                g.drawEllipse(QPointF(std::floor(p.x1 * s + 0.5), std::floor(p.y1 * s + 0.5)), r, r);
                break;
            }
            case Primitive::Text: {
                QPainter& g = ensurePainter();
                QFont f = font_;
                f.setPointSizeF(font_.pointSizeF() * cacheRatio_);
                g.setFont(f);
                g.setPen(QColor::fromRgb(p.colour));
                const QFontMetricsF fm(f);
                g.drawText(QPointF(p.x1 * s, p.y1 * s + fm.ascent()), textOf(p));
                break;
            }
        }
    }
    rendered_ = list_.size();
    delete painter;
}

}  // namespace px
