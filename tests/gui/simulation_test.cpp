// The workbench's animated correlator as a user meets it (its plain computations are the model tests'): the
// expected output and automatic gain, a whole run compared with the sequential procedure for the same draws, the
// animation stepping from the event loop (fields read at each cycle, a second "Calcolo" ignored, closing or
// picking another process stopping it) and the faults that end a run while every window stays open.
#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <vector>

#include "gui_support.h"
#include "numbers.h"
#include "simulation.h"
#include "workbench.h"

namespace {

using px::Primitive;
using pxtest::ScreenTest;

constexpr QRgb kBlue = 0x0000ff;
const char* const kProcess = "SIMULAZIONE DINAMICA";
const char* const kBelowMinus20 = "Il rapporto Si/Ni di ingresso non deve essere inferiore a -20 dB";

// A clock that moves a quarter of a second at each reading, from ten in the morning.
class SteppingClock : public px::TimeOfDay {
public:
    float seconds() override { return t_ += 0.25f; }

private:
    float t_ = 36000;
};

struct Circle {
    float x, y, r;
    QRgb colour;
    bool operator==(const Circle&) const = default;
};

void PrintTo(const Circle& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ") r " << c.r; }

std::vector<Circle> circlesOf(const std::vector<Primitive>& list) {
    std::vector<Circle> out;
    for (const Primitive& p : list)
        if (p.kind == Primitive::Circle) out.push_back({p.x1, p.y1, p.x2, p.colour & 0xffffff});
    return out;
}

// What a field of at most six characters shows of a text.
std::string shown(const std::string& text) { return text.substr(0, 6); }

// The sequential procedure, cycle after cycle with no event loop: what the screen must show after `cycles`.
struct Sequential {
    px::SimulationState sim;
    SteppingClock clock;
    px::LinearUniform random;
    std::string f3, f4, f5, f6;
    std::vector<Circle> circles;

    explicit Sequential(bool table = true) {
        if (table) px::buildCoincidenceTable(sim);
    }
    void run(const px::CycleFields& fields, int cycles) {
        for (int n = 0; n < cycles; ++n) {
            if (sim.y0 == 0) sim.y0 = 8000;
            px::CycleOutput out;
            px::synthesizeCycle(sim, fields, clock, random, out);
            if (out.p) f4 = shown(px::Str(*out.p / 100.0));
            if (out.peak) f5 = shown(px::StrSingle(*out.peak));
            if (out.expected) f3 = shown(px::StrSingle(*out.expected));
            if (out.autoGain) f6 = shown(px::StrSingle(*out.autoGain));
            px::computeLags(sim);
            circles.clear();
            for (int k = px::kFirstMark; k <= px::kLastMark; ++k) {
                const px::MarkCentre c = px::markCentre(sim, k);
                for (int r : px::kMarkRadii)
                    circles.push_back({c.x, c.y, static_cast<float>(r), kBlue});
            }
            if (sim.y0 == 0) sim.y0 = 8000;
        }
    }
};

// ---- The screen ------------------------------------------------------------------------------------------------

class SimulationTest : public ScreenTest {
protected:
    px::Form12* f = nullptr;

    void SetUp() override {
        px::runs::setPace(px::runs::Pace::Immediate);
        ASSERT_TRUE(ui.show("Form12")) << ui.lastError();
        f = static_cast<px::Form12*>(px::screens::find("Form12"));
        ASSERT_NE(f, nullptr);
        f->setChance(std::make_unique<SteppingClock>(), std::make_unique<px::LinearUniform>());
        ASSERT_TRUE(ui.pick("Form12.Combo1", kProcess)) << ui.lastError();
    }
    void TearDown() override { px::runs::setPace(px::runs::Pace::Timed); }

    // Types Si/Ni, RC and the gain, builds the table with "Convalida dati".
    void enter(const std::string& si, const std::string& rc, const std::string& gain = "") {
        retype("Form12.txtdigits1", si);
        retype("Form12.txtdigits2", rc);
        retype("Form12.txtdigits7", gain);
        ASSERT_TRUE(ui.click("Form12.Command2"));
    }
    // "Calcolo" with held steps, then every cycle of the run fired one after the other.
    void runHeld() {
        px::runs::setPace(px::runs::Pace::Held);
        ASSERT_TRUE(ui.click("Form12.Command1"));
        while (f->repeating())
            ASSERT_EQ(px::runs::fireHeld(), 1);
        px::Scenario::settle();
    }
    std::vector<Circle> circles() { return circlesOf(ui.primitives("Form12")); }
    std::vector<std::string> texts() {
        return {ui.text("Form12.txtdigits3"), ui.text("Form12.txtdigits4"), ui.text("Form12.txtdigits5"),
                ui.text("Form12.txtdigits6")};
    }
};

TEST_F(SimulationTest, SetupShowsTheDisplayAndTheCaptionsOfTheProcess) {
    const char* captions[] = {"Si/Ni(db)",     "RC(Sec.)",       "Sux (atteso)",
                              "Sux(dinamico)", "Nux(Picco)/100", "G.autom."};
    const char* labels[] = {"Label1", "Label3", "Label4", "Label5", "Label6", "Label8"};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(ui.text(std::string("Form12.") + labels[n]), captions[n]);
    for (const char* shownControl : {"Shape2", "Label14", "Label15"})
        EXPECT_TRUE(ui.get(std::string("Form12.") + shownControl)->visible) << shownControl;
    for (const char* hidden :
         {"Image1", "Image2", "Image3", "Label7", "Label10", "Label11", "Label12", "Label13", "List1", "Check1"})
        EXPECT_FALSE(ui.get(std::string("Form12.") + hidden)->visible) << hidden;
}

struct ExpectedCase {
    const char* si;
    const char* sux;
    const char* gain;
};

class SimulationExpectedTest : public SimulationTest, public testing::WithParamInterface<ExpectedCase> {};

TEST_P(SimulationExpectedTest, ShowsTheExpectedOutputAndTheAutomaticGain) {
    const ExpectedCase& c = GetParam();
    px::runs::setPace(px::runs::Pace::Held);
    enter(c.si, "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    ASSERT_EQ(px::runs::fireHeld(), 1);
    px::Scenario::settle();
    EXPECT_EQ(ui.text("Form12.txtdigits3"), c.sux);
    EXPECT_EQ(ui.text("Form12.txtdigits6"), c.gain);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(SiNi, SimulationExpectedTest,
                         testing::Values(ExpectedCase{"0", "0.333", "3"}, ExpectedCase{"-20", "0.006", "166"},
                                         ExpectedCase{"10", "0.726", "1"}, ExpectedCase{"-6", "0.128", "7"}));

TEST_F(SimulationTest, AWholeRunDrawsWhatTheSequentialProcedureGivesForTheSameDraws) {
    enter("0", "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_FALSE(f->repeating());
    EXPECT_EQ(f->sim.cycle, px::kSimulationCycles);

    Sequential reference;
    reference.run({"0", "1", ""}, px::kSimulationCycles);
    const std::vector<Circle> drawn = circles();
    ASSERT_EQ(drawn.size(), 165u);
    EXPECT_EQ(drawn, reference.circles);
    EXPECT_EQ(texts(), (std::vector<std::string>{reference.f3, reference.f4, reference.f5, reference.f6}));
    // The golden texts of this clock and generator.
    EXPECT_EQ(texts(), (std::vector<std::string>{"0.333", "0.33", "0.0029", "3"}));

    // The simulated output lies near the expected one, and the correlated channel stands far above the others.
    EXPECT_NEAR(px::Val(ui.text("Form12.txtdigits4")), 0.333, 0.03);
    float middle = 0, highestOther = -1e9f, lowestOther = 1e9f;
    for (const Circle& c : drawn) {
        if (c.r != 50 || std::fmod(c.x - 7980, 400) != 0) continue;  // the nine channels' outer circles
        if (c.x == 9580)
            middle = c.y;
        else
            highestOther = std::max(highestOther, c.y), lowestOther = std::min(lowestOther, c.y);
    }
    EXPECT_LT(middle, lowestOther - 2500) << "the middle channel is drawn higher (smaller y)";
    EXPECT_NEAR(lowestOther, 6000, 300);
    EXPECT_NEAR(highestOther, 6000, 300);
    EXPECT_TRUE(ui.faults().empty());

    // A new run goes on from the integrators of the last one.
    runHeld();
    reference.run({"0", "1", ""}, px::kSimulationCycles);
    EXPECT_EQ(circles(), reference.circles);
}

TEST_F(SimulationTest, WithoutATimeConstantDrawsTheUnchangedMarksAThousandTimes) {
    px::runs::setPace(px::runs::Pace::Held);
    enter("0", "");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    std::vector<Circle> first;
    for (int n = 1; n <= px::kSimulationCycles; ++n) {
        ASSERT_TRUE(f->repeating()) << "cycle " << n;
        ASSERT_EQ(px::runs::fireHeld(), 1);
        const std::vector<Circle> now = circles();
        if (n == 1) first = now;
        ASSERT_EQ(now, first) << "cycle " << n;
    }
    EXPECT_FALSE(f->repeating());
    ASSERT_EQ(first.size(), 165u);
    EXPECT_EQ(first.front(), (Circle{7980, 9125, 50, kBlue}));
    EXPECT_EQ(first.back(), (Circle{11180, 9125, 10, kBlue}));
    EXPECT_EQ(texts(), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(SimulationTest, EachCycleReachesTheScreenAndReadsTheFieldsAfresh) {
    px::runs::setPace(px::runs::Pace::Held);
    enter("0", "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_TRUE(circles().empty()) << "the run clears the drawing and draws from its first cycle on";
    ASSERT_EQ(px::runs::fireHeld(), 1);
    px::Scenario::settle();
    EXPECT_EQ(circles().size(), 165u);
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "0.333");

    // Typed during the run: the next cycle reads it.
    retype("Form12.txtdigits1", "10");
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "0.333");
    ASSERT_EQ(px::runs::fireHeld(), 1);
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "0.726");

    // A second "Calcolo" stops the run where it is, and says so; the marks of its last cycle stay.
    const std::vector<Circle> before = circles();
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_FALSE(f->repeating());
    EXPECT_EQ(f->sim.cycle, 2);
    EXPECT_EQ(circles(), before);
    EXPECT_EQ(f->hint().toStdString(), "Simulazione fermata al ciclo 2");
    EXPECT_EQ(px::runs::fireHeld(), 0);

    // The sequential procedure with the same change at the same cycle.
    Sequential reference;
    reference.run({"0", "1", ""}, 1);
    reference.run({"10", "1", ""}, 1);
    EXPECT_EQ(circles(), reference.circles);
}

TEST_F(SimulationTest, PickingAnotherProcessStopsTheRunBeforeItsNextCycle) {
    px::runs::setPace(px::runs::Pace::Held);
    enter("0", "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    ASSERT_EQ(px::runs::fireHeld(), 1);
    ASSERT_TRUE(ui.pick("Form12.Combo1", "ANAL. C = f(F,tc)"));
    ASSERT_EQ(px::runs::fireHeld(), 1);  // the step finds another process and stops
    EXPECT_FALSE(f->repeating());
    EXPECT_EQ(f->sim.cycle, 1);
    EXPECT_TRUE(circles().empty()) << "the curve setup's frame stays, no mark is drawn over it";
    px::runs::setPace(px::runs::Pace::Timed);
    EXPECT_EQ(px::runs::active(), 0);
}

TEST_F(SimulationTest, ClosingTheWorkbenchStopsTheRun) {
    px::runs::setPace(px::runs::Pace::Held);
    enter("0", "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    ASSERT_EQ(px::runs::fireHeld(), 1);
    ASSERT_TRUE(ui.close("Form12"));
    EXPECT_EQ(px::runs::fireHeld(), 0);
    px::runs::setPace(px::runs::Pace::Timed);
    EXPECT_EQ(px::runs::active(), 0);
    // Shown again, the workbench starts afresh and runs.
    SetUp();
    enter("0", "1");
    runHeld();
    EXPECT_EQ(f->sim.cycle, px::kSimulationCycles);
    EXPECT_EQ(circles().size(), 165u);
}

struct FaultCase {
    const char* name;
    const char* si;
    const char* rc;  // pasted, so that a number beyond range can be given
    const char* message;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class SimulationFaultTest : public SimulationTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(SimulationFaultTest, EndsTheRunWithAMessageAndEveryWindowStaysOpen) {
    const FaultCase& c = GetParam();
    ASSERT_TRUE(ui.show("Form13"));
    ASSERT_TRUE(ui.pick("Form12.Combo1", "CORR.PANORAMICA"));  // opens the sea-noise calculator
    ASSERT_TRUE(ui.pick("Form12.Combo1", kProcess));
    retype("Form12.txtdigits2", "1");
    ASSERT_TRUE(ui.type("Form2.Text1", "5"));  // something typed elsewhere, which must not be lost
    const std::string typed = ui.text("Form2.Text1");

    // A first run draws; then the fault comes at the first cycle of the next.
    retype("Form12.txtdigits1", "0");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    runHeld();
    retype("Form12.txtdigits1", c.si);
    ASSERT_TRUE(ui.paste("Form12.txtdigits2", c.rc));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    ASSERT_EQ(px::runs::fireHeld(), 1);
    px::Scenario::settle();

    EXPECT_EQ(ui.faults(), std::vector<std::string>{c.message});
    EXPECT_FALSE(f->repeating());
    EXPECT_EQ(f->sim.cycle, 0);
    EXPECT_TRUE(circles().empty()) << "the run cleared the drawing and faulted before its first marks";
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "0.333") << "the texts of the last run stay";
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form12", "Form13", "Form2"}));
    EXPECT_EQ(ui.text("Form2.Text1"), typed);

    // The workbench goes on: a run with a sound input completes.
    retype("Form12.txtdigits1", "0");
    retype("Form12.txtdigits2", "1");
    runHeld();
    EXPECT_EQ(f->sim.cycle, px::kSimulationCycles);
    EXPECT_EQ(circles().size(), 165u);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, SimulationFaultTest,
                         testing::Values(FaultCase{"SiNiBelowMinus20dB", "-21", "1", kBelowMinus20},
                                         FaultCase{"SiNiJustBelowMinus20dB", "-20.01", "1", kBelowMinus20},
                                         FaultCase{"TimeConstantBeyondSingleRange", "0", "1E300", "Overflow"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimulationTest, ASiNiBelowMinus20dBDuringARunStopsItAtThatCycle) {
    px::runs::setPace(px::runs::Pace::Held);
    enter("0", "1");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    for (int n = 0; n < 3; ++n)
        ASSERT_EQ(px::runs::fireHeld(), 1);
    const std::vector<Circle> drawn = circles();
    retype("Form12.txtdigits1", "-21");
    ASSERT_EQ(px::runs::fireHeld(), 1);
    EXPECT_EQ(ui.faults(), std::vector<std::string>{kBelowMinus20});
    EXPECT_FALSE(f->repeating());
    EXPECT_EQ(f->sim.cycle, 3);
    EXPECT_EQ(circles(), drawn) << "what the last cycle drew stays";
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"Form12"});
}

}  // namespace
