// The transducer and geometry screens as a user meets them: typed inputs, "Calcolo", the results shown, the
// curves drawn and the faults reported.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "gui_support.h"
#include "numbers.h"
#include "piston.h"
#include "reading.h"
#include "screen.h"

namespace {

using pxtest::ScreenTest;

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// A screen driven through its fields and its "Calcolo" button.
class CalculatorTest : public ScreenTest {
protected:
    // Opens the screen if needed, retypes each field given ({"Text1", "10"}), then presses "Calcolo".
    void calcolo(const std::string& screen, const std::vector<std::pair<std::string, std::string>>& fields) {
        ASSERT_TRUE(ui.show(screen));
        for (const auto& [field, text] : fields)
            retype(screen + "." + field, text);
        ASSERT_TRUE(ui.click(screen + ".Command1")) << ui.lastError();
    }
    std::vector<px::Primitive> blue(const std::string& screen) { return points(screen, kBlue); }
    std::vector<px::Primitive> lines(const std::string& screen) { return ofKind(screen, px::Primitive::Line); }
};

// ---- Circular transducer and line array ------------------------------------------------------------------------

struct DirectivityCase {
    const char* name;
    const char* screen;
    const char* f;
    const char* size;
    const char* width3;  // Label3
    const char* width6;  // Label9
    const char* index;   // Label10
};

class DirectivityTest : public CalculatorTest, public testing::WithParamInterface<DirectivityCase> {};

TEST_P(DirectivityTest, ShowsWidthsAndIndexAndDrawsOnePointAnAngle) {
    const DirectivityCase& c = GetParam();
    calcolo(c.screen, {{"Text1", c.f}, {"Text2", c.size}});
    const std::string s = c.screen;
    EXPECT_EQ(ui.text(s + ".Label3"), c.width3);
    EXPECT_EQ(ui.text(s + ".Label9"), c.width6);
    EXPECT_EQ(ui.text(s + ".Label10"), c.index);
    const auto curve = blue(s);
    ASSERT_EQ(curve.size(), 1000u);
    EXPECT_NEAR(curve.front().x1, 506.44, 0.01);
    EXPECT_NEAR(curve.back().x1, 6940.0, 0.01);  // the last angle, just short of 100 degrees
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DirectivityTest,
    testing::Values(
        // Circular transducer.
        DirectivityCase{"DiscInitialTexts", "Form5", "1", "1", "111.8", ".0", "6.2"},
        DirectivityCase{"DiscTenKilohertzOneMetre", "Form5", "10", "1", "9.4", "12.6", "26.2"},
        DirectivityCase{"DiscBothNegative", "Form5", "-10", "-1", "9.4", "12.6", "26.2"},
        DirectivityCase{"DiscNegativeDiameter", "Form5", "10", "-1", "9.4", "12.6", "26.2"},
        DirectivityCase{"DiscFarSmallerThanWavelength", "Form5", "1", "0.01", ".0", ".0", "-33.8"},
        DirectivityCase{"TinyDiscNegative", "Form5", "1", "-0.01", "19.2", "11.2", "-33.8"},
        DirectivityCase{"NarrowBeamStepsOverBothWindows", "Form5", "100", "0.5", ".0", ".0", "40.2"},
        DirectivityCase{"NarrowBeam", "Form5", "100", "0.2", "4.6", "6.2", "32.3"},
        // The largest numbers typed: arguments of the integrand up to 2e6, 2e10 and 2e12.
        DirectivityCase{"DiscLargeTyped", "Form5", "999", "999", ".0", ".0", "126.2"},
        DirectivityCase{"DiscLargerTyped", "Form5", "100000", "100000", ".0", ".0", "206.2"},
        DirectivityCase{"DiscLargestTyped", "Form5", "999999", "999999", ".0", ".0", "246.2"},
        // Line array.
        DirectivityCase{"LineInitialTexts", "Form6", "1", "1", "90.6", "142.0", "1.2"},
        DirectivityCase{"LineShorterThanWavelength", "Form6", "10", "0.1", "90.6", "142.0", "1.2"},
        DirectivityCase{"LineTenKilohertzOneMetre", "Form6", "10", "1", "8.0", "10.8", "11.2"},
        DirectivityCase{"LineBothNegative", "Form6", "-10", "-1", "8.0", "10.8", "11.2"},
        DirectivityCase{"LineStaysAboveBothWindows", "Form6", "1", "0.1", ".0", ".0", "-8.8"},
        DirectivityCase{"LongLineStepsOverBothWindows", "Form6", "100", "5", ".0", ".0", "28.2"}),
    [](const testing::TestParamInfo<DirectivityCase>& info) { return std::string(info.param.name); });

// Near the axis the sum exceeds x/2, so the disc's pattern is clamped at +1; with the diameter negative it is not.
TEST_F(CalculatorTest, DiscPatternNearTheAxis) {
    calcolo("Form5", {{"Text1", "1"}, {"Text2", "0.01"}});
    const auto flat = blue("Form5");
    ASSERT_EQ(flat.size(), 1000u);
    EXPECT_TRUE(std::all_of(flat.begin(), flat.end(), [](const px::Primitive& p) { return p.y1 == 500.0f; }));

    calcolo("Form5", {{"Text1", "10"}, {"Text2", "1"}});
    EXPECT_EQ(blue("Form5").front().y1, 500.0f);

    calcolo("Form5", {{"Text1", "10"}, {"Text2", "-1"}});
    EXPECT_NEAR(blue("Form5").front().y1, 562.6, 0.05);

    calcolo("Form5", {{"Text1", "1"}, {"Text2", "-0.01"}});
    EXPECT_NEAR(blue("Form5").front().y1, 63900, 100);  // far below the window: drawn nowhere, no fault
    EXPECT_TRUE(ui.faults().empty());
}

// The line array's pattern is sin(x)/x: just under 1 at the first angle, and its side lobes dip below the axis.
TEST_F(CalculatorTest, LinePatternIsNotClampedAndDipsBelowTheAxis) {
    calcolo("Form6", {{"Text1", "10"}, {"Text2", "1"}});
    const auto curve = blue("Form6");
    ASSERT_EQ(curve.size(), 1000u);
    EXPECT_NEAR(curve.front().y1, 500.48, 0.01);  // P = 0.99979 at 0.1 degrees
    const auto lowest = std::max_element(
        curve.begin(), curve.end(), [](const px::Primitive& a, const px::Primitive& b) { return a.y1 < b.y1; });
    EXPECT_NEAR(lowest->y1, 2740 + 2240 * 0.217, 5);  // the first side lobe, about -0.22
}

// A zero frequency or size ends the run after the frame: no curve, and the results of the last run stay.
struct EarlyEnd {
    const char* name;
    const char* screen;
    const char* field;
    const char* text;
};

class EarlyEndTest : public CalculatorTest, public testing::WithParamInterface<EarlyEnd> {};

TEST_P(EarlyEndTest, LeavesOnlyTheFrameAndTheEarlierResults) {
    const EarlyEnd& c = GetParam();
    const std::string s = c.screen;
    calcolo(s, {{"Text1", "10"}, {"Text2", "1"}});
    const std::string before[] = {ui.text(s + ".Label3"), ui.text(s + ".Label9"), ui.text(s + ".Label10")};
    ASSERT_NE(before[0], "");
    calcolo(s, {{c.field, c.text}});
    EXPECT_EQ(ui.text(s + ".Label3"), before[0]);
    EXPECT_EQ(ui.text(s + ".Label9"), before[1]);
    EXPECT_EQ(ui.text(s + ".Label10"), before[2]);
    EXPECT_TRUE(blue(s).empty());
    EXPECT_EQ(points(s, kBlack).size(), 6615u);
    EXPECT_EQ(lines(s).size(), 2u);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, EarlyEndTest,
                         testing::Values(EarlyEnd{"DiscZeroFrequency", "Form5", "Text1", "0"},
                                         EarlyEnd{"DiscEmptyFrequency", "Form5", "Text1", ""},
                                         EarlyEnd{"DiscZeroDiameter", "Form5", "Text2", "0"},
                                         EarlyEnd{"DiscDiameterMinus", "Form5", "Text2", "-"},
                                         EarlyEnd{"LineZeroFrequency", "Form6", "Text1", "0"},
                                         EarlyEnd{"LineZeroLength", "Form6", "Text2", "."}),
                         [](const testing::TestParamInfo<EarlyEnd>& info) { return std::string(info.param.name); });

// Length and frequency of opposite signs: the curve and the widths are shown, then the logarithm of the index
// faults and the index keeps its earlier text.
TEST_F(CalculatorTest, LineOfOppositeSignsShowsTheWidthsThenFaults) {
    calcolo("Form6", {});
    ASSERT_EQ(ui.text("Form6.Label10"), "1.2");
    for (const auto& [f, L] : {std::pair{"10", "-1"}, std::pair{"-10", "1"}}) {
        SCOPED_TRACE(std::string(f) + " " + L);
        calcolo("Form6", {{"Text1", f}, {"Text2", L}});
        EXPECT_EQ(ui.text("Form6.Label3"), "8.0");
        EXPECT_EQ(ui.text("Form6.Label9"), "10.8");
        EXPECT_EQ(ui.text("Form6.Label10"), "1.2");
        EXPECT_EQ(blue("Form6").size(), 1000u);
        EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"});
    }
}

// Absurd diameters fault at the first angle, before any point, and leave the results as they were.
TEST_F(CalculatorTest, DiscOfAbsurdSizeFaultsBeforeTheCurve) {
    calcolo("Form5", {});
    for (const char* d : {"1E308", "1E-310"}) {
        SCOPED_TRACE(d);
        ASSERT_TRUE(ui.paste("Form5.Text2", d));
        ASSERT_TRUE(ui.click("Form5.Command1"));
        EXPECT_EQ(ui.faults(), std::vector<std::string>{"Overflow"});
        EXPECT_TRUE(blue("Form5").empty());
        EXPECT_EQ(points("Form5", kBlack).size(), 6615u);
        EXPECT_EQ(ui.text("Form5.Label3"), "111.8");
        EXPECT_EQ(ui.text("Form5.Label10"), "6.2");
    }
}

// The disc's pattern as the procedure gives it, angle after angle with the exact sum: the widths and every point
// as the surface stores it.  The screen takes a quick estimate of the sums wherever it settles the result; what
// the user sees must be this, point for point.
struct DiscPattern {
    std::vector<float> ys;
    double theta3 = 0, theta6 = 0;
};

DiscPattern discPattern(double f, double D) {
    DiscPattern out;
    const double lambda = 1.53 / f;
    for (double theta = 0.1; theta <= 100; theta = theta + 0.1) {
        const double x = std::sin((theta * 3.14159) / 180) * ((3.14159 * D) / lambda);
        const double J = px::pistonIntegral(x);
        const double x2 = std::sin(theta * (3.14159 / 180)) * ((D * 3.14159) / lambda);
        double P = (2 * J) / x2;
        if (0.68 < P && P < 0.707) out.theta3 = theta;
        if (0.48 < P && P < 0.5) out.theta6 = theta;
        if (P > 1) P = 1;
        out.ys.push_back(static_cast<float>(2740 - 2240 * P));
    }
    return out;
}

struct DiscCase {
    const char* name;
    double f, D;
    // Texts pasted into the fields in place of typing f and D, for values no key can give.
    const char* pastedF = nullptr;
    const char* pastedD = nullptr;
};

class DiscShortcutTest : public CalculatorTest, public testing::WithParamInterface<DiscCase> {};

TEST_P(DiscShortcutTest, EveryPointAndWidthIsTheExactSumsOne) {
    const DiscCase& c = GetParam();
    if (c.pastedF != nullptr) {
        ASSERT_TRUE(ui.show("Form5"));
        ASSERT_TRUE(ui.paste("Form5.Text1", c.pastedF));
        ASSERT_TRUE(ui.paste("Form5.Text2", c.pastedD));
        ASSERT_TRUE(ui.click("Form5.Command1"));
    } else {
        calcolo("Form5", {{"Text1", QString::number(c.f, 'g', 17).toStdString()},
                          {"Text2", QString::number(c.D, 'g', 17).toStdString()}});
    }
    const DiscPattern want = discPattern(c.f, c.D);
    const auto drawn = blue("Form5");
    ASSERT_EQ(drawn.size(), want.ys.size());
    for (std::size_t i = 0; i < drawn.size(); ++i)
        ASSERT_EQ(drawn[i].y1, want.ys[i]) << "angle " << i + 1;
    EXPECT_EQ(ui.text("Form5.Label3"), px::Format(2 * want.theta3, "###.0"));
    EXPECT_EQ(ui.text("Form5.Label9"), px::Format(2 * want.theta6, "###.0"));
}

INSTANTIATE_TEST_SUITE_P(Discs, DiscShortcutTest,
                         testing::Values(DiscCase{"Initial", 1, 1}, DiscCase{"TenKilohertz", 10, 1},
                                         DiscCase{"SmallDisc", 1, 0.01}, DiscCase{"NarrowBeam", 100, 0.5},
                                         DiscCase{"NarrowerBeam", 100, 0.2}, DiscCase{"NegativeDiameter", 10, -1},
                                         DiscCase{"TinyNegativeDisc", 1, -0.01}, DiscCase{"BothNegative", -10, -1},
                                         DiscCase{"Odd", 37, 0.77}, DiscCase{"Wide", 0.3, 3},
                                         DiscCase{"ManyLobes", 250, 1.3}, DiscCase{"Huge", 4000, 60},
                                         // Arguments beyond 1e5, where the estimate reduces them otherwise,
                                         // and beyond where no sum moves a point.
                                         DiscCase{"LargeTyped", 999, 999}, DiscCase{"LargeNegative", -999, 999},
                                         DiscCase{"Larger", 300, 700}, DiscCase{"AcrossAllReductions", 5000, 5000},
                                         DiscCase{"LargerTyped", 100000, 100000}, DiscCase{"Beyond", 12345, 54321},
                                         DiscCase{"LargestTyped", 999999, 999999},
                                         DiscCase{"PastedHuge", 1e150, 1e150, "1E150", "1E150"},
                                         DiscCase{"PastedHugeDisc", 1e-100, 1e150, "1E-100", "1E150"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Rectangular source ----------------------------------------------------------------------------------------

struct SourceCase {
    const char* name;
    const char* f;
    const char* W;
    const char* H;
    const char* index;
};

class RectangularSourceTest : public CalculatorTest, public testing::WithParamInterface<SourceCase> {};

TEST_P(RectangularSourceTest, ShowsTheIndex) {
    const SourceCase& c = GetParam();
    calcolo("Form9", {{"Text1", c.f}, {"Text2", c.W}, {"Text3", c.H}});
    EXPECT_EQ(ui.text("Form9.Label3"), c.index);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Faces, RectangularSourceTest,
                         testing::Values(SourceCase{"InitialTexts", "1", "1", "1", "-32.7"},
                                         SourceCase{"HalfMetreSquare", "10", "50", "50", "21.3"},
                                         SourceCase{"Rectangle", "20", "10", "30", "18.1"},
                                         SourceCase{"FarSmallerThanWavelength", "1", "10", "10", "-12.7"},
                                         SourceCase{"SmallSquare", "10", "5", "5", "1.3"},
                                         SourceCase{"NegativeFrequency", "-10", "5", "5", "1.3"},
                                         SourceCase{"BothSidesNegative", "20", "-10", "-30", "18.1"}),
                         [](const testing::TestParamInfo<SourceCase>& info) {
                             return std::string(info.param.name);
                         });

// A zero input changes nothing; sides of opposite signs fault at the logarithm; the result stays in both cases.
TEST_F(CalculatorTest, RectangularSourceZeroInputsAndOppositeSides) {
    calcolo("Form9", {});
    ASSERT_EQ(ui.text("Form9.Label3"), "-32.7");
    const std::pair<const char*, std::vector<std::string>> cases[] = {{"Text1", {}}, {"Text2", {}}, {"Text3", {}}};
    for (const auto& [field, none] : cases) {
        SCOPED_TRACE(field);
        calcolo("Form9", {{"Text1", "10"}, {"Text2", "5"}, {"Text3", "5"}, {field, "0"}});
        EXPECT_EQ(ui.text("Form9.Label3"), "-32.7");
        EXPECT_EQ(ui.faults(), none);
    }
    for (const auto& [W, H] : {std::pair{"-50", "50"}, std::pair{"50", "-50"}}) {
        calcolo("Form9", {{"Text1", "10"}, {"Text2", W}, {"Text3", H}});
        EXPECT_EQ(ui.text("Form9.Label3"), "-32.7");
        EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"});
    }
}

// ---- Doppler shift ---------------------------------------------------------------------------------------------

struct DopplerCase {
    const char* name;
    const char* f;
    const char* v;
    const char* shift;
};

class DopplerTest : public CalculatorTest, public testing::WithParamInterface<DopplerCase> {};

TEST_P(DopplerTest, ShowsTheShiftInWholeHertz) {
    const DopplerCase& c = GetParam();
    calcolo("Form7", {{"Text1", c.f}, {"Text2", c.v}});
    EXPECT_EQ(ui.text("Form7.Label3"), c.shift);
    EXPECT_EQ(blue("Form7").size(), 100000u);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, DopplerTest,
                         testing::Values(DopplerCase{"InitialTexts", "1", "1", "1"},
                                         DopplerCase{"TenByTen", "10", "10", "69"},
                                         DopplerCase{"TwentyByTwelve", "20", "12", "166"},
                                         DopplerCase{"ResultIsNotClamped", "90", "100", "6210"},
                                         DopplerCase{"ZeroFrequencyShowsNothing", "0", "12", ""},
                                         DopplerCase{"ZeroSpeedShowsNothing", "20", "", ""},
                                         DopplerCase{"NegativeSpeed", "20", "-12", "-166"}),
                         [](const testing::TestParamInfo<DopplerCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CalculatorTest, DopplerDiagramRisesWithTheSpeedAndIsFlattenedAt5000Hz) {
    calcolo("Form7", {{"Text1", "10"}, {"Text2", "10"}});
    auto curve = blue("Form7");
    ASSERT_EQ(curve.size(), 100000u);
    EXPECT_NEAR(curve.front().x1, 500.0, 1e-3);
    EXPECT_NEAR(curve.front().y1, 8240.0, 1e-3);
    EXPECT_NEAR(curve.back().x1, 3720.0, 0.05);
    EXPECT_NEAR(curve.back().y1, 7930.9, 0.05);

    calcolo("Form7", {{"Text2", "100"}});
    curve = blue("Form7");
    const auto top =
        std::find_if(curve.begin(), curve.end(), [](const px::Primitive& p) { return p.y1 == 6000.0f; });
    ASSERT_NE(top, curve.end());
    EXPECT_NEAR((top->x1 - 500) / 32.2, 72.46, 0.01);  // 5000 Hz at 100 knots
    EXPECT_TRUE(std::all_of(top, curve.end(), [](const px::Primitive& p) { return p.y1 == 6000.0f; }));

    calcolo("Form7", {{"Text2", "-10"}});
    curve = blue("Form7");
    EXPECT_TRUE(std::all_of(curve.begin() + 1, curve.end(), [](const px::Primitive& p) { return p.y1 > 8240; }));
}

// ---- Bottom reflection -----------------------------------------------------------------------------------------

struct RangeCase {
    const char* name;
    const char* h;
    const char* b;
    const char* range;
};

class BottomReflectionTest : public CalculatorTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(BottomReflectionTest, ShowsTheRangeInWholeMetresRoundedDown) {
    const RangeCase& c = GetParam();
    calcolo("Form8", {{"Text1", c.h}, {"Text2", c.b}});
    EXPECT_EQ(ui.text("Form8.Label3"), c.range);
    EXPECT_EQ(blue("Form8").size(), 4901u);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BottomReflectionTest,
    testing::Values(RangeCase{"InitialTexts", "1", "1", "114"},
                    RangeCase{"HundredMetresTenDegrees", "100", "10", "1134"},
                    RangeCase{"NegativeHeightRoundsDown", "-100", "10", "-1135"},
                    RangeCase{"FiveDegrees", "100", "5", "2286"}, RangeCase{"ThirtyDegrees", "50", "30", "173"},
                    RangeCase{"BeyondTheDiagram", "1000", "1", "114580"}, RangeCase{"ZeroHeight", "0", "10", "0"}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, BottomReflectionDiagramFollowsTheHeightOnly) {
    calcolo("Form8", {{"Text1", "1000"}, {"Text2", "1"}});
    auto curve = blue("Form8");
    ASSERT_EQ(curve.size(), 4901u);
    EXPECT_NEAR(curve.front().x1, 564.4, 0.01);
    EXPECT_EQ(curve.front().y1, 6000.0f);  // 114 580 m, clamped at 100 km
    EXPECT_NEAR(curve.back().x1, 3720.0, 0.01);

    calcolo("Form8", {{"Text2", "40"}});
    EXPECT_EQ(blue("Form8")[1000].y1, curve[1000].y1);  // the angle typed does not move the curve

    calcolo("Form8", {{"Text1", "-100"}});
    curve = blue("Form8");
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](const px::Primitive& p) { return p.y1 > 8240; }));
}

// A zero angle: the diagram is drawn, then the result divides by a zero tangent and keeps its earlier text.
TEST_F(CalculatorTest, BottomReflectionZeroAngleFaultsAfterTheDiagram) {
    calcolo("Form8", {{"Text1", "100"}, {"Text2", "10"}});
    ASSERT_EQ(ui.text("Form8.Label3"), "1134");
    for (const char* h : {"100", "0"}) {
        SCOPED_TRACE(h);
        calcolo("Form8", {{"Text1", h}, {"Text2", "0"}});
        EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
        EXPECT_EQ(blue("Form8").size(), 4901u);
        EXPECT_EQ(ui.text("Form8.Label3"), "1134");
    }
}

// ---- Frames ----------------------------------------------------------------------------------------------------

// Each plot frame as the repaint draws it on opening: the dotted grid, then the axes in the screen's order.
struct FrameCase {
    const char* screen;
    std::pair<float, float> firstDot, lastDot;
    std::vector<std::vector<float>> axes;  // x1, y1, x2, y2
};

TEST_F(CalculatorTest, OpeningDrawsTheBareFrame) {
    const FrameCase frames[] = {
        {"Form5", {500, 500}, {6926, 4980}, {{500, 2740, 7100, 2740}, {500, 500, 500, 4980}}},
        {"Form6", {500, 500}, {6926, 4980}, {{500, 2740, 7100, 2740}, {500, 500, 500, 4980}}},
        {"Form7", {500, 6000}, {3713, 8240}, {{500, 8240, 3880, 8240}, {500, 6000, 500, 8240}}},
        {"Form8", {500, 6000}, {3713, 8240}, {{500, 6000, 500, 8240}, {500, 8240, 3880, 8240}}},
    };
    for (const FrameCase& c : frames) {
        SCOPED_TRACE(c.screen);
        ASSERT_TRUE(ui.show(c.screen));
        const auto dots = points(c.screen, kBlack);
        ASSERT_EQ(dots.size(), 6615u);
        EXPECT_EQ(std::pair(dots.front().x1, dots.front().y1), c.firstDot);
        EXPECT_EQ(std::pair(dots.back().x1, dots.back().y1), c.lastDot);
        const auto drawn = lines(c.screen);
        ASSERT_EQ(drawn.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i)
            EXPECT_EQ((std::vector<float>{drawn[i].x1, drawn[i].y1, drawn[i].x2, drawn[i].y2}), c.axes[i]);
        EXPECT_TRUE(blue(c.screen).empty());
    }
    ASSERT_TRUE(ui.show("Form9"));
    EXPECT_TRUE(ui.primitives("Form9").empty());
}

// ---- English reading -------------------------------------------------------------------------------------------

// The screens opened in the English reading: English captions, titles and tool-tips, the same numbers.
class EnglishReadingTest : public CalculatorTest {
protected:
    void SetUp() override {
        closeAll();
        px::reading::apply(px::reading::Reading::English);
    }
    void TearDown() override {
        closeAll();
        px::reading::apply(px::reading::Reading::Italian);
    }
    void closeAll() {
        for (const char* s : {"Form5", "Form6", "Form7", "Form8", "Form9"})
            if (px::screens::find(QString::fromLatin1(s)) != nullptr) ui.close(s);
    }
    static std::string title(const char* screen) {
        return px::screens::find(QString::fromLatin1(screen))->windowTitle().toStdString();
    }
    static std::string toolTip(const char* screen, const char* control) {
        return px::screens::find(QString::fromLatin1(screen))
            ->control(QString::fromLatin1(control))
            ->toolTip()
            .toStdString();
    }
};

TEST_F(EnglishReadingTest, DirectivityScreensReadEnglishWithTheSameNumbers) {
    calcolo("Form5", {{"Text1", "10"}, {"Text2", "1"}});
    EXPECT_EQ(title("Form5"), "Directivity of a circular transducer");
    EXPECT_EQ(ui.text("Form5.Command1"), "Compute");
    EXPECT_EQ(ui.text("Form5.Label4"), "Beam width at -3 dB (degrees)");
    EXPECT_EQ(ui.text("Form5.Label7"), "(DI) Directivity index in dB");
    EXPECT_EQ(toolTip("Form5", "Text2"), "Transducer diameter, in metres");
    EXPECT_EQ(ui.text("Form5.Label3"), "9.4");
    EXPECT_EQ(ui.text("Form5.Label9"), "12.6");
    EXPECT_EQ(ui.text("Form5.Label10"), "26.2");
    EXPECT_EQ(blue("Form5").size(), 1000u);

    calcolo("Form6", {{"Text1", "10"}, {"Text2", "1"}});
    EXPECT_EQ(title("Form6"), "Directivity of a line array");
    EXPECT_EQ(ui.text("Form6.Label16"), "angle off the array axis");
    EXPECT_EQ(ui.text("Form6.Label3"), "8.0");
    EXPECT_EQ(ui.text("Form6.Label9"), "10.8");
    EXPECT_EQ(ui.text("Form6.Label10"), "11.2");
}

TEST_F(EnglishReadingTest, GeometryScreensReadEnglishWithTheSameNumbers) {
    calcolo("Form7", {{"Text1", "20"}, {"Text2", "12"}});
    EXPECT_EQ(title("Form7"), "Doppler shift of an echo");
    EXPECT_EQ(ui.text("Form7.Label6"), "Speed in knots");
    EXPECT_EQ(ui.text("Form7.Label3"), "166");

    calcolo("Form8", {{"Text1", "100"}, {"Text2", "10"}});
    EXPECT_EQ(ui.text("Form8.Label6"), "Depression angle  (b)          degrees");
    EXPECT_EQ(ui.text("Form8.Label3"), "1134");
    EXPECT_EQ(blue("Form8").size(), 4901u);
    EXPECT_EQ(px::screens::find("Form8")->control("Picture1")->property("pxResource").toString(),
              ":/transducers/geometry_en.svg");  // the picture names the bottom in English

    calcolo("Form9", {{"Text1", "10"}, {"Text2", "50"}, {"Text3", "50"}});
    EXPECT_EQ(ui.text("Form9.Label4"), "(DI) Index in dB");
    EXPECT_EQ(ui.text("Form9.Label3"), "21.3");
    EXPECT_TRUE(ui.faults().empty());
}

}  // namespace
