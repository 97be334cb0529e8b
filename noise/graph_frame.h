// What the two spectrum graphs share: the dotted grid of three frequency decades (0.1 to 100 kHz) over 6400 twips
// of level, the two axes, the x of a frequency, and the frequency-axis caption whose decade numbers stand under the
// decade lines.
#pragma once

#include <QString>
#include <array>
#include <cmath>
#include <vector>

#include "controls.h"
#include "surface.h"

namespace px::noise {

inline constexpr double kLeft = 400;       // x of 0.1 kHz, and the level axis
inline constexpr double kDecade = 3066.7;  // twips per decade of frequency
inline constexpr double kRight = 9600;     // right end of the frequency axis
inline constexpr double kBottom = 6600;    // y of 0 dB
inline constexpr double kTop = 200;        // top of the grid and of the level axis

// The frequency sweep of the curves, kHz: from 0.1 while not beyond 100, by repeated addition of 0.001.
inline constexpr double kSweepFrom = 0.1;
inline constexpr double kSweepTo = 100;
inline constexpr double kSweepStep = 0.001;

// The count of frequencies of the sweep (the last about 99.999), and of the dots and lines of the frame.
inline constexpr std::size_t kSweepPoints = 99900;
inline constexpr std::size_t kFramePrimitives = 161 * 30 + 21 * 154 + 2;

// The x of a frequency of the sweep: 3066.7 ln(10 f) / ln 10 + 400.  ln10 is ln(10), computed once by the caller.
inline double sweepX(double f, double ln10) { return kDecade * std::log(10 * f) / ln10 + kLeft; }

// One frequency of the sweep: its x, and its octave drop D = 20 ln(f^k) / ln 10.
struct SweepStep {
    double x;
    double D;
};
// The whole sweep for the exponent k.  The frequencies are accumulated in order first; each one's x and drop are
// then independent of the others and are computed on all cores, bit for bit as one after the other.
std::vector<SweepStep> sweep(double k, double ln10);

// The x of the decade lines 0.1, 1, 10 and 100 kHz.
inline constexpr std::array<double, 4> kDecadeLines{kLeft, kLeft + kDecade, kLeft + 2 * kDecade,
                                                    kLeft + 3 * kDecade};

// The vertical grid (black dots every 40 twips at 1 to 10 times 0.1, 1 and 10 kHz), the horizontal grid (21
// lines of dots every 60 twips, in the foreground colour) and the two black axes, in this order.
void drawSpectrumFrame(Surface& surface);

// A frequency-axis caption: one line whose runs of blanks place the decade numbers.  The caption stays the
// layout's text; it is drawn word by word, each of the first words centred under its decade line (x in twips of
// the screen), so that the numbers stand under their lines whatever the width of a blank in the face at hand.
// Words after the decade numbers follow with their blanks at the face's width.
class DecadeCaption : public Label {
    Q_OBJECT
public:
    DecadeCaption(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font,
                  std::array<double, 4> decades);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Word {
        QString text;
        double left;
    };
    std::vector<Word> layout() const;
    std::array<double, 4> decades_;
};

// A legend entry: its caption in its curve's colour.  A colour that stands out too little from the button face
// (white, yellow, green) gets a thin dark outline around its letters, so that the entry stays legible and keeps its
// colour.
class LegendEntry : public Label {
    Q_OBJECT
public:
    LegendEntry(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font,
                const QColor& colour);
    // Whether the letters are outlined.
    bool outlined() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace px::noise
