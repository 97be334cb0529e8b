#include "directivity_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "piston.h"

namespace px::transducers {

namespace {

// Whether every sum within the estimate's bound gives the same pattern at an angle: the same lobe-window tests,
// the same clamp, and the same point as the surface stores it (y = 2740 - 2240 P in single precision), where
// P = 2 J / x'.  Where it does, the estimate stands for the exact sum.
bool patternSettled(const PistonEstimate& e, double prime) {
    if (!std::isfinite(e.bound) || !std::isfinite(e.j) || prime == 0 || !std::isfinite(prime)) return false;
    double low = 2 * (e.j - e.bound) / prime;
    double high = 2 * (e.j + e.bound) / prime;
    if (low > high) std::swap(low, high);
    // A few units in the last place for the roundings of the quotient.
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(low), std::fabs(high));
    low -= slack;
    high += slack;
    if (!std::isfinite(low) || !std::isfinite(high)) return false;
    for (double edge : {0.68, 0.707, 0.48, 0.5, 1.0})
        if (low <= edge && edge <= high) return false;
    if (low > 1) return true;  // drawn at +1 whatever the sum
    const double yHigh = 2740 - 2240 * low;
    const double yLow = 2740 - 2240 * high;
    if (!std::isfinite(yHigh) || !std::isfinite(yLow)) return false;
    return static_cast<float>(yHigh) == static_cast<float>(yLow);
}

}  // namespace

std::optional<LobeWidths> circularPattern(const Aperture& disc, const CurveSink& sink) {
    const Num D = disc.size;
    const Num f = disc.frequency;
    LobeWindows windows;

    // The first angle on its own: a zero frequency ends the run before it, a zero diameter after its argument.
    double theta = kFirstAngle;
    if (f == 0) return std::nullopt;
    Num lambda = Num(1.53) / f;
    Num x = sin(Num(theta) * 3.14159 / 180) * (Num(3.14159) * D / lambda);
    if (D == 0) return std::nullopt;

    // The piston argument of every further angle, in scan order.  None of them can fault once the first did not:
    // the factor after the sine is the same at every angle, and the sine stays within -1 and 1.
    std::vector<double> thetas{theta};
    std::vector<double> xs{x.value()};
    for (theta = theta + kAngleStep; theta <= kLastAngle; theta = theta + kAngleStep) {
        lambda = Num(1.53) / f;
        x = sin(Num(theta) * 3.14159 / 180) * (Num(3.14159) * D / lambda);
        thetas.push_back(theta);
        xs.push_back(x.value());
    }

    // The second argument of the pattern, x', computed as the pattern below computes it.
    auto primeOf = [&](double th) { return sin(Num(th) * (Num(3.14159) / 180)) * (D * 3.14159 / lambda); };

    // The sums of the angles are independent of one another.  Where x' is so large that no sum the integral can
    // give (none exceeds kPistonSumBound) moves the pattern off the axis by a drawn unit, the sum is not needed.
    // A quick estimate of each of the others, spread over the cores, settles every angle whose window tests,
    // clamp and drawn point come out the same for every value within the estimate's bound; the few left take the
    // exact sum.
    std::vector<double> primes(xs.size());
    std::vector<double> js(xs.size());
    std::vector<std::size_t> estimated;
    std::vector<double> estimatedXs;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        primes[i] = primeOf(thetas[i]).value();
        if (patternSettled({0, kPistonSumBound}, primes[i])) {
            js[i] = 0;
        } else {
            estimated.push_back(i);
            estimatedXs.push_back(xs[i]);
        }
    }
    std::vector<PistonEstimate> estimates(estimated.size());
    pistonEstimates(estimatedXs, estimates);
    std::vector<std::size_t> unsettled;
    std::vector<double> unsettledXs;
    for (std::size_t e = 0; e < estimated.size(); ++e) {
        const std::size_t i = estimated[e];
        if (patternSettled(estimates[e], primes[i])) {
            js[i] = estimates[e].j;
        } else {
            unsettled.push_back(i);
            unsettledXs.push_back(xs[i]);
        }
    }
    std::vector<double> exact(unsettled.size());
    pistonIntegrals(unsettledXs, exact);
    for (std::size_t u = 0; u < unsettled.size(); ++u)
        js[unsettled[u]] = exact[u];

    // The pattern, the lobe windows and the points, angle by angle in scan order.
    for (std::size_t i = 0; i < thetas.size(); ++i) {
        const Num x2 = primes[i];
        Num P = Num(2) * js[i] / x2;
        windows.observe(thetas[i], P);
        if (P > 1) P = 1;
        sink(thetas[i], P.value());
    }
    return windows.widths();
}

double circularDirectivityIndex(const Aperture& disc) {
    const Num D = disc.size;
    const Num lambda = Num(1.53) / disc.frequency;
    const Num A = Num(3.14) * ((D / 2) * (D / 2));
    return (Num(10) * ln(Num(12.56) * A / (lambda * lambda)) / ln(Num(10))).value();
}

std::optional<LobeWidths> linePattern(const Aperture& line, const CurveSink& sink) {
    const Num L = line.size;
    const Num f = line.frequency;
    LobeWindows windows;
    for (double theta = kFirstAngle; theta <= kLastAngle; theta = theta + kAngleStep) {
        if (f == 0) return std::nullopt;
        const Num lambda = Num(1.53) / f;
        if (L == 0) return std::nullopt;
        const Num th = theta;
        const Num x = sin(th * (Num(3.14159) / 180)) * (L * 3.14159 / lambda);
        const Num P = sin(x) / x;
        windows.observe(theta, P);
        sink(theta, P.value());
    }
    return windows.widths();
}

double lineDirectivityIndex(const Aperture& line) {
    const Num L = line.size;
    const Num lambda = Num(1.53) / line.frequency;
    return (Num(10) * ln(Num(2) * L / lambda) / ln(Num(10))).value();
}

std::optional<double> rectangularDirectivityIndex(double frequency, double widthCm, double heightCm) {
    const Num f = frequency;
    const Num W = widthCm;
    const Num H = heightCm;
    if (W == 0 || H == 0 || f == 0) return std::nullopt;
    const Num lambda = Num(1.53) / f;
    // 4 pi A / lambda^2, the sides turned into metres one by one.
    const Num G = H / 100 * (W / 100 * 12.56) / (lambda * lambda);
    return (Num(10) * ln(G) / ln(Num(10))).value();
}

}  // namespace px::transducers
