// The propagation-loss model on its own: spreading law, Thorp's absorption, the decimal logarithm's last bit,
// the plain-double loss of the dense scans, and how a detection-range scan keeps its solution.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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

}  // namespace
