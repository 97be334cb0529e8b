// The propagation-loss model: the spreading law and Thorp's absorption coefficient.  Plain C++, no Qt.
//
// Every base-10 logarithm is the natural logarithm divided by ln(10), in that order: the library's log10 differs
// from that quotient in the last bit for some arguments, and the detection-range scans compare losses by their
// whole decibels, where that bit decides.  Each screen composes these pieces in the order its own procedure
// gives; the functions here keep the order of every sum and product as written.
#pragma once

#include <cmath>
#include <functional>
#include <optional>

#include "numbers.h"

namespace px::propagation {

// Spreading factors: 20 dB a decade for spherical spreading, 10 for the spherical/cylindrical law.
inline constexpr double kSpherical = 20.0;
inline constexpr double kSphericalCylindrical = 10.0;

// The spreading laws a screen's choice offers, and their factors.
enum class Law { Spherical, SphericalCylindrical };
constexpr double spreadingFactor(Law law) { return law == Law::Spherical ? kSpherical : kSphericalCylindrical; }

// The spreading factor of the detection-range screens: no law at all (their choice opens on a text that is no
// item) counts as spherical.
double detectionSpreading(std::optional<Law> law);

// log10(x) as ln(x)/ln(10); x <= 0 throws InvalidArgument.
Num decimalLog(Num x);

// The spreading term without its 60 dB: (ln(R)·k)/ln(10), R in km.
Num spreadingTerm(Num k, Num R);
// The spreading loss TLdiv(R) = (ln(R)·k)/ln(10) + 60 dB; R <= 0 throws InvalidArgument.
Num spreadingLoss(Num k, Num R);

// Thorp's absorption coefficient in dB/km, f in kHz, summed in this order:
//     (0.1·f²)/(1 + f²) + (40·f²)/(4100 + f²) + (2.75·f²)/10000 [+ 0.003]
// The calculator and the chart keep the constant term; the detection-range screens leave it out.
enum class Thorp { WithConstant, WithoutConstant };
Num absorption(Num f, Thorp variant);

// The loss calculator's two losses of a single path, R in km and f in kHz: the spreading loss by the chosen law
// (none without a law; R <= 0 throws InvalidArgument), and the absorption loss α(f)·R, α with its constant term.
std::optional<double> pathSpreadingLoss(std::optional<Law> law, Num R);
Num absorptionLoss(Num f, Num R);

// The chart's curves, handed to a sink step by step: the spreading terms of both laws (without their 60 dB) from 1
// to 100 km in steps of 0.1 km, and Thorp's coefficient with its constant term from 0 to 100 kHz in steps of
// 0.01 kHz.
using SpreadingSink = std::function<void(double R, double spherical, double sphericalCylindrical)>;
void spreadingCurves(const SpreadingSink& sink);
using AbsorptionSink = std::function<void(double f, double alpha)>;
void absorptionCurve(const AbsorptionSink& sink);

// The one-way loss ((k·ln(R))/ln(10) + 60) + R·α, in dB.
Num oneWayLoss(Num k, Num R, Num alpha);

// The same one-way loss in plain doubles, for dense scans where no step can fault: R >= 0.1 (so ln(R) is
// finite) and a finite α that a checked evaluation produced (α <= about 1.8e304, so R·α stays finite for R up
// to several thousand km).  Bit for bit the value oneWayLoss gives.
inline double oneWayLossPlain(double k, double R, double alpha, double ln10) {
    return ((k * std::log(R)) / ln10 + 60.0) + R * alpha;
}

// Keeps the solution of a detection-range scan.  The scan tests each step's loss against the limit in whole
// decibels (Int is the floor).  The last step whose loss has the limit's whole decibels is the solution.  Where
// the loss steps over that whole-decibel band between two consecutive steps, no step matches, although the curve
// crosses the limit: then the last step still below the band is the solution, provided a later step lies above
// it.  A limit the loss never reaches, or one below the loss at the first step, has no solution.
class RangeSolution {
public:
    explicit RangeSolution(double limit);
    // One scan step: its range, the loss tested against the limit, and the loss kept with the range.
    void step(double R, double tested, double kept) {
        const double whole = Int(tested);
        if (whole == limit_) {
            matchR_ = R;
            matchTL_ = kept;
            matched_ = true;
        } else if (whole < limit_) {
            belowR_ = R;
            belowTL_ = kept;
            below_ = true;
            overAfterBelow_ = false;
        } else if (below_) {
            overAfterBelow_ = true;
        }
    }
    // The range and loss found, or nothing.
    std::optional<double> range() const;
    std::optional<double> loss() const;

private:
    double limit_;
    bool matched_ = false, below_ = false, overAfterBelow_ = false;
    double matchR_ = 0, matchTL_ = 0, belowR_ = 0, belowTL_ = 0;
};

}  // namespace px::propagation
