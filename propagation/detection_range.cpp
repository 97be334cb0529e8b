#include "detection_range.h"

#include <cmath>

namespace px::propagation {

PassiveRange::PassiveRange(const PassiveInputs& in) : k_(in.k) {
    const Num f0 = sqrt(in.F1 * in.F2);
    const Num B = in.F2 - in.F1;
    const Num f = f0 / Num(1000);
    alpha_ = absorption(f, Thorp::WithoutConstant);
    const Num DT = (ln((B * in.d) / (in.RC * Num(2))) * Num(5)) / ln(Num(10));
    const Num BT = (ln(B) * Num(10)) / ln(Num(10));
    TLmax_ = (((in.SL + in.DI) - in.NL) - DT) + BT;
}

void PassiveRange::curve(const CurveSink& sink) const {
    for (double R = 0.1; R <= 100; R = R + 0.1) {
        Num TL = oneWayLoss(k_, R, alpha_);
        if (TL > Num(200)) TL = Num(200);
        sink(R, TL, TLmax_);
    }
}

Solution PassiveRange::solve() const {
    RangeSolution solution(TLmax_.value());
    for (double R = 0.1; R <= 500; R = R + 0.1) {
        const double TL = oneWayLoss(k_, R, alpha_).value();
        solution.step(R, TL, TL);
    }
    return {solution.range(), solution.loss()};
}

ActiveRange::ActiveRange(const ActiveInputs& in) : k_(in.k) {
    const Num f = in.Ftx / Num(1000);
    alpha_ = absorption(f, Thorp::WithoutConstant);
    const Num DT = (ln((in.Bwrx * in.d) / in.tTx) * Num(5)) / ln(Num(10));
    T2max_ = (((in.LI + in.TS) - in.NL) + in.DI) - DT;
}

void ActiveRange::curve(const CurveSink& sink) const {
    for (double R = 0.1; R <= 50; R = R + 0.1) {
        const Num TL2 = (spreadingTerm(Num(k_) * Num(2), R) + Num(120)) + Num(R) * (alpha_ * Num(2));
        sink(R, TL2, T2max_);
    }
}

Solution ActiveRange::solve() const {
    // No step can fault here: R is at least 0.1 and at most 50, and α is finite (at most about 1.8e304), so plain
    // doubles give the checked values bit for bit.
    RangeSolution solution(T2max_.value());
    const double ln10 = std::log(10.0);
    const double a = alpha_.value();
    for (double R = 0.1; R <= 50; R = R + 0.001) {
        const double TL2 = oneWayLossPlain(k_, R, a, ln10) * 2;
        solution.step(R, TL2, TL2 / 2);
    }
    return {solution.range(), solution.loss()};
}

}  // namespace px::propagation
