// The transducer and geometry models on their own: the directivity patterns with their lobe widths and indices,
// the rectangular face's index, the Doppler shift and the bottom-reflection range, each with the curve it hands
// on, and the piston sum the circular pattern rests on.  The texts compared are the results as the screens show
// them (Format, Str).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "directivity_model.h"
#include "geometry_model.h"
#include "numbers.h"
#include "piston.h"

namespace {

using namespace px::transducers;

struct Point {
    double x, y;
};

// A sink that keeps every point handed on.
struct Curve {
    std::vector<Point> points;
    CurveSink sink() {
        return [this](double x, double y) { points.push_back({x, y}); };
    }
};

template <class F>
std::optional<px::FaultKind> faultOf(F&& f) {
    try {
        f();
    } catch (const px::Fault& fault) {
        return fault.kind();
    }
    return std::nullopt;
}

// ---- Circular transducer and line array ------------------------------------------------------------------------

struct DirectivityCase {
    const char* name;
    bool disc;  // the circular transducer, else the line array
    double f;
    double size;
    const char* width3;
    const char* width6;
    const char* index;
};

class Directivity : public testing::TestWithParam<DirectivityCase> {};

TEST_P(Directivity, WidthsIndexAndOnePointAnAngle) {
    const DirectivityCase& c = GetParam();
    const Aperture face{c.f, c.size};
    Curve curve;
    const auto widths = c.disc ? circularPattern(face, curve.sink()) : linePattern(face, curve.sink());
    ASSERT_TRUE(widths.has_value());
    EXPECT_EQ(px::Format(widths->minus3dB, "###.0"), c.width3);
    EXPECT_EQ(px::Format(widths->minus6dB, "###.0"), c.width6);
    EXPECT_EQ(px::Format(c.disc ? circularDirectivityIndex(face) : lineDirectivityIndex(face), "###.#"), c.index);
    ASSERT_EQ(curve.points.size(), 1000u);
    EXPECT_DOUBLE_EQ(curve.points.front().x, 0.1);
    EXPECT_NEAR(curve.points.back().x, 100.0, 1e-9);  // just short of 100 degrees
    // The disc's pattern is clamped at +1.
    if (c.disc) {
        for (const Point& p : curve.points) {
            ASSERT_LE(p.y, 1.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, Directivity,
                         testing::Values(
                             // Circular transducer.
                             DirectivityCase{"DiscInitialTexts", true, 1, 1, "111.8", ".0", "6.2"},
                             DirectivityCase{"DiscTenKilohertzOneMetre", true, 10, 1, "9.4", "12.6", "26.2"},
                             DirectivityCase{"DiscBothNegative", true, -10, -1, "9.4", "12.6", "26.2"},
                             DirectivityCase{"DiscNegativeDiameter", true, 10, -1, "9.4", "12.6", "26.2"},
                             DirectivityCase{"DiscFarSmallerThanWavelength", true, 1, 0.01, ".0", ".0", "-33.8"},
                             DirectivityCase{"TinyDiscNegative", true, 1, -0.01, "19.2", "11.2", "-33.8"},
                             DirectivityCase{"NarrowBeamStepsOverBothWindows", true, 100, 0.5, ".0", ".0", "40.2"},
                             DirectivityCase{"NarrowBeam", true, 100, 0.2, "4.6", "6.2", "32.3"},
                             DirectivityCase{"DiscLargeTyped", true, 999, 999, ".0", ".0", "126.2"},
                             DirectivityCase{"DiscLargerTyped", true, 100000, 100000, ".0", ".0", "206.2"},
                             DirectivityCase{"DiscLargestTyped", true, 999999, 999999, ".0", ".0", "246.2"},
                             // Line array.
                             DirectivityCase{"LineInitialTexts", false, 1, 1, "90.6", "142.0", "1.2"},
                             DirectivityCase{"LineShorterThanWavelength", false, 10, 0.1, "90.6", "142.0", "1.2"},
                             DirectivityCase{"LineTenKilohertzOneMetre", false, 10, 1, "8.0", "10.8", "11.2"},
                             DirectivityCase{"LineBothNegative", false, -10, -1, "8.0", "10.8", "11.2"},
                             DirectivityCase{"LineStaysAboveBothWindows", false, 1, 0.1, ".0", ".0", "-8.8"},
                             DirectivityCase{"LongLineStepsOverBothWindows", false, 100, 5, ".0", ".0", "28.2"}),
                         [](const testing::TestParamInfo<DirectivityCase>& info) {
                             return std::string(info.param.name);
                         });

// A zero frequency or size ends the run: no point, no widths.
struct EarlyEndCase {
    const char* name;
    bool disc;
    double f;
    double size;
};

class DirectivityEarlyEnd : public testing::TestWithParam<EarlyEndCase> {};

TEST_P(DirectivityEarlyEnd, HandsOnNothing) {
    const EarlyEndCase& c = GetParam();
    Curve curve;
    const Aperture face{c.f, c.size};
    EXPECT_FALSE((c.disc ? circularPattern(face, curve.sink()) : linePattern(face, curve.sink())).has_value());
    EXPECT_TRUE(curve.points.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DirectivityEarlyEnd,
    testing::Values(EarlyEndCase{"DiscZeroFrequency", true, 0, 1}, EarlyEndCase{"DiscZeroDiameter", true, 10, 0},
                    EarlyEndCase{"LineZeroFrequency", false, 0, 1}, EarlyEndCase{"LineZeroLength", false, 10, 0}),
    [](const testing::TestParamInfo<EarlyEndCase>& info) { return std::string(info.param.name); });

// Near the axis the sum exceeds x/2, so the disc's pattern is clamped at +1; with the diameter negative it is not.
TEST(DirectivityPattern, DiscNearTheAxis) {
    Curve small;
    ASSERT_TRUE(circularPattern({1, 0.01}, small.sink()));
    EXPECT_TRUE(std::all_of(small.points.begin(), small.points.end(), [](const Point& p) { return p.y == 1.0; }));
    Curve metre;
    ASSERT_TRUE(circularPattern({10, 1}, metre.sink()));
    EXPECT_EQ(metre.points.front().y, 1.0);
    Curve negative;
    ASSERT_TRUE(circularPattern({10, -1}, negative.sink()));
    EXPECT_NEAR(negative.points.front().y, (2740 - 562.6) / 2240, 0.05 / 2240);
    Curve tiny;
    ASSERT_TRUE(circularPattern({1, -0.01}, tiny.sink()));
    EXPECT_NEAR(tiny.points.front().y, (2740 - 63900) / 2240.0, 100 / 2240.0);
}

// sin(x)/x: just under 1 at the first angle, and its first side lobe about -0.22.
TEST(DirectivityPattern, LineIsNotClampedAndDipsBelowTheAxis) {
    Curve curve;
    ASSERT_TRUE(linePattern({10, 1}, curve.sink()));
    EXPECT_NEAR(curve.points.front().y, (2740 - 500.48) / 2240, 0.01 / 2240);
    const auto lowest = std::min_element(curve.points.begin(), curve.points.end(),
                                         [](const Point& a, const Point& b) { return a.y < b.y; });
    EXPECT_NEAR(lowest->y, -0.217, 5 / 2240.0);
}

// A line of opposite signs: the whole pattern and the widths, then the index faults at its logarithm.  An absurd
// disc faults at the first angle, before any point.
TEST(DirectivityPattern, Faults) {
    for (const Aperture& line : {Aperture{10, -1}, Aperture{-10, 1}}) {
        Curve curve;
        const auto widths = linePattern(line, curve.sink());
        ASSERT_TRUE(widths);
        EXPECT_EQ(px::Format(widths->minus3dB, "###.0"), "8.0");
        EXPECT_EQ(px::Format(widths->minus6dB, "###.0"), "10.8");
        EXPECT_EQ(curve.points.size(), 1000u);
        EXPECT_EQ(faultOf([&] { lineDirectivityIndex(line); }), px::FaultKind::InvalidArgument);
    }
    for (double D : {1e308, 1e-310}) {
        Curve curve;
        EXPECT_EQ(faultOf([&] { circularPattern({1, D}, curve.sink()); }), px::FaultKind::Overflow) << D;
        EXPECT_TRUE(curve.points.empty());
    }
}

// ---- Rectangular source ----------------------------------------------------------------------------------------

struct SourceCase {
    const char* name;
    double f, W, H;
    const char* index;  // "" where nothing is computed
};

class RectangularSource : public testing::TestWithParam<SourceCase> {};

TEST_P(RectangularSource, Index) {
    const SourceCase& c = GetParam();
    const std::optional<double> DI = rectangularDirectivityIndex(c.f, c.W, c.H);
    EXPECT_EQ(DI ? px::Format(*DI, "##.#") : std::string(), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, RectangularSource,
    testing::Values(SourceCase{"InitialTexts", 1, 1, 1, "-32.7"}, SourceCase{"HalfMetreSquare", 10, 50, 50, "21.3"},
                    SourceCase{"Rectangle", 20, 10, 30, "18.1"},
                    SourceCase{"FarSmallerThanWavelength", 1, 10, 10, "-12.7"},
                    SourceCase{"SmallSquare", 10, 5, 5, "1.3"}, SourceCase{"NegativeFrequency", -10, 5, 5, "1.3"},
                    SourceCase{"BothSidesNegative", 20, -10, -30, "18.1"}, SourceCase{"ZeroFrequency", 0, 5, 5, ""},
                    SourceCase{"ZeroWidth", 10, 0, 5, ""}, SourceCase{"ZeroHeight", 10, 5, 0, ""}),
    [](const testing::TestParamInfo<SourceCase>& info) { return std::string(info.param.name); });

TEST(RectangularSourceFaults, SidesOfOppositeSignsFaultAtTheLogarithm) {
    EXPECT_EQ(faultOf([] { rectangularDirectivityIndex(10, -50, 50); }), px::FaultKind::InvalidArgument);
    EXPECT_EQ(faultOf([] { rectangularDirectivityIndex(10, 50, -50); }), px::FaultKind::InvalidArgument);
}

// ---- Doppler shift ---------------------------------------------------------------------------------------------

struct DopplerCase {
    const char* name;
    double f, v;
    const char* shift;
};

class DopplerShift : public testing::TestWithParam<DopplerCase> {};

TEST_P(DopplerShift, InWholeHertz) {
    const DopplerCase& c = GetParam();
    EXPECT_EQ(px::Format(dopplerShift(c.f, c.v), "#####"), c.shift);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DopplerShift,
    testing::Values(DopplerCase{"InitialTexts", 1, 1, "1"}, DopplerCase{"TenByTen", 10, 10, "69"},
                    DopplerCase{"TwentyByTwelve", 20, 12, "166"},
                    DopplerCase{"ResultIsNotClamped", 90, 100, "6210"},
                    DopplerCase{"ZeroFrequencyShowsNothing", 0, 12, ""},
                    DopplerCase{"ZeroSpeedShowsNothing", 20, 0, ""}, DopplerCase{"NegativeSpeed", 20, -12, "-166"}),
    [](const testing::TestParamInfo<DopplerCase>& info) { return std::string(info.param.name); });

TEST(DopplerDiagram, RisesWithTheSpeedAndIsFlattenedAt5000Hz) {
    Curve ten;
    dopplerDiagram(10, ten.sink());
    ASSERT_EQ(ten.points.size(), 100000u);
    EXPECT_EQ(ten.points.front().x, 0.0);
    EXPECT_EQ(ten.points.front().y, 0.0);
    EXPECT_NEAR(ten.points.back().x, 100.0, 0.05 / 32.2);
    EXPECT_NEAR(ten.points.back().y, (8240 - 7930.9) / 0.448, 0.05 / 0.448);

    Curve fast;
    dopplerDiagram(100, fast.sink());
    const auto top =
        std::find_if(fast.points.begin(), fast.points.end(), [](const Point& p) { return p.y == kDopplerCeiling; });
    ASSERT_NE(top, fast.points.end());
    EXPECT_NEAR(top->x, 72.46, 0.01);  // 5000 Hz at 100 knots
    EXPECT_TRUE(std::all_of(top, fast.points.end(), [](const Point& p) { return p.y == kDopplerCeiling; }));

    Curve backwards;
    dopplerDiagram(-10, backwards.sink());
    EXPECT_TRUE(
        std::all_of(backwards.points.begin() + 1, backwards.points.end(), [](const Point& p) { return p.y < 0; }));
}

// ---- Bottom reflection -----------------------------------------------------------------------------------------

struct RangeCase {
    const char* name;
    double h, b;
    const char* range;
};

class BottomReflection : public testing::TestWithParam<RangeCase> {};

TEST_P(BottomReflection, InWholeMetresRoundedDown) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(px::Str(px::Int(bottomReflectionRange(c.h, c.b))), c.range);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BottomReflection,
    testing::Values(RangeCase{"InitialTexts", 1, 1, "114"}, RangeCase{"HundredMetresTenDegrees", 100, 10, "1134"},
                    RangeCase{"NegativeHeightRoundsDown", -100, 10, "-1135"},
                    RangeCase{"FiveDegrees", 100, 5, "2286"}, RangeCase{"ThirtyDegrees", 50, 30, "173"},
                    RangeCase{"BeyondTheDiagram", 1000, 1, "114580"}, RangeCase{"ZeroHeight", 0, 10, "0"}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(BottomReflectionDiagram, FollowsTheHeightAndIsFlattenedAt100Km) {
    Curve high;
    bottomReflectionDiagram(1000, high.sink());
    ASSERT_EQ(high.points.size(), 4901u);
    EXPECT_EQ(high.points.front().x, 1.0);
    EXPECT_EQ(high.points.front().y, kRangeCeiling);  // 114 580 m, flattened
    EXPECT_NEAR(high.points.back().x, 50.0, 1e-6);
    Curve below;
    bottomReflectionDiagram(-100, below.sink());
    EXPECT_TRUE(std::all_of(below.points.begin(), below.points.end(), [](const Point& p) { return p.y < 0; }));
}

TEST(BottomReflectionFaults, AZeroAngleDividesByAZeroTangent) {
    for (double h : {100.0, 0.0})
        EXPECT_EQ(faultOf([h] { bottomReflectionRange(h, 0); }), px::FaultKind::DivisionByZero) << h;
}

// ---- The piston sum --------------------------------------------------------------------------------------------

// The sum of every angle, however the angles are shared among the cores, is the sum added term by term in the
// order of k with t = 0.001 * k.
TEST(PistonIntegral, EveryAngleIsTheSumAddedTermByTermInOrder) {
    auto reference = [](double x) {
        double j = 0;
        for (int k = 0; k <= 3140; ++k) {
            const double t = 0.001 * k;
            j = j + 0.001 * ((1 / 3.14) * std::cos(x * std::sin(t) - t));
        }
        return j;
    };
    std::vector<double> xs;
    for (double theta = 0.1; theta <= 100; theta = theta + 0.1)
        xs.push_back(std::sin(theta * 3.14159 / 180) * (3.14159 * 1 / (1.53 / 10)));
    xs.push_back(0.0);
    xs.push_back(-7.25);
    xs.push_back(1e6);
    std::vector<double> js(xs.size(), -1.0);
    px::pistonIntegrals(xs, js);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(js[i], reference(xs[i]));  // bit for bit
        ASSERT_EQ(px::pistonIntegral(xs[i]), js[i]);
    }
}

// The estimate's bound holds: the exact sum lies within it, over the whole range the estimate is made for; beyond
// that range the estimate is 0 within the largest magnitude a sum can have, and for no number at all the bound is
// infinite.
TEST(PistonEstimate, TheExactSumLiesWithinTheBound) {
    for (double x = -120; x <= 120; x += 0.37) {
        SCOPED_TRACE(x);
        const px::PistonEstimate e = px::pistonEstimate(x);
        ASSERT_LE(std::fabs(px::pistonIntegral(x) - e.j), e.bound);
        ASSERT_LT(e.bound, 1e-10);
    }
    for (double x : {1e-300, 5e-7, 3141.5926, -77777.7, 99999.0}) {
        const px::PistonEstimate e = px::pistonEstimate(x);
        EXPECT_LE(std::fabs(px::pistonIntegral(x) - e.j), e.bound) << x;
    }
    // Beyond 1e5 the arguments are reduced otherwise, up to 2^40; the bound stays as tight.
    for (double x : {100000.5, -2e5, 3.3e6, 123456789.0, -4.1e7, 2.5e9, 7.77e11, 1.0995e12}) {
        const px::PistonEstimate e = px::pistonEstimate(x);
        EXPECT_LE(std::fabs(px::pistonIntegral(x) - e.j), e.bound) << x;
        EXPECT_LT(e.bound, 1e-10) << x;
    }
    for (double x = 1e5; x <= 1.1e12; x *= 1.37) {
        const px::PistonEstimate e = px::pistonEstimate(x);
        ASSERT_LE(std::fabs(px::pistonIntegral(x) - e.j), e.bound) << x;
    }
    for (double x : {1.1e12, -3e15, 1e300, -1.7e308}) {
        const px::PistonEstimate e = px::pistonEstimate(x);
        EXPECT_EQ(e.j, 0) << x;
        EXPECT_EQ(e.bound, px::kPistonSumBound) << x;
        EXPECT_LE(std::fabs(px::pistonIntegral(x)), px::kPistonSumBound) << x;
    }
    EXPECT_TRUE(std::isinf(px::pistonEstimate(std::nan("")).bound));
    EXPECT_TRUE(std::isinf(px::pistonEstimate(HUGE_VAL).bound));
}

}  // namespace
