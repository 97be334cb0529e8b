// The eight correlation curves of the workbench, as plain functions: each reads the working values it needs and
// hands every point of its curve to a sink the moment it is computed, in twips of the plot frame (abscissa
// 6440·u/U, ordinate 2240 − 2240·C, both rounded to single precision).  The arithmetic is checked: a step that
// faults throws px::Fault at that step, so the points handed on before it stay drawn.
//
// A process whose condition fails returns without a point; the frame and the colour are the screen's business.
#pragma once

#include <functional>

#include "chance.h"
#include "translate.h"
#include "working_values.h"

namespace px::curves {

// The model's values of a point: the abscissa as a fraction of the full scale (u/U) and the coefficient C, for a
// sink that keeps them along with the twips.
struct PointValues {
    double fraction = 0;
    double C = 0;
};

// Receives one point of a curve: its place in twips and the model's values it was drawn from.
using PointSink = std::function<void(float x, float y, const PointValues& values)>;

// The longest sweep a curve takes: ten times the ordinary 10 000 steps.  Only a negative full scale much smaller
// than the counter's first value, 1e-7, asks for more; such a sweep is refused with an overflow fault before its
// first point instead of running for hours, its message naming the cause.
inline constexpr double kMaxSweepSteps = 100000;
inline constexpr const char* kFullScaleTooSmall = PX_TRANSLATE_NOOP("Fault", "Fondo scala troppo piccolo");

// 1 "ANAL. C = f(F,tc)": sin(x)/x of the delay.
void analFtc(const WorkingValues& wv, const PointSink& sink);
// 2 "ANAL. C = f(F1,F2,tc)": cosine carrier times envelope; runs only if F2 ≠ 0 and FS ≠ 0.
void analF1F2tc(const WorkingValues& wv, const PointSink& sink);
// 3 "ANAL. C = f(F,a°,d)": against the bearing; each C, in single precision, is given back as Sux (at the point
// that computes it) and drawn from that single value.  Runs only if F ≠ 0 and FSa ≠ 0.
void analFad(const WorkingValues& wv, const PointSink& sink, WorkingChanges& out);
// 4 "DIG. C = f(F,tc)": the arcsine law of process 1.
void digFtc(const WorkingValues& wv, const PointSink& sink);
// 5 "DIG. C = f(F1,F2,tc)": the arcsine law of process 2; runs only if F2 ≠ 0 and FS ≠ 0.
void digF1F2tc(const WorkingValues& wv, const PointSink& sink);
// 6 "ANAL. C = f(F1,F2,a°,d)": band F1 … F2 against the bearing; runs only if F1 ≠ 0, F2 ≠ 0 and FSa ≠ 0.
void analF1F2ad(const WorkingValues& wv, const PointSink& sink);
// 7 "DIG. C = f(F1,F2,tc,s/n,rc)": the digital curve with the input signal-to-noise ratio, the correlator's
// random fluctuation (the generator re-seeded from the clock before every point) and the gain K; σ is given back
// as Nux.
void digNoisy(const WorkingValues& wv, TimeOfDay& clock, Uniform& random, const PointSink& sink,
              WorkingChanges& out);
// 8 "DIG. HC = f(F1,F2,tc)": the arcsine law with the quadrature (sine) carrier.
void digQuadrature(const WorkingValues& wv, const PointSink& sink);

// The one-bit correlator's coefficient for an analogue ρ: (2/3.14)·arctan(ρ / (√(1 + ρ·(−ρ)) + epsilon)).
double arcsineLaw(double rho, double epsilon);

}  // namespace px::curves
