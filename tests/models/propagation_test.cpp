// The propagation-loss model on its own: spreading law, Thorp's absorption, the decimal logarithm's last bit,
// the plain-double loss of the dense scans, how a detection-range scan keeps its solution, the calculator's and
// the chart's values, and the passive and active detection-range models.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "detection_range.h"
#include "loss_model.h"

namespace {

using namespace px::propagation;
using px::Num;

TEST(PropagationModel, SpreadingLawsMeetAtOneKilometre) {
    EXPECT_EQ(spreadingLoss(kSpherical, 1).value(), 60.0);
    EXPECT_EQ(spreadingLoss(kSphericalCylindrical, 1).value(), 60.0);
    EXPECT_NEAR(spreadingLoss(kSpherical, 10).value(), 80.0, 1e-12);
    EXPECT_NEAR(spreadingLoss(kSphericalCylindrical, 0.5).value(), 56.99, 0.005);
}

// The quotient ln(x)/ln(10) is not the library's log10: the whole-decibel tests of the scans hang on this bit.
TEST(PropagationModel, DecimalLogarithmIsTheQuotientOfNaturalLogarithms) {
    EXPECT_EQ(spreadingTerm(10, 1000).value(), 29.999999999999996);
    EXPECT_NE(spreadingTerm(10, 1000).value(), 10 * std::log10(1000.0));
    EXPECT_EQ(decimalLog(1000).value(), std::log(1000.0) / std::log(10.0));
}

struct ThorpCase {
    const char* name;
    double f;
    Thorp variant;
    double alpha, tolerance;
};

void PrintTo(const ThorpCase& c, std::ostream* os) { *os << c.name; }

class ThorpTest : public testing::TestWithParam<ThorpCase> {};

TEST_P(ThorpTest, AbsorptionCoefficient) {
    const ThorpCase& c = GetParam();
    EXPECT_NEAR(absorption(c.f, c.variant).value(), c.alpha, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Thorp, ThorpTest,
    testing::Values(ThorpCase{"ZeroWithConstant", 0, Thorp::WithConstant, 0.003, 0},
                    ThorpCase{"ZeroWithoutConstant", 0, Thorp::WithoutConstant, 0, 0},
                    ThorpCase{"TenKilohertz", 10, Thorp::WithConstant, 1.08189, 5e-6},
                    ThorpCase{"TenKilohertzWithoutConstant", 10, Thorp::WithoutConstant, 1.0788908533710515, 1e-15},
                    ThorpCase{"NegativeAsItsMagnitude", -10, Thorp::WithConstant, 1.08189, 5e-6},
                    ThorpCase{"FiftyKilohertz", 50, Thorp::WithConstant, 15.942, 5e-4},
                    ThorpCase{"HundredKilohertz", 100, Thorp::WithConstant, 31.22, 5e-3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PropagationModel, FaultsOfTheModel) {
    EXPECT_THROW(spreadingLoss(kSpherical, 0), px::Fault);
    EXPECT_THROW(spreadingLoss(kSpherical, -1), px::Fault);
    EXPECT_THROW(absorption(1e200, Thorp::WithConstant), px::Fault);  // f² beyond range
}

// The dense scans use plain doubles; they must give the checked loss bit for bit.
TEST(PropagationModel, PlainLossIsTheCheckedLossBitForBit) {
    const double ln10 = std::log(10.0);
    for (double k : {kSpherical, kSphericalCylindrical})
        for (double alpha : {0.0, 0.0600287, 1.0788908533710515, 15.53, 1140.06, 1e300})
            for (double R = 0.1; R <= 50; R = R + 0.37)
                ASSERT_EQ(oneWayLossPlain(k, R, alpha, ln10), oneWayLoss(k, R, alpha).value())
                    << "k " << k << " alpha " << alpha << " R " << R;
}

// ---- The solution of a scan -------------------------------------------------------------------------------------

struct SolutionCase {
    const char* name;
    double limit;
    std::vector<double> losses;  // at ranges 1, 2, 3, ...
    double range;                // 0: no solution
};

void PrintTo(const SolutionCase& c, std::ostream* os) { *os << c.name; }

class RangeSolutionTest : public testing::TestWithParam<SolutionCase> {};

TEST_P(RangeSolutionTest, KeepsTheLastRangeBelowTheNextWholeDecibel) {
    const SolutionCase& c = GetParam();
    RangeSolution solution(c.limit);
    double R = 0;
    for (double TL : c.losses)
        solution.step(++R, TL, TL / 2);
    if (c.range == 0) {
        EXPECT_FALSE(solution.range());
        EXPECT_FALSE(solution.loss());
    } else {
        ASSERT_TRUE(solution.range());
        EXPECT_EQ(*solution.range(), c.range);
        EXPECT_EQ(*solution.loss(), c.losses[static_cast<std::size_t>(c.range) - 1] / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scan, RangeSolutionTest,
    testing::Values(SolutionCase{"LastOfTheMatchingRun", 91.5, {90.2, 91.0, 91.7, 91.99, 92.0, 93}, 4},
                    SolutionCase{"MatchAtTheLastStep", 91.5, {90.2, 91.0, 91.7}, 3},
                    SolutionCase{"BandSteppedOverTakesTheLastStepBelow", 118.01, {116.1, 117.97, 119.8, 121}, 2},
                    SolutionCase{"BandSteppedOverAtTheFirstStep", 118.01, {117.2, 119.8}, 1},
                    SolutionCase{"LimitNeverReached", 300, {100, 150, 200}, 0},
                    SolutionCase{"LimitBelowTheFirstStep", 70, {80.2, 90, 100}, 0},
                    SolutionCase{"NegativeLimit", -3.5, {40, 50}, 0},
                    SolutionCase{"MatchBeatsAnEarlierStepOver", 5.5, {4.9, 6.2, 5.3, 7}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The calculator and the chart ------------------------------------------------------------------------------

TEST(PropagationModel, SpreadingLawOfEachScreen) {
    EXPECT_EQ(spreadingFactor(Law::Spherical), 20.0);
    EXPECT_EQ(spreadingFactor(Law::SphericalCylindrical), 10.0);
    // The detection-range screens open on a text that is no law: spherical.
    EXPECT_EQ(detectionSpreading(std::nullopt), 20.0);
    EXPECT_EQ(detectionSpreading(Law::SphericalCylindrical), 10.0);
    // The calculator shows no spreading loss without a law, and still the absorption.
    EXPECT_FALSE(pathSpreadingLoss(std::nullopt, 10));
    EXPECT_NEAR(*pathSpreadingLoss(Law::Spherical, 10), 80.0, 1e-12);
    EXPECT_NEAR(*pathSpreadingLoss(Law::SphericalCylindrical, 10), 70.0, 1e-12);
    EXPECT_NEAR(absorptionLoss(10, 10).value(), 10.8189, 5e-5);
    EXPECT_THROW(pathSpreadingLoss(Law::Spherical, 0), px::Fault);
    EXPECT_FALSE(pathSpreadingLoss(std::nullopt, 0));  // no law, no logarithm
}

TEST(PropagationModel, ChartCurvesStepByStep) {
    std::vector<double> R, S20, S10;
    spreadingCurves([&](double r, double s20, double s10) {
        R.push_back(r);
        S20.push_back(s20);
        S10.push_back(s10);
    });
    ASSERT_EQ(R.size(), 991u);
    EXPECT_EQ(R[0], 1.0);
    EXPECT_EQ(S20[0], 0.0);
    EXPECT_NEAR(S20[90], 20, 1e-9);  // 10 km
    EXPECT_NEAR(S10[90], 10, 1e-9);
    EXPECT_EQ(S20[90], spreadingTerm(kSpherical, R[90]).value());
    std::vector<double> f, alpha;
    absorptionCurve([&](double x, double a) {
        f.push_back(x);
        alpha.push_back(a);
    });
    ASSERT_EQ(f.size(), 10000u);
    EXPECT_EQ(alpha[0], 0.003);
    EXPECT_NEAR(alpha[1000], 1.08189, 5e-5);  // 10 kHz
    EXPECT_EQ(alpha[5000], absorption(f[5000], Thorp::WithConstant).value());
}

// ---- The detection ranges ---------------------------------------------------------------------------------------

PassiveInputs passive(double k, double F1, double F2, double SL, double NL, double DI, double RC, double d) {
    PassiveInputs in;
    in.k = k;
    in.F1 = F1;
    in.F2 = F2;
    in.SL = SL;
    in.NL = NL;
    in.DI = DI;
    in.RC = RC;
    in.d = d;
    return in;
}

ActiveInputs active(double k, double Ftx, double Bwrx, double LI, double NL, double DI, double tTx, double d,
                    double TS) {
    ActiveInputs in;
    in.k = k;
    in.Ftx = Ftx;
    in.Bwrx = Bwrx;
    in.LI = LI;
    in.NL = NL;
    in.DI = DI;
    in.tTx = tTx;
    in.d = d;
    in.TS = TS;
    return in;
}

// What a model gives: its limit, the first and last loss of its drawn curve, and the scan's solution.
struct RangeCase {
    const char* name;
    std::optional<PassiveInputs> passive;
    std::optional<ActiveInputs> active;
    double limit, first, last;
    std::optional<double> range, loss;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class DetectionRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(DetectionRangeTest, LimitCurveAndSolution) {
    const RangeCase& c = GetParam();
    std::vector<double> R, loss;
    Num limit = 0;
    Solution found;
    const auto sink = [&](double r, Num TL, Num max) {
        R.push_back(r);
        loss.push_back(TL.value());
        ASSERT_EQ(max.value(), limit.value());
    };
    if (c.passive) {
        const PassiveRange model(*c.passive);
        limit = model.limit();
        model.curve(sink);
        found = model.solve();
        ASSERT_EQ(R.size(), 1000u);  // 0.1 to 100 km
        EXPECT_NEAR(R.back(), 100, 1e-9);
    } else {
        const ActiveRange model(*c.active);
        limit = model.limit();
        model.curve(sink);
        found = model.solve();
        ASSERT_EQ(R.size(), 499u);  // 0.1 to 49.9 km
        EXPECT_NEAR(R.back(), 49.9, 1e-9);
    }
    EXPECT_EQ(R[0], 0.1);
    EXPECT_DOUBLE_EQ(limit.value(), c.limit);
    EXPECT_DOUBLE_EQ(loss.front(), c.first);
    EXPECT_DOUBLE_EQ(loss.back(), c.last);
    ASSERT_EQ(found.range.has_value(), c.range.has_value());
    ASSERT_EQ(found.loss.has_value(), c.loss.has_value());
    if (c.range) {
        EXPECT_DOUBLE_EQ(*found.range, *c.range);
        EXPECT_DOUBLE_EQ(*found.loss, *c.loss);
    }
}

const PassiveInputs kPassive = passive(kSpherical, 1000, 2000, 130, 60, 10, 1, 10);
const ActiveInputs kActive = active(kSpherical, 10000, 1000, 220, 60, 20, 0.1, 10, 10);

INSTANTIATE_TEST_SUITE_P(
    Ranges, DetectionRangeTest,
    testing::Values(RangeCase{"PassiveSpherical",
                              kPassive,
                              {},
                              91.505149978319906,
                              40.008671934828541,
                              108.6719348285387,
                              29.600000000000151,
                              91.992726930426358},
                    // The solution lies beyond the drawn 100 km: the scan runs to 500 km.
                    RangeCase{"PassiveSphericalCylindrical",
                              passive(kSphericalCylindrical, 1000, 2000, 130, 60, 10, 1, 10),
                              {},
                              91.505149978319906,
                              50.008671934828541,
                              88.671934828538753,
                              126.49999999999709,
                              91.990902813219748},
                    // The loss steps from 117.97 dB at 3.1 km over the 118 dB band to 119.80 dB at 3.2 km; the
                    // curve is clamped at 200 dB.
                    RangeCase{"PassiveWholeDecibelSteppedOver",
                              passive(kSpherical, 40000, 60000, 130, 40, 10, 1, 10),
                              {},
                              118.01029995663981,
                              41.552918911991796,
                              200,
                              3.1000000000000014,
                              117.96772014843123},
                    RangeCase{"PassiveLimitNeverReached",
                              passive(kSpherical, 1000, 2000, 300, 60, 10, 1, 10),
                              {},
                              261.50514997831988,
                              40.008671934828541,
                              108.6719348285387,
                              std::nullopt,
                              std::nullopt},
                    RangeCase{"PassiveLimitBelowTheFirstStep",
                              passive(kSpherical, 1000, 2000, 30, 60, 10, 1, 10),
                              {},
                              -8.4948500216800973,
                              40.008671934828541,
                              108.6719348285387,
                              std::nullopt,
                              std::nullopt},
                    // The scan tests the unclamped loss: 5.6 km at 249.17 dB, above the drawn 200 dB.
                    RangeCase{"PassiveScanUsesTheUnclampedLoss",
                              passive(kSpherical, 90000, 110000, 249, 23, 0, 1, 1),
                              {},
                              249.01029995663981,
                              43.110820418572438,
                              200,
                              5.5999999999999961,
                              249.16970398018043},
                    // The active solution keeps the one-way loss; the curve is the two-way loss.
                    RangeCase{"ActiveSpherical",
                              {},
                              kActive,
                              165,
                              80.215778170674213,
                              295.59732899136765,
                              6.388000000000468,
                              82.999252920664318},
                    RangeCase{"ActiveSphericalCylindrical",
                              {},
                              active(kSphericalCylindrical, 10000, 1000, 220, 60, 20, 0.1, 10, 10),
                              165,
                              100.21577817067421,
                              261.63531807889973,
                              11.489999999999071,
                              82.999656192114884},
                    RangeCase{"ActiveLimitBeyondTheLossAtFiftyKm",
                              {},
                              active(kSpherical, 1000, 1000, 300, 5, 20, 0.1, 10, 10),
                              300,
                              80.012005743721048,
                              193.91488794173659,
                              std::nullopt,
                              std::nullopt},
                    RangeCase{"ActiveLimitBelowTheStartOfTheCurve",
                              {},
                              active(kSpherical, 10000, 1000, 100, 25, 20, 0.1, 10, 0),
                              70,
                              80.215778170674213,
                              295.59732899136765,
                              std::nullopt,
                              std::nullopt},
                    // At 2000 kHz the two-way loss grows by about 2.3 dB a metre: the 2414 dB band is stepped over.
                    RangeCase{"ActiveWholeDecibelSteppedOver",
                              {},
                              active(kSpherical, 2000000, 1000, 2469, 60, 20, 0.1, 10, 10),
                              2414,
                              308.01180839139374,
                              113965.8164091314,
                              1.006,
                              1206.9513558231085}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetectionRange, IncompleteInputsComputeNothing) {
    EXPECT_TRUE(kPassive.complete());
    EXPECT_TRUE(kActive.complete());
    for (auto zeroed : {&PassiveInputs::F1, &PassiveInputs::F2, &PassiveInputs::RC}) {
        PassiveInputs in = kPassive;
        in.*zeroed = 0;
        EXPECT_FALSE(in.complete());
    }
    for (auto zeroed : {&ActiveInputs::Ftx, &ActiveInputs::Bwrx, &ActiveInputs::tTx}) {
        ActiveInputs in = kActive;
        in.*zeroed = 0;
        EXPECT_FALSE(in.complete());
    }
    // Only the square of the frequency enters.
    ActiveInputs negative = kActive;
    negative.Ftx = -10000;
    EXPECT_EQ(*ActiveRange(negative).solve().range, *ActiveRange(kActive).solve().range);
}

struct FaultCase {
    const char* name;
    std::optional<PassiveInputs> passive;
    std::optional<ActiveInputs> active;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class DetectionFaultTest : public testing::TestWithParam<FaultCase> {};

// A fault comes from the limit's logarithms and roots, before a point of the curve.
TEST_P(DetectionFaultTest, FaultsBeforeTheCurve) {
    const FaultCase& c = GetParam();
    if (c.passive)
        EXPECT_THROW(PassiveRange{*c.passive}, px::Fault);
    else
        EXPECT_THROW(ActiveRange{*c.active}, px::Fault);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DetectionFaultTest,
    testing::Values(
        FaultCase{
            "PassiveNegativeBandEdgeAtTheSquareRoot", passive(kSpherical, -1000, 2000, 130, 60, 10, 1, 10), {}},
        FaultCase{"PassiveZeroIndex", passive(kSpherical, 1000, 2000, 130, 60, 10, 1, 0), {}},
        FaultCase{"PassiveUpperEdgeBelowLower", passive(kSpherical, 3000, 2000, 130, 60, 10, 1, 10), {}},
        FaultCase{"ActiveZeroIndex", {}, active(kSpherical, 10000, 1000, 220, 60, 20, 0.1, 0, 10)},
        FaultCase{"ActiveNegativeBandwidth", {}, active(kSpherical, 10000, -1000, 220, 60, 20, 0.1, 10, 10)},
        FaultCase{"ActiveNegativePulse", {}, active(kSpherical, 10000, 1000, 220, 60, 20, -0.1, 10, 10)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
