#include "loss_model.h"

namespace px::propagation {

Num decimalLog(Num x) { return ln(x) / ln(Num(10)); }

Num spreadingTerm(Num k, Num R) { return (ln(R) * k) / ln(Num(10)); }

Num spreadingLoss(Num k, Num R) { return spreadingTerm(k, R) + Num(60); }

Num absorption(Num f, Thorp variant) {
    const Num f2 = pw(f, Num(2));
    Num alpha = (Num(0.1) * f2) / (Num(1) + f2) + (Num(40) * f2) / (Num(4100) + f2) + (Num(2.75) * f2) / Num(10000);
    if (variant == Thorp::WithConstant) alpha = alpha + Num(0.003);
    return alpha;
}

std::optional<double> pathSpreadingLoss(std::optional<Law> law, Num R) {
    if (!law) return std::nullopt;
    return spreadingLoss(spreadingFactor(*law), R).value();
}

Num absorptionLoss(Num f, Num R) { return absorption(f, Thorp::WithConstant) * R; }

void spreadingCurves(const SpreadingSink& sink) {
    for (double R = 1; R <= 100; R = R + 0.1)
        sink(R, spreadingTerm(kSpherical, R).value(), spreadingTerm(kSphericalCylindrical, R).value());
}

void absorptionCurve(const AbsorptionSink& sink) {
    for (double f = 0; f <= 100; f = f + 0.01)
        sink(f, absorption(f, Thorp::WithConstant).value());
}

Num oneWayLoss(Num k, Num R, Num alpha) { return ((k * ln(R)) / ln(Num(10)) + Num(60)) + R * alpha; }

RangeSolution::RangeSolution(double limit) : limit_(Int(limit)) {}

std::optional<double> RangeSolution::range() const {
    if (matched_) return matchR_;
    if (below_ && overAfterBelow_) return belowR_;
    return std::nullopt;
}

std::optional<double> RangeSolution::loss() const {
    if (matched_) return matchTL_;
    if (below_ && overAfterBelow_) return belowTL_;
    return std::nullopt;
}

double detectionSpreading(std::optional<Law> law) { return law ? spreadingFactor(*law) : kSpherical; }

}  // namespace px::propagation
