// The correlation workbench as a user meets it: the process list, the data fields and their filter, the plot frame,
// the eight correlation curves drawn by "Calcolo" (their points, colours, guards and faults), the comparison of
// two curves, and the noisy curve replayed with an injected clock and generator.  The computations alone are
// checked without a window in the model tests.
#include <QCheckBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "gui_support.h"
#include "workbench.h"

namespace {

using pxtest::ScreenTest;

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr long kFramePoints = 21 * 161 + 21 * 154;

const std::string P1 = "ANAL. C = f(F,tc)";
const std::string P2 = "ANAL. C = f(F1,F2,tc)";
const std::string P3 = "ANAL. C = f(F,a°,d)";
const std::string P4 = "DIG. C = f(F,tc)";
const std::string P5 = "DIG. C = f(F1,F2,tc)";
const std::string P6 = "ANAL. C = f(F1,F2,a°,d)";
const std::string P7 = "DIG. C = f(F1,F2,tc,s/n,rc)";
const std::string P8 = "DIG. HC = f(F1,F2,tc)";

// A clock that reads `first`, then one second later every `perTick` readings.
class TickingClock : public px::TimeOfDay {
public:
    TickingClock(float first, int perTick, std::vector<float>* readings)
        : first_(first), perTick_(perTick), readings_(readings) {}
    float seconds() override {
        const float now = first_ + static_cast<float>(reads_++ / perTick_);
        readings_->push_back(now);
        return now;
    }

private:
    float first_;
    int perTick_;
    long reads_ = 0;
    std::vector<float>* readings_;
};

// A generator whose draw depends on the last seed only: the seed's whole part picks a value of a table.  It logs
// the calls, "s" for a seed and "n" for a draw.
class TableUniform : public px::Uniform {
public:
    TableUniform(std::vector<float> draws, std::vector<float>* seeds, std::string* calls)
        : draws_(std::move(draws)), seeds_(seeds), calls_(calls) {}
    void seed(float value) override {
        seed_ = value;
        seeds_->push_back(value);
        *calls_ += 's';
    }
    float next() override {
        *calls_ += 'n';
        return draws_[static_cast<std::size_t>(seed_) % draws_.size()];
    }

private:
    std::vector<float> draws_;
    std::vector<float>* seeds_;
    std::string* calls_;
    float seed_ = 0;
};

class WorkbenchTest : public ScreenTest {
protected:
    void SetUp() override { ASSERT_TRUE(ui.show("Form12")) << ui.lastError(); }

    px::Form12* form() { return static_cast<px::Form12*>(px::screens::find("Form12")); }
    static std::string field(int n) { return "Form12.txtdigits" + std::to_string(n); }

    // Picks a process, types its data into fields 1, 2, … (and K into txtdigits7 when given), validates and
    // computes, as a user does.
    void run(const std::string& process, const std::vector<std::string>& data, const std::string& k = "") {
        ASSERT_TRUE(ui.pick("Form12.Combo1", process)) << ui.lastError();
        for (std::size_t i = 0; i < data.size(); ++i)
            retype(field(static_cast<int>(i) + 1), data[i]);
        retype(field(7), k);
        ASSERT_TRUE(ui.click("Form12.Command2"));
        ASSERT_TRUE(ui.click("Form12.Command1"));
    }
    void injectChance(float first, int perTick, std::vector<float> draws) {
        form()->setChance(std::make_unique<TickingClock>(first, perTick, &readings),
                          std::make_unique<TableUniform>(std::move(draws), &seeds, &calls));
    }

    std::vector<px::Primitive> blue() { return points("Form12", kBlue); }
    std::vector<px::Primitive> red() { return points("Form12", kRed); }
    // The frame's points and lines, in the window's foreground colour.
    long framePoints() { return static_cast<long>(points("Form12", form()->surface().foreground().rgb()).size()); }
    std::vector<px::Primitive> lines() { return ofKind("Form12", px::Primitive::Line); }

    std::vector<float> readings, seeds;
    std::string calls;
};

// ---- The screen at start, the frame, repaints ------------------------------------------------------------------

TEST_F(WorkbenchTest, OpensWithOnlyTheFrameAndButtonsThatDoNothing) {
    EXPECT_EQ(ui.text("Form12"), "Metodi di correlazione per l'acustica subacquea");
    EXPECT_EQ(ui.text("Form12.Combo1"), "");
    EXPECT_EQ(ui.text("Form12.List1"), "");
    EXPECT_EQ(ui.get("Form12.Check1")->checked, false);
    for (const char* hidden : {"Label14", "Image1", "Image2", "Image3", "Shape2", "Label13", "List1", "Label15"})
        EXPECT_FALSE(ui.get(std::string("Form12.") + hidden)->visible) << hidden;
    for (const char* shown : {"Picture1", "Label11", "Label10", "Label12", "Label7", "Frame1", "Combo1", "Command2",
                              "Command1", "Check1", "Label2", "txtdigits7", "txtdigits6", "Label8"})
        EXPECT_TRUE(ui.get(std::string("Form12.") + shown)->visible) << shown;

    const auto before = ui.primitives("Form12");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.primitives("Form12").size(), before.size());
    EXPECT_EQ(framePoints(), kFramePoints);
    EXPECT_EQ(static_cast<long>(before.size()), kFramePoints + 2);
    EXPECT_TRUE(ui.faults().empty());
}

TEST_F(WorkbenchTest, FrameIsDottedGridAndTwoAxesInTheForegroundColour) {
    const QRgb fore = form()->surface().foreground().rgb();
    const auto all = ui.primitives("Form12");
    ASSERT_EQ(static_cast<long>(all.size()), kFramePoints + 2);
    // 21 vertical lines of 161 points, then 21 horizontal lines of 154 points.
    EXPECT_EQ(all[160].x1, 0.0f);
    EXPECT_EQ(all[160].y1, 4480.0f);
    EXPECT_EQ(all[161].x1, 322.0f);
    EXPECT_EQ(all[21 * 161 - 1].x1, 6440.0f);
    EXPECT_EQ(all[21 * 161 + 153].x1, 6426.0f);
    EXPECT_EQ(all[kFramePoints - 1].y1, 4480.0f);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kFramePoints); ++i)
        ASSERT_EQ(all[i].colour, fore) << i;
    const auto axes = lines();
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(std::vector<float>({axes[0].x1, axes[0].y1, axes[0].x2, axes[0].y2}),
              std::vector<float>({0, 2240, 6600, 2240}));
    EXPECT_EQ(std::vector<float>({axes[1].x1, axes[1].y1, axes[1].x2, axes[1].y2}),
              std::vector<float>({0, 0, 0, 4480}));
    EXPECT_EQ(axes[0].colour, fore);
    EXPECT_EQ(axes[1].colour, fore);
}

// Covering and uncovering, hiding, resizing: the curve stays and no second frame is drawn.
TEST_F(WorkbenchTest, CurveSurvivesRepaintsAndTheFrameIsNeverDrawnTwice) {
    run(P1, {"1000", "1000", "500"});
    const auto drawn = ui.primitives("Form12");
    ASSERT_EQ(blue().size(), 10000u);
    px::Form12* s = form();
    s->repaint();
    s->hide();
    px::Scenario::settle();
    s->showMaximized();
    px::Scenario::settle();
    s->resize(s->width() - 40, s->height() - 30);
    px::Scenario::settle();
    s->update();
    px::Scenario::settle();
    EXPECT_EQ(ui.primitives("Form12").size(), drawn.size());
    EXPECT_EQ(blue().size(), 10000u);
    EXPECT_EQ(framePoints(), kFramePoints);
    EXPECT_EQ(lines().size(), 2u);
}

// A process picked and computed before the window was ever painted: its first paint adds no second frame.
class WorkbenchUnpaintedTest : public ScreenTest {};

TEST_F(WorkbenchUnpaintedTest, UsedBeforeItsFirstPaintItKeepsOneFrame) {
    auto* form = static_cast<px::Form12*>(px::screens::show("Form12"));
    ASSERT_NE(form, nullptr);
    form->Combo1->setCurrentIndex(0);
    form->Combo1_Click();
    form->txtdigits1->setText("1000");
    form->txtdigits2->setText("1000");
    form->txtdigits3->setText("500");
    form->Command2_Click();
    form->Command1_Click();
    px::Scenario::settle();
    form->repaint();
    EXPECT_EQ(points("Form12", form->surface().foreground().rgb()).size(), static_cast<std::size_t>(kFramePoints));
    EXPECT_EQ(points("Form12", kBlue).size(), 10000u);
    EXPECT_EQ(ofKind("Form12", px::Primitive::Line).size(), 2u);
}

// ---- Setups of the curve processes
// -------------------------------------------------------------------------------

struct SetupCase {
    const char* name;
    std::string process;
    std::vector<std::string> captions;
    int picture;
    const char* axis;
};

class CurveSetupTest : public WorkbenchTest, public testing::WithParamInterface<SetupCase> {};

TEST_P(CurveSetupTest, CaptionsPictureAndAxisLabels) {
    const SetupCase& c = GetParam();
    ASSERT_TRUE(ui.pick("Form12.Combo1", "ALGORITMI SISTEMI DIG."));  // shows the list and the digital diagram
    ASSERT_TRUE(ui.pick("Form12.Combo1", c.process));
    const char* captions[] = {"Label1", "Label3", "Label4", "Label5", "Label6", "Label8"};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(ui.text(std::string("Form12.") + captions[n]), c.captions[static_cast<std::size_t>(n)]) << n;
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(ui.get("Form12.Image" + std::to_string(i))->visible, i == c.picture) << i;
    EXPECT_EQ(ui.text("Form12.Label10"), c.axis);
    EXPECT_EQ(ui.text("Form12.Label11"), "C = +1");
    EXPECT_EQ(ui.text("Form12.Label12"), "C = -1");
    for (const char* hidden : {"List1", "Label13", "Shape2", "Label14", "Label15"})
        EXPECT_FALSE(ui.get(std::string("Form12.") + hidden)->visible) << hidden;
    EXPECT_TRUE(ui.get("Form12.Check1")->visible);
    EXPECT_TRUE(ui.get("Form12.txtdigits7")->visible);
    // The picked process's own captions fit their labels, every word visible.
    for (const char* name : captions)
        EXPECT_TRUE(static_cast<px::Label*>(form()->control(name))->captionFits()) << name;
    // The setup drew the frame afresh, once.
    EXPECT_EQ(framePoints(), kFramePoints);
}

INSTANTIATE_TEST_SUITE_P(
    Processes, CurveSetupTest,
    testing::Values(
        SetupCase{"P1", P1, {"F  (Hz)", "F.scala(microS.)", "tc (microS.)", "Dato4", "Dato5", "Dato6"}, 2, ">t"},
        SetupCase{"P2", P2, {"F1  (Hz)", "F2  (Hz)", "F.scala(microS.)", "tc (microS.)", "", ""}, 2, ">t"},
        SetupCase{"P3", P3, {"F  (Hz)", "Fondo scala (X°)", "BRQ  (a°)", "Base d(mt)", "Dato5", "Dato6"}, 1, ">a°"},
        SetupCase{"P4", P4, {"F  (Hz)", "F.scala(microS.)", "tc (microS.)", "Dato4", "Dato5", "Dato6"}, 2, ">t"},
        SetupCase{
            "P5", P5, {"F1  (Hz)", "F2  (Hz)", "F.scala(microS.)", "tc (microS.)", "Dato5", "Dato6"}, 2, ">t"},
        SetupCase{
            "P6", P6, {"F1  (Hz)", "F2  (Hz)", "Fondo scala (x°)", "BRQ  (a°)", "Base d(mt)", "Dato6"}, 1, ">a°"},
        SetupCase{"P7",
                  P7,
                  {"F1  (Hz)", "F2  (Hz)", "F.scala(microS.)", "tc (microS.)", "s/n ingresso (db)", "rc(Sec.)"},
                  2,
                  ">t"},
        SetupCase{
            "P8", P8, {"F1  (Hz)", "F2  (Hz)", "F.scala(microS.)", "tc (microS.)", "Dato5", "Dato6"}, 2, ">t"}),
    [](const testing::TestParamInfo<SetupCase>& info) { return std::string(info.param.name); });

TEST_F(WorkbenchTest, ProcessTwoEmptiesFieldsFiveAndSixCaptionsAndProcessOneRestoresThem) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", P2));
    EXPECT_EQ(ui.text("Form12.Label6"), "");
    EXPECT_EQ(ui.text("Form12.Label8"), "");
    ASSERT_TRUE(ui.pick("Form12.Combo1", P1));
    EXPECT_EQ(ui.text("Form12.Label6"), "Dato5");
    EXPECT_EQ(ui.text("Form12.Label8"), "Dato6");
}

// Picking a process empties fields 1 to 4; fields 5, 6 and 7 keep what was typed, and so do the working values.
TEST_F(WorkbenchTest, PickingAProcessEmptiesTheFirstFourFields) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", P7));
    for (int n = 1; n <= 7; ++n)
        ASSERT_TRUE(ui.type(field(n), std::to_string(n)));
    ASSERT_TRUE(ui.pick("Form12.Combo1", P1));
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(ui.text(field(n)), n <= 4 ? "" : std::to_string(n)) << n;
}

TEST_F(WorkbenchTest, PanoramaShowsTheSeaNoiseScreenAndLeavesTheWorkbenchAlone) {
    run(P1, {"1000", "1000", "500"});
    const auto drawn = ui.primitives("Form12");
    ASSERT_TRUE(ui.pick("Form12.Combo1", "CORR.PANORAMICA"));
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form12", "Form2"}));
    EXPECT_EQ(ui.primitives("Form12").size(), drawn.size());
    EXPECT_EQ(ui.text("Form12.Label1"), "F  (Hz)");
    EXPECT_TRUE(ui.get("Form12.Image2")->visible);
    // "Calcolo" with this process does nothing.
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.primitives("Form12").size(), drawn.size());
}

// ---- The data fields
// -----------------------------------------------------------------------------------------------

TEST_F(WorkbenchTest, FieldsTakeDigitsPointAndMinusOnlyAndAtMostSixCharacters) {
    ASSERT_TRUE(ui.type(field(1), "+1a2,3 .-45678"));
    EXPECT_EQ(ui.text(field(1)), "123.-4");
    ASSERT_TRUE(ui.paste(field(2), "1234567890"));
    EXPECT_EQ(ui.text(field(2)), "123456");
    ASSERT_TRUE(ui.type(field(7), "+12345678.5"));
    EXPECT_EQ(ui.text(field(7)), "12345678.5");
    ASSERT_TRUE(ui.key(field(1), "Backspace"));
    EXPECT_EQ(ui.text(field(1)), "123.-");
}

// ---- The curves
// -----------------------------------------------------------------------------------------------------

// A point of a curve: its index in the sweep and where it is drawn.
struct CurvePoint {
    std::size_t index;
    double x, y;
};
struct CurveCase {
    const char* name;
    std::string process;
    std::vector<std::string> data;
    std::size_t count;
    std::vector<CurvePoint> at;
    double tolerance;  // twips
};

class CurveTest : public WorkbenchTest, public testing::WithParamInterface<CurveCase> {};

TEST_P(CurveTest, DrawsItsPointsInBlueOverOneFrame) {
    const CurveCase& c = GetParam();
    run(c.process, c.data);
    const auto curve = blue();
    ASSERT_EQ(curve.size(), c.count);
    for (const CurvePoint& p : c.at) {
        EXPECT_NEAR(curve[p.index].x1, p.x, c.tolerance) << "point " << p.index;
        EXPECT_NEAR(curve[p.index].y1, p.y, c.tolerance) << "point " << p.index;
    }
    // Drawn from left to right, whatever the sign of the full scale.
    for (std::size_t i = 1; i < curve.size(); ++i)
        ASSERT_GE(curve[i].x1, curve[i - 1].x1) << i;
    EXPECT_EQ(framePoints(), kFramePoints);
    EXPECT_TRUE(red().empty());
    EXPECT_TRUE(ui.faults().empty());
}

// C is drawn at y = 2240 − 2240·C, the counter u at x = 6440·u/U.
INSTANTIATE_TEST_SUITE_P(
    Processes, CurveTest,
    testing::Values(
        // Process 1: 0.636942 at t = 250.0000001, the top at the delay, 0.000507 at the first point.
        CurveCase{"P1_Band1000Delay500",
                  P1,
                  {"1000", "1000", "500"},
                  10000,
                  {{2500, 1610, 813.25}, {5000, 3220, 0}, {0, 0.000644, 2240 - 2240 * 0.000507}},
                  0.01},
        // The worked example of the screen: C = 1 at the delay and 0.712097 at t = 560.0000001.
        CurveCase{"P2_WorkedExample",
                  P2,
                  {"1000", "3000", "1000", "500"},
                  10000,
                  {{5000, 3220, 0}, {5600, 3606.4, 2240 - 2240 * 0.712097}},
                  0.01},
        // The digital curve of the same: 3.14 for π lifts ρ = 1 to 1.000507, a twip above the top edge.
        CurveCase{"P5_WorkedExample",
                  P5,
                  {"1000", "3000", "1000", "500"},
                  10000,
                  {{5000, 3220, -1.136}, {5600, 3606.4, 2240 - 2240 * 0.504764}},
                  0.01},
        // Process 3: 0.432015 at the first angle, 1 at the bearing (a = 29.997), 0.8223 at 45, −0.112765 near 90.
        CurveCase{"P3_Bearing30Base1",
                  P3,
                  {"1000", "90", "30", "1"},
                  10000,
                  {{0, 0, 2240 - 2240 * 0.432015},
                   {3333, 2146.45, 0},
                   {5000, 3220, 2240 - 2240 * 0.8223},
                   {9999, 6439.36, 2240 + 2240 * 0.112765}},
                  0.03},
        // Process 6: the band 1000 … 3000 Hz against the bearing; 1 where the source stands.
        CurveCase{"P6_Bearing30Base1", P6, {"1000", "3000", "90", "30", "1"}, 10000, {{3333, 2146.45, 0}}, 0.01},
        // Process 4: the arcsine law of process 1; 1.000507 at the delay.
        CurveCase{"P4_Band1000Delay500", P4, {"1000", "1000", "500"}, 10000, {{5000, 3220, -1.136}}, 0.01},
        // Process 8: the sine carrier is 0 at the delay, so the quadrature curve crosses the axis there.
        CurveCase{
            "P8_CrossesTheAxisAtTheDelay", P8, {"1000", "3000", "1000", "500"}, 10000, {{5000, 3220, 2240}}, 0.01},
        // A negative full scale sweeps from 1e-7 down to FS, drawn from left to right; the top at the delay.  The
        // sums reach -999.9999999, above FS: 10 001 points.
        CurveCase{"P1_NegativeFullScale",
                  P1,
                  {"1000", "-1000", "-500"},
                  10001,
                  {{5000, 3220, 0}, {10000, 6440, 2240 - 2240 * 0.000507}},
                  0.01},
        // A full scale of 0 sweeps nothing: the frame alone, and no fault.
        CurveCase{"P1_ZeroFullScale", P1, {"1000", "0", "500"}, 0, {}, 0},
        CurveCase{"P4_ZeroFullScale", P4, {"0", "0", "0"}, 0, {}, 0},
        CurveCase{"P8_ZeroFullScale", P8, {"1000", "1000", "0", "0"}, 0, {}, 0},
        // The conditions that end a run silently after the frame.
        CurveCase{"P2_NoUpperFrequency", P2, {"1000", "0", "1000", "500"}, 0, {}, 0},
        CurveCase{"P2_NoFullScale", P2, {"1000", "3000", "0", "500"}, 0, {}, 0},
        CurveCase{"P5_NoUpperFrequency", P5, {"1000", "", "1000", "500"}, 0, {}, 0},
        CurveCase{"P3_NoFrequency", P3, {"0", "90", "30", "1"}, 0, {}, 0},
        CurveCase{"P3_NoFullScale", P3, {"1000", "0", "30", "1"}, 0, {}, 0},
        CurveCase{"P6_NoLowerFrequency", P6, {"0", "3000", "90", "30", "1"}, 0, {}, 0},
        CurveCase{"P6_NoUpperFrequency", P6, {"1000", "0", "90", "30", "1"}, 0, {}, 0},
        CurveCase{"P6_NoFullScale", P6, {"1000", "3000", "0", "30", "1"}, 0, {}, 0},
        // Without a base every delay is 0: the sweep ends at its first angle.
        CurveCase{"P3_NoBase", P3, {"1000", "90", "30", "0"}, 0, {}, 0},
        CurveCase{"P6_NoBase", P6, {"1000", "3000", "90", "30", "0"}, 0, {}, 0}),
    [](const testing::TestParamInfo<CurveCase>& info) { return std::string(info.param.name); });

// The curve is symmetric about the delay and comes back to about 0 at both ends.
TEST_F(WorkbenchTest, AnalogueCurveIsSymmetricAboutTheDelay) {
    run(P1, {"1000", "1000", "500"});
    const auto curve = blue();
    ASSERT_EQ(curve.size(), 10000u);
    for (std::size_t k = 1; k < 5000; k += 7) {
        EXPECT_NEAR(curve[5000 - k].y1, curve[5000 + k].y1, 0.01) << k;
        EXPECT_NEAR(curve[5000 - k].x1 + curve[5000 + k].x1, 6440, 0.01) << k;
    }
    EXPECT_NEAR(curve.back().y1, 2240, 2);
}

// ---- Faults: the points drawn before stay ---------------------------------------------------------------------

struct FaultCase {
    const char* name;
    std::string process;
    std::vector<std::string> data;
    std::string k;
    const char* fault;
};

class CurveFaultTest : public WorkbenchTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(CurveFaultTest, ReportsTheFaultAfterTheFrame) {
    const FaultCase& c = GetParam();
    run(c.process, c.data, c.k);
    EXPECT_EQ(ui.faults(), std::vector<std::string>{c.fault});
    EXPECT_TRUE(blue().empty());
    EXPECT_EQ(framePoints(), kFramePoints);
    // The screen goes on: a valid run afterwards draws its curve.
    run(P1, {"1000", "1000", "500"});
    EXPECT_EQ(blue().size(), 10000u);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Processes, CurveFaultTest,
    testing::Values(
        FaultCase{"P1_NoFrequency", P1, {"0", "1000", "500"}, "", "Divisione per zero"},
        FaultCase{"P4_NoFrequency", P4, {"", "1000", "500"}, "", "Divisione per zero"},
        FaultCase{"P2_EqualEdges", P2, {"2000", "2000", "1000", "500"}, "", "Divisione per zero"},
        FaultCase{"P5_EqualEdges", P5, {"2000", "2000", "1000", "500"}, "", "Divisione per zero"},
        FaultCase{"P8_EqualEdges", P8, {"2000", "2000", "1000", "500"}, "", "Divisione per zero"},
        FaultCase{"P6_EqualEdges", P6, {"2000", "2000", "90", "30", "1"}, "", "Divisione per zero"},
        FaultCase{"P7_EqualEdges", P7, {"2000", "2000", "1000", "500", "10", "1"}, "1", "Divisione per zero"},
        // RC = 0 faults at σ, before the first point is drawn; a negative product is a square root of a negative.
        FaultCase{"P7_NoTimeConstant", P7, {"1000", "3000", "1000", "500", "10", "0"}, "1", "Divisione per zero"},
        FaultCase{"P7_NegativeTimeConstant",
                  P7,
                  {"1000", "3000", "1000", "500", "10", "-1"},
                  "1",
                  "Argomento non valido"},
        FaultCase{"P7_ReversedBand", P7, {"3000", "1000", "1000", "500", "10", "1"}, "1", "Argomento non valido"}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// A delay equal to a counter value half-way: the points before it stay drawn.
TEST_F(WorkbenchTest, PointsBeforeAFaultStayOnTheWindow) {
    run(P1, {"1000", "1000", "500"});
    double t = 1e-7;
    for (int k = 0; k < 2500; ++k)
        t = t + 0.1;
    form()->wv.tc = t;
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    const auto curve = blue();
    ASSERT_EQ(curve.size(), 2500u);
    EXPECT_NEAR(curve.back().x1, 1609.36, 0.01);
    EXPECT_EQ(framePoints(), kFramePoints);
}

// A pasted delay of 1e-7 equals the first counter value: 0/0 before any point.
TEST_F(WorkbenchTest, DelayAtTheFirstCounterValueFaultsAtOnce) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", P1));
    retype(field(1), "1000");
    retype(field(2), "1000");
    ASSERT_TRUE(ui.paste(field(3), "1e-7"));
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    EXPECT_TRUE(blue().empty());
    EXPECT_EQ(framePoints(), kFramePoints);
}

// A pasted full scale just below 0 would ask for billions of steps: refused before the first point.
TEST_F(WorkbenchTest, TinyNegativeFullScaleIsRefusedInsteadOfSweepingForever) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", P1));
    retype(field(1), "1000");
    ASSERT_TRUE(ui.paste(field(2), "-1e-20"));
    retype(field(3), "");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Fondo scala troppo piccolo"});
    EXPECT_TRUE(blue().empty());
    // A small negative full scale that a user can type is swept: a little over 10 000 points.
    retype(field(2), "-.0001");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(blue().size(), 10011u);
}

// ---- Comparing
// ----------------------------------------------------------------------------------------------------

TEST_F(WorkbenchTest, ComparingKeepsTheBlueCurveAndAddsTheDigitalOneInRedNearerTheAxis) {
    run(P1, {"1000", "1000", "500"});
    ASSERT_TRUE(ui.click("Form12.Check1"));
    ASSERT_EQ(ui.get("Form12.Check1")->checked, true);
    run(P4, {"1000", "1000", "500"});
    const auto analogue = blue();
    const auto digital = red();
    ASSERT_EQ(analogue.size(), 10000u);
    ASSERT_EQ(digital.size(), 10000u);
    EXPECT_EQ(framePoints(), kFramePoints);  // the setup of process 4 kept the drawing and drew no frame
    for (std::size_t i = 0; i < 10000; i += 3) {
        const double a = std::fabs(analogue[i].y1 - 2240);
        const double d = std::fabs(digital[i].y1 - 2240);
        if (a > 1 && a < 2239) {
            EXPECT_LT(d, a) << i;
        }
    }
    // A third run, comparing still, adds a third curve; unchecked, a run replaces them all in blue.
    run(P1, {"1000", "2000", "500"});
    EXPECT_EQ(red().size(), 20000u);
    ASSERT_TRUE(ui.click("Form12.Check1"));
    run(P2, {"1000", "3000", "1000", "500"});
    EXPECT_EQ(blue().size(), 10000u);
    EXPECT_TRUE(red().empty());
    EXPECT_EQ(framePoints(), kFramePoints);
}

// ---- The noisy digital curve ------------------------------------------------------------------------------------

// With txtdigits7 empty the gain K is 0: every point lies on the axis.
TEST_F(WorkbenchTest, NoisyCurveWithoutGainLiesOnTheAxis) {
    run(P7, {"1000", "3000", "1000", "500", "10", "0.001"}, "");
    const auto curve = blue();
    ASSERT_EQ(curve.size(), 10000u);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](const px::Primitive& p) { return p.y1 == 2240.0f; }));
    EXPECT_TRUE(ui.faults().empty());
}

// The generator is seeded from the clock before every point and drawn once; the random term
// σ·2.5·(Int(r·2001) − 1000)/1000 moves the curve only when the clock moves on.
TEST_F(WorkbenchTest, NoisyCurveReseedsFromTheClockBeforeEveryPoint) {
    // r = 0.5 draws n = 0: the curve without noise.
    injectChance(100, 1000000, {0.5f});
    run(P7, {"1000", "3000", "1000", "500", "", "0.001"}, "1");
    const auto quiet = blue();
    ASSERT_EQ(quiet.size(), 10000u);
    // σ = (2/3.14)/√((6/7)·4·RC·(F2 − F1)), kept in Nux.
    EXPECT_NEAR(form()->wv.Nux, 0.2432365, 1e-6);
    EXPECT_NEAR(quiet[5000].y1, 2240 - 2240 * 0.3335024, 0.01);  // ρ = 0.5 at the delay for 0 dB

    // The clock ticks every 2500 readings; seconds 0, 1, 2, 3 draw n = -1, 1, -0.5 and 0.
    readings.clear(), seeds.clear(), calls.clear();
    injectChance(0, 2500, {0.0f, 0.99999f, 0.25f, 0.5f});
    ASSERT_TRUE(ui.click("Form12.Command1"));
    const auto noisy = blue();
    ASSERT_EQ(noisy.size(), 10000u);
    std::string expected;
    for (int i = 0; i < 10000; ++i)
        expected += "sn";
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(seeds, readings);
    const double sigma = form()->wv.Nux;
    const double n[] = {-1, 1, -0.5, 0};
    for (std::size_t i = 0; i < 10000; i += 1) {
        const double e = sigma * (n[i / 2500] * 2.5);
        ASSERT_NEAR(noisy[i].y1, quiet[i].y1 - 2240 * e, 0.01) << i;
        ASSERT_EQ(noisy[i].x1, quiet[i].x1) << i;
    }
}

// V = (C + e)·K is clamped below at −1 and not above.
TEST_F(WorkbenchTest, NoisyCurveIsClampedBelowOnly) {
    injectChance(0, 1000000, {0.0f});
    run(P7, {"1000", "3000", "1000", "500", "", "0.001"}, "10");
    auto curve = blue();
    ASSERT_EQ(curve.size(), 10000u);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](const px::Primitive& p) { return p.y1 == 4480.0f; }));

    injectChance(0, 1000000, {0.99999f});
    ASSERT_TRUE(ui.click("Form12.Command1"));
    curve = blue();
    ASSERT_EQ(curve.size(), 10000u);
    EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](const px::Primitive& p) { return p.y1 < -2240; }));
}

// ---- The look ---------------------------------------------------------------------------------------------------

TEST_F(WorkbenchTest, CaptionsFitTheirBoxesAndTheFieldsDoNotOverlap) {
    auto* check = qobject_cast<QCheckBox*>(form()->control("Check1"));
    ASSERT_NE(check, nullptr);
    QStyleOptionButton option;
    option.initFrom(check);
    const int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, check) +
                          check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, check);
    EXPECT_LE(indicator + QFontMetrics(check->font()).horizontalAdvance(check->text()), check->width());
    EXPECT_TRUE(static_cast<px::Label*>(form()->control("Label2"))->captionFits());
    EXPECT_TRUE(static_cast<px::Label*>(form()->control("Label7"))->captionFits());

    // Field 7 stands outside the frame, below field 6, and the six rows do not touch.
    auto rectOf = [this](const char* name) {
        QWidget* w = form()->control(name);
        return QRect(w->mapTo(form(), QPoint(0, 0)), w->size());
    };
    const QRect seventh = rectOf("txtdigits7");
    EXPECT_FALSE(seventh.intersects(rectOf("txtdigits6")));
    EXPECT_NE(form()->control("txtdigits7")->parentWidget(), form()->control("Frame1"));
    for (int n = 1; n < 6; ++n)
        EXPECT_LT(rectOf(("txtdigits" + std::to_string(n)).c_str()).bottom(),
                  rectOf(("txtdigits" + std::to_string(n + 1)).c_str()).top())
            << n;
}

// ---- The computations alone -------------------------------------------------------------------------------------

// ---- Enter, the hint and the tool-tips ------------------------------------------------------------------------

// Enter in a data field takes the data over and computes; the hint tells data typed but not taken over, and a
// process picked after a validation computes with values no longer shown.
TEST_F(WorkbenchTest, EnterInAFieldComputesAndTheHintTellsWhatTheWorkingValuesAre) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", P1));
    EXPECT_EQ(form()->hint().toStdString(), "Scrivere i dati, poi Convalida dati e Calcolo (o Invio)");
    retype(field(1), "1000");
    retype(field(2), "1000");
    retype(field(3), "500");
    EXPECT_EQ(form()->hint().toStdString(), "Dati non convalidati: premere Convalida dati (o Invio)");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_TRUE(blue().empty()) << "Calcolo alone computes with the values validated before: F = 0";
    EXPECT_EQ(form()->hint().toStdString(), "Calcolato con i dati convalidati prima: premere Convalida dati");
    ASSERT_TRUE(ui.key(field(3), "Enter"));
    EXPECT_EQ(blue().size(), 10000u);
    EXPECT_EQ(form()->wv.F, 1000.0);
    EXPECT_EQ(form()->hint().toStdString(), "");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    EXPECT_EQ(form()->hint().toStdString(), "Dati convalidati");
    ASSERT_TRUE(ui.pick("Form12.Combo1", P4));
    EXPECT_EQ(form()->hint().toStdString(), "Campi vuoti: Calcolo usa i dati convalidati in precedenza");
    EXPECT_EQ(ui.text("Form12.Label16"), "Campi vuoti: Calcolo usa i dati convalidati in precedenza");
    EXPECT_TRUE(ui.faults().empty());
}

// Every field says what it holds and in which unit, after the process that set its caption; K says that the curve
// is multiplied by it.
TEST_F(WorkbenchTest, EachFieldsToolTipSaysWhatItHoldsAndItsUnit) {
    auto tip = [this](int n) { return form()->field(n)->toolTip().toStdString(); };
    EXPECT_EQ(tip(1), "Dato 1: scegliere prima un processo");
    ASSERT_TRUE(ui.pick("Form12.Combo1", P7));
    const std::vector<std::string> p7 = {
        "Frequenza inferiore F1 della banda, in Hz",        "Frequenza superiore F2 della banda, in Hz",
        "Fondo scala dell'asse dei tempi, in microsecondi", "Ritardo tc fra i due segnali, in microsecondi",
        "Rapporto segnale/rumore d'ingresso, in dB",        "Costante di tempo d'integrazione RC, in secondi"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(tip(n), p7[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_NE(tip(7).find("la curva è moltiplicata per K"), std::string::npos) << tip(7);
    // Computed with K empty, the curve lies on the axis, and the hint says why.
    const char* data[6] = {"1000", "3000", "1000", "500", "0", "1"};
    for (int n = 1; n <= 6; ++n)
        retype(field(n), data[n - 1]);
    ASSERT_TRUE(ui.key(field(6), "Enter"));
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(form()->hint().toStdString(), "K vale 0: la curva, moltiplicata per K, resta sull'asse");
    ASSERT_TRUE(ui.pick("Form12.Combo1", P3));
    EXPECT_EQ(tip(4), "Lunghezza d della base, in metri");
    EXPECT_EQ(tip(5), "Non usato da questo processo");
    ASSERT_TRUE(ui.pick("Form12.Combo1", "SIMULAZIONE DINAMICA"));
    EXPECT_EQ(tip(1), "Rapporto segnale/rumore d'ingresso, in dB (non sotto -20 dB)");
    EXPECT_EQ(tip(7), "Guadagno K del correlogramma, numero puro (vuoto o 0: guadagno automatico)");
    ASSERT_TRUE(ui.pick("Form12.Combo1", "CORR. BLOCCHI  NUMERICI"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(tip(1), "Lunghezza n dei due blocchi: al più 64 coppie");
    EXPECT_EQ(tip(3), "Valore del blocco B all'indice 1");
}

// The simulation says that it runs, stops at Esc and says where.
TEST_F(WorkbenchTest, EscStopsTheSimulationAndTheHintSaysSo) {
    px::runs::setPace(px::runs::Pace::Held);
    ASSERT_TRUE(ui.pick("Form12.Combo1", "SIMULAZIONE DINAMICA"));
    retype(field(1), "0");
    retype(field(2), "1");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(form()->hint().toStdString(), "Simulazione in corso: Calcolo o Esc la ferma");
    ASSERT_EQ(px::runs::fireHeld(), 1);
    ASSERT_TRUE(ui.key("Form12", "Escape"));
    EXPECT_FALSE(form()->repeating());
    EXPECT_EQ(form()->hint().toStdString(), "Simulazione fermata al ciclo 1");
    px::runs::setPace(px::runs::Pace::Immediate);
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(form()->hint().toStdString(), "Simulazione finita: 1000 cicli");
    px::runs::setPace(px::runs::Pace::Timed);
}

// A window smaller than its layout scrolls: controls and drawing move together, the drawing itself unchanged.
TEST_F(WorkbenchTest, AWindowSmallerThanItsLayoutScrolls) {
    px::Screen* s = form();
    const QSize layout = s->layoutSize();
    const auto drawn = ui.primitives("Form12").size();
    s->showNormal();
    s->resize(px::twips::toPixels(4680), px::twips::toPixels(3192));
    px::Scenario::settle();
    ASSERT_LT(s->width(), layout.width());
    const QPoint before = s->control("Command1")->pos();
    ASSERT_TRUE(ui.wheel("Form12", 2));
    EXPECT_GT(s->scrollOffset().y(), 0);
    EXPECT_EQ(s->control("Command1")->pos(), before - QPoint(0, s->scrollOffset().y()));
    // Tab to a control out of view brings it in.
    s->control("Check1")->setFocus(Qt::TabFocusReason);
    const QRect check(s->control("Check1")->pos(), s->control("Check1")->size());
    EXPECT_TRUE(s->rect().contains(check)) << check.x() << "," << check.y();
    EXPECT_EQ(ui.primitives("Form12").size(), drawn);

    // The glossary's layout is its printed text: restored, its last line can be scrolled into view.
    ASSERT_TRUE(ui.show("Form17"));
    px::Screen* glossary = px::screens::find("Form17");
    glossary->showNormal();
    glossary->resize(px::twips::toPixels(4680), px::twips::toPixels(3192));
    px::Scenario::settle();
    const double line = QFontMetricsF(glossary->surface().font()).height();
    EXPECT_GE(glossary->layoutSize().height(), static_cast<int>(26 * line));
    ASSERT_TRUE(ui.wheel("Form17", 100));
    EXPECT_GE(glossary->scrollOffset().y() + glossary->height(), static_cast<int>(26 * line));
}

}  // namespace
