// The directivity of a transducer face: the beam pattern of a circular piston and of a line array, their lobe
// widths at -3 dB and -6 dB, and the directivity index of a circular, linear or rectangular face.  Plain C++ over
// the inputs typed, with checked arithmetic: a step that faults throws px::Fault at that step, so the points handed
// on before it stay drawn.  The wavelength in metres is 1.53 / f, f in kHz (a sound speed of 1530 m/s).
#pragma once

#include <functional>
#include <optional>

#include "numbers.h"

namespace px::transducers {

// Receives one point of a curve the moment it is computed: its abscissa and its value, in the model's own units.
using CurveSink = std::function<void(double x, double y)>;

// A face of one size (diameter or length, metres) at one frequency (kHz), as typed.
struct Aperture {
    double frequency = 0;
    double size = 0;
};

// The full widths of the main lobe, in degrees: twice the last angle of the scan whose pattern lies within the
// -3 dB window (0.68 .. 0.707) or the -6 dB window (0.48 .. 0.5), 0 where no angle did.
struct LobeWidths {
    double minus3dB = 0;
    double minus6dB = 0;
};

// The two windows over a scan, angle after angle: the last angle inside a window is the one kept.
class LobeWindows {
public:
    void observe(double theta, Num pattern) {
        if (0.68 < pattern && pattern < 0.707) minus3dB_ = theta;
        if (0.48 < pattern && pattern < 0.5) minus6dB_ = theta;
    }
    LobeWidths widths() const {
        return {(Num(2) * minus3dB_.value_or(0)).value(), (Num(2) * minus6dB_.value_or(0)).value()};
    }

private:
    std::optional<double> minus3dB_, minus6dB_;
};

// The scan of every pattern: 0.1 degree after 0.1 degree, from 0.1 up to 100.
inline constexpr double kFirstAngle = 0.1;
inline constexpr double kAngleStep = 0.1;
inline constexpr double kLastAngle = 100;

// The pattern of a circular piston, P = 2 J1(x) / x with x = pi D sin(theta) / lambda, clamped at +1, handed to
// the sink angle by angle (theta in degrees, P).  A zero frequency ends the run before the first angle, a zero
// diameter after its argument: then no point and no widths.
std::optional<LobeWidths> circularPattern(const Aperture& disc, const CurveSink& sink);
// DI = 10 log10(4 pi A / lambda^2), A the area of the disc.  For a frequency that is not zero.
double circularDirectivityIndex(const Aperture& disc);

// The pattern of a line array, P = sin(x) / x with x = pi L sin(theta) / lambda, handed to the sink angle by angle.
// A zero frequency or length ends the run before the first angle: then no point and no widths.
std::optional<LobeWidths> linePattern(const Aperture& line, const CurveSink& sink);
// DI = 10 log10(2 L / lambda); length and frequency of opposite signs fault at the logarithm.
double lineDirectivityIndex(const Aperture& line);

// DI = 10 log10(4 pi W H / lambda^2) of a rectangular face, its sides in centimetres.  Nothing where an input is
// zero; sides of opposite signs fault at the logarithm.
std::optional<double> rectangularDirectivityIndex(double frequency, double widthCm, double heightCm);

}  // namespace px::transducers
