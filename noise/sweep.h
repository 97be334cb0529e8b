// The frequency sweep of the spectrum graphs' curves, 0.1 to 100 kHz, drawn straight into the surface.
#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "graph_frame.h"
#include "noise_models.h"
#include "parallel.h"
#include "surface.h"

namespace px {
class Screen;
}

namespace px::noise {

// The frequencies, kHz: from 0.1 while not beyond 100, by repeated addition of 0.001.
inline constexpr double kSweepFrom = 0.1;
inline constexpr double kSweepTo = 100;
inline constexpr double kSweepStep = 0.001;

// The count of frequencies of the sweep (the last about 99.999).
inline constexpr std::size_t kSweepPoints = 99900;

// The x of a frequency of the sweep: 3066.7 ln(10 f) / ln 10 + 400.  ln10 is ln(10), computed once by the caller.
inline double sweepX(double f, double ln10) { return kDecade * std::log(10 * f) / ln10 + kLeft; }

// Frequencies computed together on one core.
inline constexpr std::size_t kSweepSlice = 2048;

// The sweep cut into slices of kSweepSlice frequencies: how many frequencies, and the frequency each slice starts
// from, as the repeated addition reaches it.  Accumulated once, in order.
struct SweepSlices {
    std::size_t count;
    std::vector<double> starts;
};
const SweepSlices& sweepSlices();

// The curves over the sweep: at every frequency f, in order, one point a curve c = 0 .. colours.size() - 1, at
// (x of f, level(D, c)) in colours[c], where D is the octave drop 20 ln(f^k) / ln 10.  Within a slice each
// frequency is the one before plus 0.001, as in the sweep itself; the slices are independent of one another and
// are computed on all cores, each writing its points in their places, so every point is the same bit for bit as
// one after the other.
template <class Level>
void drawSweep(Surface& surface, double k, double ln10, std::span<const QRgb> colours, const Level& level) {
    const SweepSlices& slices = sweepSlices();
    const std::size_t curves = colours.size();
    const std::span<float> xy = surface.Points(slices.count * curves, colours);
    if (xy.empty()) return;
    parallel::forSlices(slices.count, kSweepSlice, [&](std::size_t from, std::size_t to) {
        double f = slices.starts[from / kSweepSlice];
        float* out = xy.data() + 2 * curves * from;
        for (std::size_t i = from; i < to; ++i) {
            const double x = sweepX(f, ln10);
            const double D = octaveDrop(f, k, ln10);
            for (std::size_t c = 0; c < curves; ++c) {
                *out++ = static_cast<float>(x);
                *out++ = static_cast<float>(level(D, c));
            }
            f = f + kSweepStep;
        }
    });
}

// Publishes a spectrum graph's numbers for export and the readout: the frequency of every point of the sweep, in
// Hz, and the level of each curve there, computed on demand by the same operations the drawing makes (the
// exponent k, D = 20 ln(f^k) / ln 10, then level(D, c)).  `twipsPerDb` is the scale of the level axis; each
// curve's column is "<quantity>_<name of the curve>_dB".
void publishSweep(Screen& screen, const QString& quantity, double k, double twipsPerDb, const QStringList& inputs,
                  const std::function<QString(std::size_t)>& curveName, std::size_t curves,
                  const std::function<double(double, std::size_t)>& level);

}  // namespace px::noise
