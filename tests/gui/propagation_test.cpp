// The propagation screens as a user meets them: the loss calculator and its chart, and the passive and active
// detection-range screens with their graphical and scanned solutions.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "gui_support.h"
#include "numbers.h"
#include "reading.h"

namespace {

using pxtest::ScreenTest;
using Fields = std::vector<std::pair<const char*, const char*>>;

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr double kTwip = 0.05;

class PropagationTest : public ScreenTest {
protected:
    // Types each value into its field (emptied first) and picks the law unless it is null.
    void fill(const std::string& screen, const Fields& fields, const char* law) {
        for (const auto& [field, value] : fields)
            retype(screen + "." + field, value);
        if (law != nullptr) {
            ASSERT_TRUE(ui.pick(screen + ".Combo1", law));
        }
    }
    void calcolo(const std::string& screen) { ASSERT_TRUE(ui.click(screen + ".Command1")); }

    std::vector<px::Primitive> circles(const std::string& screen) { return ofKind(screen, px::Primitive::Circle); }
    std::vector<px::Primitive> lines(const std::string& screen) { return ofKind(screen, px::Primitive::Line); }

    // A run that drew only the cleared frame: the grid in the foreground colour and the two axes.
    void expectFrameOnly(const std::string& screen) {
        EXPECT_EQ(ofKind(screen, px::Primitive::Point).size(), 6615u);
        EXPECT_EQ(points(screen, px::colour::buttonText().rgb()).size(), 6615u);
        EXPECT_EQ(lines(screen).size(), 2u);
        EXPECT_TRUE(circles(screen).empty());
    }
    void expectMarker(const std::string& screen, double x, double y) {
        const auto c = circles(screen);
        ASSERT_EQ(c.size(), 1u);
        EXPECT_NEAR(c[0].x1, x, kTwip);
        EXPECT_NEAR(c[0].y1, y, kTwip);
        EXPECT_EQ(c[0].x2, 100.0f);
        EXPECT_EQ(c[0].colour & 0xffffff, kRed & 0xffffff);
    }
    // Every point of the limit line lies at that height.
    void expectLimitLine(const std::string& screen, std::size_t count, double y) {
        const auto red = points(screen, kRed);
        ASSERT_EQ(red.size(), count);
        for (const auto& p : red)
            ASSERT_NEAR(p.y1, y, kTwip);
    }
};

// ---- Form4: the loss calculator -------------------------------------------------------------------------------

struct LossCase {
    const char* name;
    const char* f;    // null: the initial text
    const char* R;    // null: the initial text
    const char* law;  // null: the initial "Sferica"
    const char* spreading;
    const char* absorption;
};

void PrintTo(const LossCase& c, std::ostream* os) { *os << c.name; }

class LossCalculatorTest : public PropagationTest, public testing::WithParamInterface<LossCase> {};

TEST_P(LossCalculatorTest, ShowsSpreadingAndAbsorptionLosses) {
    const LossCase& c = GetParam();
    ASSERT_TRUE(ui.show("Form4"));
    Fields fields;
    if (c.f != nullptr) fields.emplace_back("Text1", c.f);
    if (c.R != nullptr) fields.emplace_back("Text2", c.R);
    fill("Form4", fields, c.law);
    calcolo("Form4");
    EXPECT_EQ(ui.text("Form4.Label3"), c.spreading);
    EXPECT_EQ(ui.text("Form4.Label9"), c.absorption);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Form4, LossCalculatorTest,
    testing::Values(LossCase{"InitialTexts", nullptr, nullptr, nullptr, "60.0", ".1"},
                    LossCase{"SphericalTenKm", "10", "10", "Sferica", "80.0", "10.8"},
                    LossCase{"SphericalCylindricalTenKm", "10", "10", "Sfer/cil", "70.0", "10.8"},
                    LossCase{"ZeroFrequencyKeepsTheConstantTerm", "0", "1", nullptr, "60.0", ".0"},
                    LossCase{"WholePartIsNotLimited", "100", "100", "Sferica", "100.0", "3122.2"},
                    LossCase{"HalfKmBelowSixty", nullptr, ".5", "Sfer/cil", "57.0", ".0"},
                    LossCase{"LawInLowerCaseIsNoItem", "10", "10", "sferica", "", "10.8"},
                    LossCase{"DetectionScreensItemIsNoItemHere", "10", "10", "Sfer.cil.", "", "10.8"},
                    LossCase{"NoItemWithZeroRange", "10", "0", "  ", "", ".0"},
                    LossCase{"NoItemWithNegativeRange", nullptr, "-2", "x", "", "-.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropagationTest, LossCalculatorFaultsAtTheLogarithmAndWritesNothing) {
    ASSERT_TRUE(ui.show("Form4"));
    calcolo("Form4");
    ASSERT_EQ(ui.text("Form4.Label3"), "60.0");
    for (const char* law : {"Sferica", "Sfer/cil"})
        for (const char* R : {"0", "", "-1"}) {
            fill("Form4", {{"Text1", "10"}, {"Text2", R}}, law);
            calcolo("Form4");
            EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"}) << law << " R=" << R;
            EXPECT_EQ(ui.text("Form4.Label3"), "60.0");
            EXPECT_EQ(ui.text("Form4.Label9"), ".1");
        }
}

TEST_F(PropagationTest, LossCalculatorWritesTheRegionalSeparator) {
    px::setDecimalSeparator(",");
    ASSERT_TRUE(ui.show("Form4"));
    fill("Form4", {{"Text1", "10"}, {"Text2", "10"}}, nullptr);
    calcolo("Form4");
    EXPECT_EQ(ui.text("Form4.Label3"), "80,0");
    EXPECT_EQ(ui.text("Form4.Label9"), "10,8");
}

TEST_F(PropagationTest, ScreensOpenFromTheSelectorAndTheChartFromGrafici) {
    ASSERT_TRUE(ui.show("Form13"));
    ASSERT_TRUE(ui.click("Form13.Command3"));
    ASSERT_TRUE(ui.click("Form13.Command10"));
    ASSERT_TRUE(ui.click("Form13.Command11"));
    ASSERT_TRUE(ui.click("Form4.Command2"));
    px::Screen* chart = px::screens::find("Form14");
    ASSERT_TRUE(ui.click("Form4.Command2"));
    EXPECT_EQ(px::screens::find("Form14"), chart);
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form13", "Form4", "Form15", "Form16", "Form14"}));
    EXPECT_EQ(ui.text("Form4"), "Calcolo delle perdite per propagazione");
    EXPECT_EQ(ui.text("Form14"), "Grafico dell'attenuazione per propagazione");
    EXPECT_EQ(ui.text("Form15"), "Calcolo della portata di scoperta di un sonar passivo (propagazione normale)");
    EXPECT_EQ(ui.text("Form16"), "Calcolo della portata di scoperta di un sonar attivo (propagazione normale)");
}

// ---- Form14: the chart ----------------------------------------------------------------------------------------

TEST_F(PropagationTest, ChartDrawsBothSpreadingLawsOverTheirFrame) {
    ASSERT_TRUE(ui.show("Form14"));
    const auto all = ui.primitives("Form14");
    ASSERT_EQ(all.size(), 13230u + 4u + 2u * 991u + 10000u);
    const auto red = points("Form14", kRed);
    const auto blue = points("Form14", kBlue);
    ASSERT_EQ(red.size(), 991u);
    ASSERT_EQ(blue.size(), 991u);
    EXPECT_NEAR(red[0].x1, 564.4, kTwip);
    EXPECT_NEAR(red[0].y1, 4980, kTwip);
    EXPECT_NEAR(blue[0].y1, 4980, kTwip);
    EXPECT_NEAR(red[90].x1, 1144, kTwip);  // 10 km
    EXPECT_NEAR(red[90].y1, 2740, kTwip);
    EXPECT_NEAR(blue[90].y1, 3860, kTwip);
    EXPECT_NEAR(red.back().y1, 500, kTwip);  // about 100 km
    EXPECT_NEAR(blue.back().y1, 2740, kTwip);
    // The red and blue points of one range are drawn one after the other, after both frames.
    EXPECT_EQ(all[13234].colour & 0xffffff, kRed & 0xffffff);
    EXPECT_EQ(all[13235].colour & 0xffffff, kBlue & 0xffffff);
}

TEST_F(PropagationTest, ChartDrawsTheAbsorptionCurveInExplicitBlack) {
    ASSERT_TRUE(ui.show("Form14"));
    const auto all = ui.primitives("Form14");
    ASSERT_EQ(all.size(), 25216u);
    const std::vector<px::Primitive> curve(all.end() - 10000, all.end());
    for (const auto& p : curve) {
        ASSERT_EQ(p.kind, px::Primitive::Point);
        ASSERT_EQ(p.colour & 0xffffff, kBlack & 0xffffff);
    }
    EXPECT_NEAR(curve[0].x1, 500, kTwip);
    EXPECT_NEAR(curve[0].y1, 8239.832, 0.001);  // the constant term alone
    EXPECT_NEAR(curve[1000].x1, 822, kTwip);    // 10 kHz
    EXPECT_NEAR(curve[1000].y1, 8179.4, kTwip);
    EXPECT_NEAR(curve[5000].y1, 7347.2, kTwip);  // 50 kHz
    EXPECT_NEAR(curve.back().x1, 3719.7, kTwip);
    EXPECT_NEAR(curve.back().y1, 6491.6, 0.2);
}

TEST_F(PropagationTest, ChartFramesAreTheGridsAndAxesOfTheLayout) {
    ASSERT_TRUE(ui.show("Form14"));
    const auto all = ui.primitives("Form14");
    ASSERT_GE(all.size(), 13234u);
    const QRgb fore = px::colour::buttonText().rgb() & 0xffffff;
    for (std::size_t i = 0; i < 13234; ++i)
        ASSERT_EQ(all[i].colour & 0xffffff, fore) << i;
    // Upper frame: 21 dotted verticals of 161 points, 21 dotted horizontals of 154, then the two axes.
    EXPECT_EQ(all[0].x1, 500.0f);
    EXPECT_EQ(all[0].y1, 500.0f);
    EXPECT_EQ(all[3380].x1, 6940.0f);
    EXPECT_EQ(all[3380].y1, 4980.0f);
    EXPECT_EQ(all[6614].x1, 6926.0f);
    EXPECT_EQ(all[6614].y1, 4980.0f);
    const auto l = lines("Form14");
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(std::vector<float>({l[0].x1, l[0].y1, l[0].x2, l[0].y2}),
              std::vector<float>({500, 4980, 7100, 4980}));
    EXPECT_EQ(std::vector<float>({l[1].x1, l[1].y1, l[1].x2, l[1].y2}), std::vector<float>({500, 500, 500, 4980}));
    EXPECT_EQ(std::vector<float>({l[2].x1, l[2].y1, l[2].x2, l[2].y2}), std::vector<float>({500, 6000, 500, 8240}));
    EXPECT_EQ(std::vector<float>({l[3].x1, l[3].y1, l[3].x2, l[3].y2}),
              std::vector<float>({500, 8240, 3880, 8240}));
    // Lower frame at half size, from y 6000: its last vertical point and its last horizontal point.
    EXPECT_EQ(all[6617 + 3380].x1, 3720.0f);
    EXPECT_EQ(all[6617 + 3380].y1, 8240.0f);
    EXPECT_EQ(all[6617 + 6614].x1, 3713.0f);
    EXPECT_EQ(all[6617 + 6614].y1, 8240.0f);
}

TEST_F(PropagationTest, ChartIsTheSameAfterARepaint) {
    ASSERT_TRUE(ui.show("Form14"));
    const auto before = ui.primitives("Form14").size();
    px::screens::find("Form14")->repaint();
    px::Scenario::settle();
    EXPECT_EQ(ui.primitives("Form14").size(), before);
    ASSERT_TRUE(ui.click("Form14.Label4"));  // the legend takes the click and does nothing
    EXPECT_EQ(ui.primitives("Form14").size(), before);
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"Form14"});
}

// ---- Form15 and Form16: the detection ranges ------------------------------------------------------------------

struct RangeCase {
    const char* name;
    Fields fields;
    const char* law;  // null: the initial "Propagazione"
    const char* result;
    double markerX, markerY, limitY;
};

std::string caseName(const testing::TestParamInfo<RangeCase>& info) { return info.param.name; }
void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

Fields passive(const char* F1, const char* F2, const char* SL, const char* NL, const char* DI, const char* RC,
               const char* d) {
    return {{"Text1", F1}, {"Text2", F2}, {"Text3", SL}, {"Text4", NL}, {"Text5", DI}, {"Text7", RC}, {"Text8", d}};
}

Fields active(const char* Ftx, const char* Bwrx, const char* LI, const char* NL, const char* DI, const char* tTx,
              const char* d, const char* TS) {
    return {{"Text1", Ftx}, {"Text2", Bwrx}, {"Text3", LI}, {"Text4", NL},
            {"Text5", DI},  {"Text7", tTx},  {"Text8", d},  {"Text6", TS}};
}

const Fields kPassiveEdge = passive("1000", "2000", "130", "60", "10", "1", "10");
const Fields kActiveEdge = active("10000", "1000", "220", "60", "20", "0.1", "10", "10");

class PassiveRangeTest : public PropagationTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(PassiveRangeTest, SolvesGraphicallyAndByTheScan) {
    const RangeCase& c = GetParam();
    ASSERT_TRUE(ui.show("Form15"));
    fill("Form15", c.fields, c.law);
    calcolo("Form15");
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(ui.text("Form15.Label12"), c.result);
    expectMarker("Form15", c.markerX, c.markerY);
    expectLimitLine("Form15", 1000, c.limitY);
    const auto blue = points("Form15", kBlue);
    ASSERT_EQ(blue.size(), 1000u);
    EXPECT_NEAR(blue[0].x1, 506.44, kTwip);
    EXPECT_NEAR(blue.back().x1, 6940, kTwip);
}

INSTANTIATE_TEST_SUITE_P(
    Form15, PassiveRangeTest,
    testing::Values(
        RangeCase{"InitialLawIsSpherical", kPassiveEdge, nullptr, "29", 2406.2, 2919.4, 2930.3},
        RangeCase{"Spherical", kPassiveEdge, "Sferica", "29", 2406.2, 2919.4, 2930.3},
        RangeCase{"CalculatorItemIsSphericalHere", kPassiveEdge, "Sfer/cil", "29", 2406.2, 2919.4, 2930.3},
        RangeCase{"SphericalCylindricalBeyondThePlot", kPassiveEdge, "Sfer.cil.", "126", 8646.6, 2919.4, 2930.3},
        // The loss steps from 117.97 dB at 3.1 km over the 118 dB band to 119.80 dB at 3.2 km.
        RangeCase{"WholeDecibelSteppedOver", passive("40000", "60000", "130", "40", "10", "1", "10"), "Sferica",
                  "3", 699.64, 2337.52, 2336.57},
        RangeCase{"LimitNeverReached", passive("1000", "2000", "300", "60", "10", "1", "10"), nullptr, "0", 500,
                  4980, -877.7},
        RangeCase{"LimitBelowTheFirstStep", passive("1000", "2000", "30", "60", "10", "1", "10"), nullptr, "0", 500,
                  4980, 5170.3},
        // The drawn curve stops at 200 dB; the scan finds 5.6 km at 249.17 dB, above the window.
        RangeCase{"ScanUsesTheUnclampedLoss", passive("90000", "110000", "249", "23", "0", "1", "1"), nullptr, "5",
                  860.64, -601.40, -597.83}),
    caseName);

TEST_F(PropagationTest, PassiveCurveIsClampedAtTheTopGridLine) {
    ASSERT_TRUE(ui.show("Form15"));
    fill("Form15", passive("90000", "110000", "250", "23", "0", "1", "1"), nullptr);
    calcolo("Form15");
    const auto blue = points("Form15", kBlue);
    ASSERT_EQ(blue.size(), 1000u);
    std::size_t flat = 0;
    for (const auto& p : blue) {
        ASSERT_GE(p.y1, 500.0f);
        if (p.y1 == 500.0f) ++flat;
    }
    EXPECT_GT(flat, 900u);
    EXPECT_EQ(blue.back().y1, 500.0f);
}

TEST_F(PropagationTest, PassiveWithoutBandOrTimeConstantDrawsFrameAndMarkerOnly) {
    ASSERT_TRUE(ui.show("Form15"));
    calcolo("Form15");  // every field empty
    EXPECT_EQ(ui.text("Form15.Label12"), "");
    EXPECT_TRUE(points("Form15", kBlue).empty());
    EXPECT_TRUE(points("Form15", kRed).empty());
    EXPECT_EQ(lines("Form15").size(), 2u);
    expectMarker("Form15", 500, 4980);
    fill("Form15", kPassiveEdge, nullptr);
    calcolo("Form15");
    ASSERT_EQ(ui.text("Form15.Label12"), "29");
    for (const char* zeroed : {"Text1", "Text2", "Text7"}) {
        fill("Form15", kPassiveEdge, nullptr);
        fill("Form15", {{zeroed, "0"}}, nullptr);
        calcolo("Form15");
        EXPECT_EQ(ui.text("Form15.Label12"), "29") << zeroed;  // kept
        EXPECT_TRUE(points("Form15", kBlue).empty()) << zeroed;
        expectMarker("Form15", 500, 4980);
        EXPECT_TRUE(ui.faults().empty());
    }
}

struct FaultCase {
    const char* name;
    Fields fields;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class PassiveFaultTest : public PropagationTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(PassiveFaultTest, StopsAfterTheFrameWithTheResultKept) {
    ASSERT_TRUE(ui.show("Form15"));
    fill("Form15", kPassiveEdge, nullptr);
    calcolo("Form15");
    ASSERT_EQ(ui.text("Form15.Label12"), "29");
    fill("Form15", GetParam().fields, nullptr);
    calcolo("Form15");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"});
    EXPECT_EQ(ui.text("Form15.Label12"), "29");
    expectFrameOnly("Form15");
}

INSTANTIATE_TEST_SUITE_P(
    Form15, PassiveFaultTest,
    testing::Values(FaultCase{"NegativeBandEdgeAtTheSquareRoot", {{"Text1", "-1000"}}},
                    FaultCase{"ZeroIndex", {{"Text8", "0"}}}, FaultCase{"NegativeIndex", {{"Text8", "-10"}}},
                    FaultCase{"UpperEdgeBelowLower", {{"Text1", "3000"}}},
                    FaultCase{"NegativeBandWithNegativeIndex", {{"Text1", "3000"}, {"Text8", "-10"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropagationTest, PassiveRepaintDrawsTheEmptyFrame) {
    ASSERT_TRUE(ui.show("Form15"));
    expectFrameOnly("Form15");
    const auto all = ui.primitives("Form15");
    EXPECT_EQ(all[0].x1, 500.0f);
    EXPECT_EQ(all[0].y1, 500.0f);
    const auto l = lines("Form15");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(std::vector<float>({l[0].x1, l[0].y1, l[0].x2, l[0].y2}), std::vector<float>({500, 500, 500, 4980}));
    EXPECT_EQ(std::vector<float>({l[1].x1, l[1].y1, l[1].x2, l[1].y2}),
              std::vector<float>({500, 4980, 7100, 4980}));
}

class ActiveRangeTest : public PropagationTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(ActiveRangeTest, SolvesGraphicallyAndByTheScan) {
    const RangeCase& c = GetParam();
    ASSERT_TRUE(ui.show("Form16"));
    fill("Form16", c.fields, c.law);
    calcolo("Form16");
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(ui.text("Form16.Label12"), c.result);
    expectMarker("Form16", c.markerX, c.markerY);
    expectLimitLine("Form16", 499, c.limitY);
    const auto blue = points("Form16", kBlue);
    ASSERT_EQ(blue.size(), 499u);
    EXPECT_NEAR(blue[0].x1, 512.88, kTwip);
    EXPECT_NEAR(blue.back().x1, 6927.1, kTwip);
}

INSTANTIATE_TEST_SUITE_P(
    Form16, ActiveRangeTest,
    testing::Values(
        RangeCase{"InitialLawIsSpherical", kActiveEdge, nullptr, "6.4", 1322.8, 2620.8, 2632},
        RangeCase{"Spherical", kActiveEdge, "Sferica", "6.4", 1322.8, 2620.8, 2632},
        RangeCase{"SphericalCylindrical", kActiveEdge, "Sfer.cil.", "11.5", 1979.9, 2620.8, 2632},
        RangeCase{"LimitBeyondTheLossAtFiftyKm", active("1000", "1000", "300", "5", "20", "0.1", "10", "10"),
                  nullptr, "", 500, 4480, 1120},
        RangeCase{"LimitBelowTheStartOfTheCurve", active("10000", "1000", "100", "25", "20", "0.1", "10", "0"),
                  nullptr, "", 500, 4480, 3696},
        // At 2000 kHz the two-way loss grows by about 2.3 dB a metre: the 2414 dB band is stepped over after
        // 1.006 km.
        RangeCase{"WholeDecibelSteppedOver", active("2000000", "1000", "2469", "60", "20", "0.1", "10", "10"),
                  nullptr, "1.0", 629.57, -22555.71, -22556.8}),
    caseName);

TEST_F(PropagationTest, ActiveLimitBelowTheCurveLiesUnderItsFirstPoint) {
    ASSERT_TRUE(ui.show("Form16"));
    fill("Form16", active("10000", "1000", "100", "25", "20", "0.1", "10", "0"), nullptr);
    calcolo("Form16");
    const auto blue = points("Form16", kBlue);
    ASSERT_FALSE(blue.empty());
    EXPECT_NEAR(blue[0].y1, 3581.6, kTwip);
    EXPECT_GT(points("Form16", kRed)[0].y1, blue[0].y1);
}

TEST_F(PropagationTest, ActiveRunWithoutSolutionEmptiesTheResult) {
    ASSERT_TRUE(ui.show("Form16"));
    fill("Form16", kActiveEdge, nullptr);
    calcolo("Form16");
    ASSERT_EQ(ui.text("Form16.Label12"), "6.4");
    fill("Form16", {{"Text3", "100"}, {"Text4", "25"}, {"Text6", "0"}}, nullptr);
    calcolo("Form16");
    EXPECT_EQ(ui.text("Form16.Label12"), "");
    expectMarker("Form16", 500, 4480);
}

TEST_F(PropagationTest, ActiveWithoutFrequencyBandOrPulseDrawsFrameAndMarkerOnly) {
    ASSERT_TRUE(ui.show("Form16"));
    calcolo("Form16");
    EXPECT_EQ(ui.text("Form16.Label12"), "");
    expectMarker("Form16", 500, 4480);
    for (const char* zeroed : {"Text1", "Text2", "Text7"}) {
        fill("Form16", kActiveEdge, nullptr);
        calcolo("Form16");
        ASSERT_EQ(ui.text("Form16.Label12"), "6.4");
        fill("Form16", {{zeroed, ""}}, nullptr);
        calcolo("Form16");
        EXPECT_EQ(ui.text("Form16.Label12"), "6.4") << zeroed;  // kept
        EXPECT_TRUE(points("Form16", kBlue).empty()) << zeroed;
        EXPECT_TRUE(points("Form16", kRed).empty()) << zeroed;
        expectMarker("Form16", 500, 4480);
        EXPECT_TRUE(ui.faults().empty());
    }
}

class ActiveFaultTest : public PropagationTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(ActiveFaultTest, StopsAfterTheFrameWithTheResultKept) {
    ASSERT_TRUE(ui.show("Form16"));
    fill("Form16", kActiveEdge, nullptr);
    calcolo("Form16");
    ASSERT_EQ(ui.text("Form16.Label12"), "6.4");
    fill("Form16", GetParam().fields, nullptr);
    calcolo("Form16");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"});
    EXPECT_EQ(ui.text("Form16.Label12"), "6.4");
    expectFrameOnly("Form16");
}

INSTANTIATE_TEST_SUITE_P(Form16, ActiveFaultTest,
                         testing::Values(FaultCase{"ZeroIndex", {{"Text8", "0"}}},
                                         FaultCase{"NegativeIndex", {{"Text8", "-10"}}},
                                         FaultCase{"NegativeBandwidth", {{"Text2", "-1000"}}},
                                         FaultCase{"NegativePulse", {{"Text7", "-0.1"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropagationTest, ActiveResultUsesTheRegionalSeparatorAndANegativeFrequency) {
    px::setDecimalSeparator(",");
    ASSERT_TRUE(ui.show("Form16"));
    fill("Form16", kActiveEdge, nullptr);
    fill("Form16", {{"Text1", "-10000"}}, nullptr);  // only its square enters
    calcolo("Form16");
    EXPECT_EQ(ui.text("Form16.Label12"), "6,4");
    expectMarker("Form16", 1322.8, 2620.8);
}

TEST_F(PropagationTest, ActiveRepaintDrawsTheEmptyFrameMovedUp) {
    ASSERT_TRUE(ui.show("Form16"));
    expectFrameOnly("Form16");
    const auto all = ui.primitives("Form16");
    EXPECT_EQ(all[0].x1, 500.0f);
    EXPECT_EQ(all[0].y1, 0.0f);
    EXPECT_EQ(all[3380].y1, 4480.0f);
    const auto l = lines("Form16");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(std::vector<float>({l[0].x1, l[0].y1, l[0].x2, l[0].y2}), std::vector<float>({500, 0, 500, 4480}));
    EXPECT_EQ(std::vector<float>({l[1].x1, l[1].y1, l[1].x2, l[1].y2}),
              std::vector<float>({500, 4480, 7100, 4480}));
}

// ---- The English reading ----------------------------------------------------------------------------------------

// Reads English while it lives, Italian again after it, whatever the test's end.
struct EnglishReading {
    EnglishReading() { px::reading::apply(px::reading::Reading::English); }
    ~EnglishReading() { px::reading::apply(px::reading::Reading::Italian); }
};

TEST_F(PropagationTest, EnglishCalculatorAndChartGiveTheSameNumbers) {
    const EnglishReading english;
    ASSERT_TRUE(ui.show("Form4"));
    EXPECT_EQ(ui.text("Form4"), "Propagation loss calculator");
    EXPECT_EQ(ui.text("Form4.Label2"), "Spreading law");
    EXPECT_EQ(ui.text("Form4.Command1"), "Compute");
    EXPECT_EQ(ui.text("Form4.Combo1"), "Spherical");
    fill("Form4", {{"Text1", "10"}, {"Text2", "10"}}, "Sph/cyl");
    calcolo("Form4");
    EXPECT_EQ(ui.text("Form4.Label3"), "70.0");
    EXPECT_EQ(ui.text("Form4.Label9"), "10.8");
    fill("Form4", {}, "Sfer/cil");  // the Italian item is no item in English
    calcolo("Form4");
    EXPECT_EQ(ui.text("Form4.Label3"), "");
    ASSERT_TRUE(ui.click("Form4.Command2"));
    EXPECT_EQ(ui.text("Form14"), "Propagation loss graph");
    EXPECT_EQ(ui.text("Form14.Label11"), "range");
    EXPECT_EQ(points("Form14", kRed).size(), 991u);
}

TEST_F(PropagationTest, EnglishDetectionRangesGiveTheSameNumbers) {
    const EnglishReading english;
    ASSERT_TRUE(ui.show("Form15"));
    EXPECT_EQ(ui.text("Form15"), "Passive sonar detection range (normal propagation)");
    EXPECT_EQ(ui.text("Form15.Label16"), "INPUT DATA:");
    EXPECT_EQ(ui.text("Form15.Combo1"), "Spreading");
    fill("Form15", kPassiveEdge, nullptr);
    calcolo("Form15");
    EXPECT_EQ(ui.text("Form15.Label12"), "29");
    expectMarker("Form15", 2406.2, 2919.4);
    fill("Form15", kPassiveEdge, "Sph./cyl.");
    calcolo("Form15");
    EXPECT_EQ(ui.text("Form15.Label12"), "126");

    ASSERT_TRUE(ui.show("Form16"));
    EXPECT_EQ(ui.text("Form16"), "Active sonar detection range (normal propagation)");
    EXPECT_EQ(ui.text("Form16.Command1"), "Compute");
    fill("Form16", kActiveEdge, "Spherical");
    calcolo("Form16");
    EXPECT_EQ(ui.text("Form16.Label12"), "6.4");
    fill("Form16", kActiveEdge, "Sph./cyl.");
    calcolo("Form16");
    EXPECT_EQ(ui.text("Form16.Label12"), "11.5");
    expectMarker("Form16", 1979.9, 2620.8);
    EXPECT_TRUE(ui.faults().empty());
}

}  // namespace
