// The pattern of a circular piston needs J1(x) at every angle of the scan.  J1 is not taken from a library: it is
// the rectangle-rule sum of its integral form (1/pi) * integral from 0 to pi of cos(x sin t - t) dt, with 3.14 as
// the upper limit and as the divisor, over t = 0.001 * k for k = 0 .. 3140.  Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <span>

namespace px {

// The terms of the sum, one a step of t.
inline constexpr int kPistonTerms = 3141;

// No sum exceeds this in magnitude, whatever the finite x: 3141 terms of at most 0.001 / 3.14 each, with the
// roundings of their additions.
inline constexpr double kPistonSumBound = 1.001;

// J = sum over k = 0 .. 3140 of 0.001 * ((1/3.14) * cos(x * sin(t) - t)), t = 0.001 * k, added in the order of k.
// For a finite x every term is finite, so the sum cannot fault.
double pistonIntegral(double x);

// The same sum for every x of `xs` into `out` (out[i] for xs[i]), the angles spread over the processor's cores.
// Each sum is computed exactly as pistonIntegral computes it, so the results are the same bit for bit.
void pistonIntegrals(std::span<const double> xs, std::span<double> out);

// A quick estimate of the sum for x, with a bound that the exact sum (pistonIntegral) is sure to lie within:
// |pistonIntegral(x) - j| <= bound.  The terms are the same, but the cosine is a polynomial of its own and the
// terms are added in another order, so the estimate is several times quicker than the exact sum.  It serves
// wherever the result it leads to is the same for every value within the bound; elsewhere the exact sum is
// taken.  Beyond the range the estimate is made for (2^40) it is 0 within kPistonSumBound, and for an x that is
// not finite the bound is infinite.
struct PistonEstimate {
    double j;
    double bound;
};
PistonEstimate pistonEstimate(double x);
// The estimates for every x of `xs` into `out`, spread over the processor's cores.
void pistonEstimates(std::span<const double> xs, std::span<PistonEstimate> out);

}  // namespace px
