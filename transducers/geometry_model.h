// The Doppler shift of an echo and the range of a target found by one reflection from the bottom, each with the
// diagram its screen draws.  Plain C++ over the inputs typed, with checked arithmetic: a step that faults throws
// px::Fault at that step, so the points handed on before it stay drawn.
#pragma once

#include "directivity_model.h"

namespace px::transducers {

// The shift in Hz of an echo at f kHz from a target closing at v knots: f * (v * 0.69).  Not limited.
double dopplerShift(double frequency, double speedKnots);
// The shift at the speed typed for every operating frequency from 0 to 100 kHz in steps of 0.001 kHz, flattened
// at 5000 Hz, handed to the sink as (kHz, Hz).  There is no lower limit.
inline constexpr double kDopplerCeiling = 5000;
void dopplerDiagram(double speedKnots, const CurveSink& sink);

// The range in metres of a target seen at a depression angle of b degrees after one reflection from the bottom, h
// metres below: 2 h / tan(b).  A zero angle divides by a zero tangent.
double bottomReflectionRange(double heightM, double angleDeg);
// The range at every angle from 1 to 50 degrees in steps of 0.01 for the height typed, flattened at 100 km, handed
// to the sink as (degrees, metres).
inline constexpr double kRangeCeiling = 100000;
void bottomReflectionDiagram(double heightM, const CurveSink& sink);

}  // namespace px::transducers
