// The spectrum graphs' curves over the frequency sweep, 0.1 to 100 kHz: drawn straight into the surface, and
// published for export and the readout.  The numbers come from the models (noise_models.h, level_sweep.h); here
// they are placed on the graph's axes.
#pragma once

#include <QColor>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "graph_frame.h"
#include "level_sweep.h"
#include "noise_models.h"
#include "surface.h"

namespace px {
class Screen;
}

namespace px::noise {

// The x of a frequency of the sweep: 3066.7 ln(10 f) / ln 10 + 400.  ln10 is ln(10), computed once by the caller.
inline double sweepX(double f, double ln10) { return kDecade * std::log(10 * f) / ln10 + kLeft; }

// The y of a level, dB, on a level axis of `twipsPerDb` from 0 dB at the bottom.
inline double levelY(double level, double twipsPerDb) { return kBottom - twipsPerDb * level; }

// A spectrum graph's drawing: the grid and axes, then the curves point by point over the sweep, at every
// frequency one point a curve c = 0 .. Spectra::kCurves - 1 at (x of f, y of Spectra::level(D, c)) in colours[c].
// The frequencies of the sweep cannot fault, so the levels are computed on plain doubles, with the exponent and
// ln 10 of the run computed once; the points are computed on all cores, each written in its place.
template <class Spectra>
void paintSpectra(Surface& surface, double twipsPerDb, const std::array<const QColor*, Spectra::kCurves>& colours) {
    constexpr std::size_t curves = Spectra::kCurves;
    // The frame's dots and two lines (a line takes the room of two points), then the curves.
    surface.reserve(kFramePrimitives + 2 + kSweepPoints * curves);
    drawSpectrumFrame(surface);
    const double k = exponentFor(Spectra::kSlope).value();
    const double ln10 = ln(Num(10)).value();
    std::array<QRgb, curves> rgb{};
    for (std::size_t c = 0; c < curves; ++c)
        rgb[c] = colours[c]->rgb();
    const std::span<float> xy = surface.Points(sweepSlices().count * curves, rgb);
    if (xy.empty()) return;
    sweepSpectra(k, ln10, [&](std::size_t i, double f, double D) {
        const double x = sweepX(f, ln10);
        float* out = xy.data() + 2 * curves * i;
        for (std::size_t c = 0; c < curves; ++c) {
            *out++ = static_cast<float>(x);
            *out++ = static_cast<float>(levelY(Spectra::level(D, c), twipsPerDb));
        }
    });
}

// Publishes a spectrum graph's numbers for export and the readout: the frequency of every point of the sweep, in
// Hz, and the level of each curve there, computed on demand by the same operations the drawing makes.
// `twipsPerDb` is the scale of the level axis; each curve's column is "<quantity>_<curve's name>_dB".
void publishSweep(Screen& screen, const QString& quantity, double k, double twipsPerDb, const QStringList& inputs,
                  const QStringList& curveNames, double (*level)(double D, std::size_t c));

template <class Spectra>
void publishSpectra(Screen& screen, const QString& quantity, double twipsPerDb, const QStringList& inputs,
                    const QStringList& curveNames) {
    publishSweep(screen, quantity, exponentFor(Spectra::kSlope).value(), twipsPerDb, inputs, curveNames,
                 &Spectra::level);
}

// The caption of the frequency axis: the decade numbers placed by runs of blanks, after `lead` blanks.
QString frequencyCaption(int lead);

}  // namespace px::noise
