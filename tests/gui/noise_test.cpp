// The noise screens as a user meets them: the sea-noise and ship-noise calculators with their results, faults,
// focus and tab order, and the two spectrum graphs with their grid, curves, legend and frequency caption.
#include <QApplication>
#include <QComboBox>
#include <cmath>
#include <string>
#include <vector>

#include "decade_caption.h"
#include "graph_frame.h"
#include "gui_support.h"
#include "noise_models.h"
#include "numbers.h"
#include "reading.h"

namespace {

using px::Num;
using pxtest::ScreenTest;

// Colours as red, green and blue, without the alpha of a QRgb.
constexpr QRgb kRed = 0xff0000;
constexpr QRgb kYellow = 0xffff00;
constexpr QRgb kGreen = 0x00ff00;
constexpr QRgb kBlue = 0x0000ff;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xffffff;
constexpr double kTwip = 0.05;

// Dots and lines of the grid and axes, drawn before the curves.
constexpr std::size_t kVerticalDots = 161 * 30;
constexpr std::size_t kHorizontalDots = 21 * 154;
constexpr std::size_t kFrame = kVerticalDots + kHorizontalDots + 2;
constexpr std::size_t kSweep = 99900;

// The frequencies of the graphs' sweep, accumulated as the graphs accumulate them.
std::vector<double> sweep() {
    std::vector<double> f;
    for (double v = 0.1; v <= 100; v = v + 0.001)
        f.push_back(v);
    return f;
}

// The name of the control that has the keyboard focus on a screen (the choice box for its edit line).
std::string focused(const std::string& screen) {
    px::Screen* s = px::screens::find(QString::fromStdString(screen));
    if (s == nullptr || s->focusWidget() == nullptr) return "<none>";
    QWidget* w = s->focusWidget();
    while (w->parentWidget() != nullptr && w->parentWidget() != s)
        w = w->parentWidget();
    return w->objectName().toStdString();
}

// ---- The two calculators ---------------------------------------------------------------------------------------

class NoiseCalculatorTest : public ScreenTest {
protected:
    // Types the frequency into the emptied field, picks (or types) the case, presses "Calcolo", reads the result.
    std::string calcolo(const std::string& screen, const char* f, const char* choice) {
        if (f != nullptr) retype(screen + ".Text1", f);
        if (choice != nullptr) {
            EXPECT_TRUE(ui.pick(screen + ".Combo1", choice));
        }
        EXPECT_TRUE(ui.click(screen + ".Command1"));
        return ui.text(screen + ".Label3");
    }
};

struct ResultCase {
    const char* name;
    const char* screen;
    const char* f;       // null: the initial "1"
    const char* choice;  // null: the initial item
    const char* shown;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class NoiseResultTest : public NoiseCalculatorTest, public testing::WithParamInterface<ResultCase> {};

TEST_P(NoiseResultTest, ShowsTheLevelOfTheFrequencyAndCase) {
    const ResultCase& c = GetParam();
    ASSERT_TRUE(ui.show(c.screen));
    EXPECT_EQ(ui.text(std::string(c.screen) + ".Label3"), "");
    EXPECT_EQ(calcolo(c.screen, c.f, c.choice), c.shown);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sea, NoiseResultTest,
    testing::Values(ResultCase{"initial_1kHz_SS0", "Form2", nullptr, nullptr, "44.2"},
                    ResultCase{"f1_SS1_trailing_separator", "Form2", "1", "SS=1", "55."},
                    ResultCase{"f2_SS1", "Form2", "2", "SS=1", "50."},
                    ResultCase{"f2_SS1_2", "Form2", "2", "SS=1/2", "45.3"},
                    ResultCase{"f05_SS0_above_the_1kHz_level", "Form2", ".5", "SS=0", "49.2"},
                    ResultCase{"f10_SS2", "Form2", "10", "SS=2", "45.2"},
                    ResultCase{"f10_SS4_rounds_up", "Form2", "10", "SS=4", "50."},
                    ResultCase{"f10_SS6", "Form2", "10", "SS=6", "53.4"},
                    ResultCase{"f100_SS0", "Form2", "100", "SS=0", "11."},
                    ResultCase{"typed_sign_and_exponent_free_1_2_3", "Form2", "+1.2.3", "SS=1", "53.7"},
                    ResultCase{"lower_case_item_is_no_case", "Form2", "2", "ss=1", ""},
                    ResultCase{"added_blank_is_no_case", "Form2", "2", "SS=1 ", ""},
                    ResultCase{"blanks_of_the_legend_are_no_case", "Form2", "2", "SS = 1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Ship, NoiseResultTest,
    testing::Values(ResultCase{"initial_1kHz_10_knots", "Form3", nullptr, nullptr, "127.5"},
                    ResultCase{"f1_15_knots_trailing_separator", "Form3", "1", "15 nodi", "138."},
                    ResultCase{"f1_20_knots", "Form3", "1", "20 nodi", "145.4"},
                    ResultCase{"f1_25_knots", "Form3", "1", "25 nodi", "151.4"},
                    ResultCase{"f2_10_knots", "Form3", "2", "10 nodi", "120.8"},
                    ResultCase{"f2_15_knots", "Form3", "2", "15 nodi", "131.3"},
                    ResultCase{"f10_10_knots", "Form3", "10", "10 nodi", "105.3"},
                    ResultCase{"f10_25_knots", "Form3", "10", "25 nodi", "129.2"},
                    ResultCase{"f01_25_knots_above_the_1kHz_level", "Form3", "0.1", "25 nodi", "173.6"},
                    ResultCase{"f100_10_knots", "Form3", "100", "10 nodi", "83.2"},
                    ResultCase{"capital_N_is_no_case", "Form3", "2", "10 Nodi", ""},
                    ResultCase{"missing_blank_is_no_case", "Form3", "2", "10nodi", ""},
                    ResultCase{"added_blank_is_no_case", "Form3", "2", "10 nodi ", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A frequency of zero (also read from an empty field, "-" or ".") faults in the logarithm, a negative one in the
// power; a pasted number beyond range faults in the reading.  The label keeps the previous result.
struct FaultCase {
    const char* name;
    const char* screen;
    const char* text;
    bool pasted;
    const char* fault;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class NoiseFaultTest : public NoiseCalculatorTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(NoiseFaultTest, FaultIsReportedAndTheLastResultStays) {
    const FaultCase& c = GetParam();
    const std::string screen = c.screen;
    ASSERT_TRUE(ui.show(screen));
    const std::string before = calcolo(screen, "2", nullptr);
    ASSERT_NE(before, "");
    if (c.pasted) {
        ASSERT_TRUE(ui.paste(screen + ".Text1", c.text));
    } else {
        retype(screen + ".Text1", c.text);
    }
    ASSERT_TRUE(ui.click(screen + ".Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{c.fault});
    EXPECT_EQ(ui.text(screen + ".Label3"), before);
    // The screen goes on: a good frequency computes again.
    EXPECT_EQ(calcolo(screen, "1", nullptr), screen == "Form2" ? "44.2" : "127.5");
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Frequencies, NoiseFaultTest,
                         testing::Values(FaultCase{"sea_zero", "Form2", "0", false, "Argomento non valido"},
                                         FaultCase{"sea_empty", "Form2", "", false, "Argomento non valido"},
                                         FaultCase{"sea_minus_only", "Form2", "-", false, "Argomento non valido"},
                                         FaultCase{"sea_point_only", "Form2", ".", false, "Argomento non valido"},
                                         FaultCase{"sea_negative", "Form2", "-2", false, "Argomento non valido"},
                                         FaultCase{"sea_pasted_beyond_range", "Form2", "1E400", true, "Overflow"},
                                         FaultCase{"ship_zero", "Form3", "0", false, "Argomento non valido"},
                                         FaultCase{"ship_empty", "Form3", "", false, "Argomento non valido"},
                                         FaultCase{"ship_minus_only", "Form3", "-", false, "Argomento non valido"},
                                         FaultCase{"ship_point_only", "Form3", ".", false, "Argomento non valido"},
                                         FaultCase{"ship_negative", "Form3", "-0.5", false, "Argomento non valido"},
                                         FaultCase{"ship_pasted_beyond_range", "Form3", "9D999", true, "Overflow"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NoiseCalculatorTest, CommaTypedIntoTheFrequencyIsDiscarded) {
    ASSERT_TRUE(ui.show("Form2"));
    retype("Form2.Text1", "1,5");
    EXPECT_EQ(ui.text("Form2.Text1"), "15");
    // 55 - 5 log2 15 - 10.8 = 24.67, where 1.5 kHz would give 41.3.
    EXPECT_EQ(calcolo("Form2", nullptr, nullptr), "24.7");
}

TEST_F(NoiseCalculatorTest, ResultsUseTheRegionalSeparatorWhileFieldsReadTheFullStop) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.show("Form3"));
    px::setDecimalSeparator(",");
    EXPECT_EQ(calcolo("Form2", "2", "SS=1"), "50,");
    EXPECT_EQ(calcolo("Form2", "1", "SS=0"), "44,2");
    EXPECT_EQ(calcolo("Form2", "0.5", "SS=0"), "49,2");
    EXPECT_EQ(calcolo("Form3", "1", "15 nodi"), "138,");
    EXPECT_EQ(calcolo("Form3", "2", "10 nodi"), "120,8");
}

TEST_F(NoiseCalculatorTest, ChangingAnInputLeavesTheResultUntilTheNextCalcolo) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_EQ(calcolo("Form2", "2", "SS=1"), "50.");
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=6"));
    retype("Form2.Text1", "10");
    EXPECT_EQ(ui.text("Form2.Label3"), "50.");
    EXPECT_EQ(calcolo("Form2", nullptr, nullptr), "53.4");

    ASSERT_TRUE(ui.show("Form3"));
    ASSERT_EQ(calcolo("Form3", "2", "15 nodi"), "131.3");
    ASSERT_TRUE(ui.pick("Form3.Combo1", "25 nodi"));
    EXPECT_EQ(ui.text("Form3.Label3"), "131.3");
}

TEST_F(NoiseCalculatorTest, UnknownCaseEmptiesAShownResult) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_EQ(calcolo("Form2", "2", "SS=1"), "50.");
    EXPECT_EQ(calcolo("Form2", nullptr, "SS=3"), "");
    ASSERT_TRUE(ui.show("Form3"));
    ASSERT_EQ(calcolo("Form3", nullptr, nullptr), "127.5");
    EXPECT_EQ(calcolo("Form3", nullptr, "30 nodi"), "");
    EXPECT_TRUE(ui.faults().empty());
}

TEST_F(NoiseCalculatorTest, InitialTextsAndItems) {
    ASSERT_TRUE(ui.show("Form2"));
    EXPECT_EQ(ui.text("Form2"), "Calcolo del rumore spettrale del mare");
    EXPECT_EQ(ui.text("Form2.Text1"), "1");
    EXPECT_EQ(ui.text("Form2.Combo1"), "SS=0");
    EXPECT_EQ(ui.text("Form2.Label4"), "(NL) in dB/micro Pa/Hz* =");
    EXPECT_EQ(ui.text("Form2.Label6"), "* si legga radice di Hz");
    ASSERT_TRUE(ui.show("Form3"));
    EXPECT_EQ(ui.text("Form3"), "Calcolo del rumore spettrale irradiato da un C.T.");
    EXPECT_EQ(ui.text("Form3.Combo1"), "10 nodi");
    EXPECT_EQ(ui.text("Form3.Label2"), "Velocità del C.T.");
    EXPECT_EQ(ui.text("Form3.Label6"), "* si legga radice di Hz     ad 1 metro");

    const std::pair<const char*, std::vector<std::string>> boxes[] = {
        {"Form2", {"SS=0", "SS=1/2", "SS=1", "SS=2", "SS=4", "SS=6"}},
        {"Form3", {"10 nodi", "15 nodi", "20 nodi", "25 nodi"}}};
    for (const auto& [screen, items] : boxes) {
        auto* box = qobject_cast<QComboBox*>(px::screens::find(screen)->control("Combo1"));
        ASSERT_NE(box, nullptr);
        std::vector<std::string> shown;
        for (int i = 0; i < box->count(); ++i)
            shown.push_back(box->itemText(i).toStdString());
        EXPECT_EQ(shown, items) << screen;
        EXPECT_TRUE(box->isEditable()) << screen;
    }
}

TEST_F(NoiseCalculatorTest, TabOrderStartsAtTheSeaStateBox) {
    ASSERT_TRUE(ui.show("Form2"));
    for (const char* name : {"Combo1", "Text1", "Command1", "Command2", "Combo1"}) {
        EXPECT_EQ(focused("Form2"), name);
        ASSERT_TRUE(ui.key("Form2", "Tab"));
    }
}

TEST_F(NoiseCalculatorTest, ShipCalculatorOpensWithCalcoloFocusedSoSpaceComputes) {
    ASSERT_TRUE(ui.show("Form3"));
    EXPECT_EQ(focused("Form3"), "Command1");
    ASSERT_TRUE(ui.key("Form3", "Space"));
    EXPECT_EQ(ui.text("Form3.Label3"), "127.5");
    for (const char* name : {"Command1", "Text1", "Combo1", "Command2", "Command1"}) {
        EXPECT_EQ(focused("Form3"), name);
        ASSERT_TRUE(ui.key("Form3", "Tab"));
    }
}

TEST_F(NoiseCalculatorTest, GraficiOpensTheGraphOfEachCalculator) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.click("Form2.Command2"));
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form2", "Form10"}));
    ASSERT_TRUE(ui.show("Form3"));
    ASSERT_TRUE(ui.click("Form3.Command2"));
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form2", "Form10", "Form3", "Form11"}));
    ASSERT_TRUE(ui.click("Form2.Command2"));  // the open graph comes forward: no second one
    EXPECT_EQ(ui.screens().size(), 4u);
}

// ---- The two graphs --------------------------------------------------------------------------------------------

class NoiseGraphTest : public ScreenTest {
protected:
    // The curve points of a graph, in drawing order, after the frame.
    std::vector<px::Primitive> curves(const std::string& screen) {
        const auto all = ui.primitives(screen);
        if (all.size() < kFrame) return {};
        return {all.begin() + kFrame, all.end()};
    }
};

TEST_F(NoiseGraphTest, GridAndAxesOfBothGraphs) {
    const double firstDecade[] = {400, 1323.2, 1863.2, 2246.3, 2543.5, 2786.4, 2991.7, 3169.5, 3326.4, 3466.7};
    for (const char* screen : {"Form10", "Form11"}) {
        SCOPED_TRACE(screen);
        ASSERT_TRUE(ui.show(screen));
        const auto all = ui.primitives(screen);
        ASSERT_GE(all.size(), kFrame);
        // Vertical grid: for each y, the thirty lines of the three decades, black.
        for (std::size_t i = 0; i < kVerticalDots; ++i) {
            const px::Primitive& p = all[i];
            ASSERT_EQ(p.kind, px::Primitive::Point) << i;
            ASSERT_EQ(p.colour & 0xffffff, kBlack) << i;
            ASSERT_EQ(p.y1, static_cast<float>(200 + 40 * (i / 30))) << i;
            const std::size_t k = (i % 30) / 10, m = i % 10;
            ASSERT_NEAR(p.x1, firstDecade[m] + 3066.7 * static_cast<double>(k), kTwip) << i;
        }
        EXPECT_EQ(all[kVerticalDots - 1].y1, 6600.0f);
        EXPECT_NEAR(all[29].x1, 9600.1, kTwip);
        // Horizontal grid: 21 lines of 154 dots in the foreground colour, the last dot at 9580.
        for (std::size_t i = 0; i < kHorizontalDots; ++i) {
            const px::Primitive& p = all[kVerticalDots + i];
            ASSERT_EQ(p.kind, px::Primitive::Point) << i;
            ASSERT_EQ(p.colour & 0xffffff, px::colour::buttonText().rgb() & 0xffffff) << i;
            ASSERT_EQ(p.y1, static_cast<float>(200 + 320 * (i / 154))) << i;
            ASSERT_EQ(p.x1, static_cast<float>(400 + 60 * (i % 154))) << i;
        }
        // The axes over the grid.
        const px::Primitive& bottom = all[kFrame - 2];
        const px::Primitive& left = all[kFrame - 1];
        ASSERT_EQ(bottom.kind, px::Primitive::Line);
        ASSERT_EQ(left.kind, px::Primitive::Line);
        EXPECT_EQ(std::vector<float>({bottom.x1, bottom.y1, bottom.x2, bottom.y2}),
                  std::vector<float>({400, 6600, 9600, 6600}));
        EXPECT_EQ(std::vector<float>({left.x1, left.y1, left.x2, left.y2}),
                  std::vector<float>({400, 200, 400, 6600}));
        EXPECT_EQ(bottom.colour & 0xffffff, kBlack);
        EXPECT_EQ(left.colour & 0xffffff, kBlack);
        EXPECT_EQ(ofKind(screen, px::Primitive::Line).size(), 2u);
        EXPECT_TRUE(ofKind(screen, px::Primitive::Circle).empty());
    }
}

TEST_F(NoiseGraphTest, SeaGraphDrawsSixCurvesOfTheSeaStates) {
    ASSERT_TRUE(ui.show("Form10"));
    const QRgb colours[] = {kRed, kYellow, kGreen, kBlue, kBlack, kWhite};
    const double first[] = {2708.2, 2317.8, 2017.0, 1581.8, 1274.6, 1057.0};
    const double last[] = {5897.2, 5506.8, 5206.0, 4770.8, 4463.6, 4246.0};
    const auto c = curves("Form10");
    ASSERT_EQ(c.size(), 6 * kSweep);
    for (QRgb colour : {kRed, kYellow, kGreen, kBlue, kWhite})
        EXPECT_EQ(points("Form10", colour).size(), kSweep);
    EXPECT_EQ(points("Form10", kBlack).size(), kSweep + kVerticalDots + kHorizontalDots);
    for (std::size_t j = 0; j < 6; ++j) {
        SCOPED_TRACE(j);
        const px::Primitive& a = c[j];
        const px::Primitive& z = c[c.size() - 6 + j];
        EXPECT_EQ(a.colour & 0xffffff, colours[j]);
        EXPECT_EQ(z.colour & 0xffffff, colours[j]);
        EXPECT_NEAR(a.x1, 400, kTwip);
        EXPECT_NEAR(a.y1, first[j], kTwip);
        EXPECT_NEAR(z.x1, 9600.1, kTwip);
        EXPECT_NEAR(z.y1, last[j], kTwip);
    }
    // At 1 kHz: sea state 1 at 55 dB, sea state 0 at 44.2 dB.
    const auto f = sweep();
    std::size_t at1 = 0;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (std::abs(f[i] - 1) < std::abs(f[at1] - 1)) at1 = i;
    EXPECT_NEAR(c[6 * at1].x1, 3466.7, kTwip);
    EXPECT_NEAR(c[6 * at1 + 2].y1, 3080, kTwip);
    EXPECT_NEAR(c[6 * at1].y1, 3771.2, kTwip);
}

TEST_F(NoiseGraphTest, ShipGraphDrawsFourCurvesOfTheSpeeds) {
    ASSERT_TRUE(ui.show("Form11"));
    const QRgb colours[] = {kRed, kYellow, kGreen, kBlue};
    const double first[] = {1811.3, 1475.3, 1238.5, 1046.5};
    const double at1kHz[] = {2520, 2184, 1947.2, 1755.2};
    const double last[] = {3937.4, 3601.4, 3364.6, 3172.6};
    const auto c = curves("Form11");
    ASSERT_EQ(c.size(), 4 * kSweep);
    for (QRgb colour : colours)
        EXPECT_EQ(points("Form11", colour).size(), kSweep);
    EXPECT_TRUE(points("Form11", kWhite).empty());
    const auto f = sweep();
    std::size_t at1 = 0;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (std::abs(f[i] - 1) < std::abs(f[at1] - 1)) at1 = i;
    for (std::size_t j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(c[j].colour & 0xffffff, colours[j]);
        EXPECT_NEAR(c[j].x1, 400, kTwip);
        EXPECT_NEAR(c[j].y1, first[j], kTwip);
        EXPECT_NEAR(c[4 * at1 + j].x1, 3466.7, kTwip);
        EXPECT_NEAR(c[4 * at1 + j].y1, at1kHz[j], kTwip);
        EXPECT_NEAR(c[c.size() - 4 + j].x1, 9600.1, kTwip);
        EXPECT_NEAR(c[c.size() - 4 + j].y1, last[j], kTwip);
    }
}

// Every point of both graphs is the one the checked formulas give, bit for bit, in single precision: the sweep's
// plain arithmetic keeps the operations and their order.
TEST_F(NoiseGraphTest, CurvePointsAreExactlyThoseOfTheCheckedFormulas) {
    ASSERT_TRUE(ui.show("Form10"));
    ASSERT_TRUE(ui.show("Form11"));
    const auto sea = curves("Form10");
    const auto ship = curves("Form11");
    const auto f = sweep();
    ASSERT_EQ(f.size(), kSweep);
    ASSERT_EQ(sea.size(), 6 * kSweep);
    ASSERT_EQ(ship.size(), 4 * kSweep);
    const Num kSea = px::noise::exponentFor(5);
    const Num kShip = px::noise::exponentFor(6.667);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const Num x = Num(3066.7) * px::ln(Num(10) * Num(f[i])) / px::ln(Num(10)) + Num(400);
        const Num Dsea = Num(20) * px::ln(px::pw(Num(f[i]), kSea)) / px::ln(Num(10));
        const Num Dship = Num(20) * px::ln(px::pw(Num(f[i]), kShip)) / px::ln(Num(10));
        const double offsets[] = {-10.8, -4.7, 0, 6.8, 11.6, 15};
        for (std::size_t j = 0; j < 6; ++j) {
            Num NL = Num(55) - Dsea;
            NL = j < 2 ? NL - Num(-offsets[j]) : NL + Num(offsets[j]);  // "- 10.8" as written for SS=0, SS=1/2
            const px::Primitive& p = sea[6 * i + j];
            if (p.x1 != static_cast<float>(x.value()) ||
                p.y1 != static_cast<float>((Num(6600) - Num(64) * NL).value()))
                ++wrong;
        }
        const double levels[] = {127.5, 138, 145.4, 151.4};
        for (std::size_t j = 0; j < 4; ++j) {
            const Num SL = Num(levels[j]) - Dship;
            const px::Primitive& p = ship[4 * i + j];
            if (p.x1 != static_cast<float>(x.value()) ||
                p.y1 != static_cast<float>((Num(6600) - Num(32) * SL).value()))
                ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0u);
}

// The graphs read nothing of their calculators; they compute once, and a repaint shows the kept drawing.
TEST_F(NoiseGraphTest, ReopenedOrRepaintedGraphDrawsTheSameGraph) {
    const std::pair<const char*, const char*> pairs[] = {{"Form2", "Form10"}, {"Form3", "Form11"}};
    for (const auto& [calculator, graph] : pairs) {
        SCOPED_TRACE(graph);
        const std::string calc = calculator;
        ASSERT_TRUE(ui.show(calc));
        ASSERT_TRUE(ui.click(calc + ".Command2"));
        const auto before = ui.primitives(graph);
        ASSERT_EQ(before.size(), kFrame + (std::string(graph) == "Form10" ? 6 : 4) * kSweep);

        px::screens::find(graph)->repaint();  // as when the window is uncovered
        ASSERT_EQ(ui.primitives(graph).size(), before.size());

        ASSERT_TRUE(ui.close(graph));
        retype(calc + ".Text1", "7.5");
        ASSERT_TRUE(ui.pick(calc + ".Combo1", calc == "Form2" ? "SS=6" : "25 nodi"));
        ASSERT_TRUE(ui.click(calc + ".Command1"));
        ASSERT_TRUE(ui.click(calc + ".Command2"));
        const auto after = ui.primitives(graph);
        ASSERT_EQ(after.size(), before.size());
        std::size_t differ = 0;
        for (std::size_t i = 0; i < after.size(); ++i)
            if (after[i].kind != before[i].kind || after[i].x1 != before[i].x1 || after[i].y1 != before[i].y1 ||
                after[i].x2 != before[i].x2 || after[i].y2 != before[i].y2 || after[i].colour != before[i].colour)
                ++differ;
        EXPECT_EQ(differ, 0u);
    }
    EXPECT_TRUE(ui.faults().empty());
}

// The graph shows its curves on screen: sample pixels of each curve where no other curve or caption lies.
TEST_F(NoiseGraphTest, CurvesAppearOnTheWindowInTheirColours) {
    ASSERT_TRUE(ui.show("Form10"));
    px::Screen* s = px::screens::find("Form10");
    const QImage shown = s->grab().toImage();
    const auto c = curves("Form10");
    const std::size_t mid = 6 * 50000;  // about 50 kHz
    const QRgb colours[] = {kRed, kYellow, kGreen, kBlue, kBlack, kWhite};
    for (std::size_t j = 0; j < 6; ++j) {
        const QPoint at(px::twips::toPixels(c[mid + j].x1), px::twips::toPixels(c[mid + j].y1));
        EXPECT_EQ(shown.pixel(at) & 0xffffff, colours[j]) << j;
    }
}

struct LegendCase {
    const char* screen;
    const char* label;
    const char* caption;
    QRgb colour;
};

TEST_F(NoiseGraphTest, LegendNamesEachCurveInItsColour) {
    const LegendCase legend[] = {
        {"Form10", "Label10", "Stato del mare", px::colour::buttonText().rgb()},
        {"Form10", "Label2", "SS = 0", kRed},
        {"Form10", "Label3", "SS = 1/2", kYellow},
        {"Form10", "Label4", "SS = 1", kGreen},
        {"Form10", "Label5", "SS = 2", kBlue},
        {"Form10", "Label6", "SS = 4", px::colour::buttonText().rgb()},
        {"Form10", "Label7", "SS = 6", px::colour::highlightText().rgb()},
        {"Form11", "Label6", "Velocità del C.T.", px::colour::buttonText().rgb()},
        {"Form11", "Label2", "10 nodi", kRed},
        {"Form11", "Label3", "15 nodi", kYellow},
        {"Form11", "Label4", "20 nodi", kGreen},
        {"Form11", "Label5", "25 nodi", kBlue},
    };
    for (const LegendCase& l : legend) {
        SCOPED_TRACE(std::string(l.screen) + "." + l.label);
        ASSERT_TRUE(ui.show(l.screen));
        EXPECT_EQ(ui.text(std::string(l.screen) + "." + l.label), l.caption);
        QWidget* w = px::screens::find(l.screen)->control(l.label);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->palette().color(QPalette::WindowText).rgb() & 0xffffff, l.colour & 0xffffff);
    }
}

TEST_F(NoiseGraphTest, AxisTitlesAndLevelLabels) {
    struct Caption {
        const char* screen;
        const char* label;
        const char* caption;
        bool transparent;
    };
    const Caption captions[] = {
        {"Form10", "Label9", "(NL)  dB/microPa/Hz*", true},
        {"Form10", "Label12", "* si legga radice di Hz", false},
        {"Form10", "Label8", "100 dB", true},
        {"Form10", "Label11", "0 dB", true},
        {"Form11", "Label9", "(SL) dB/microPa/Hz*", true},
        {"Form11", "Label10", "* si legga radice di Hz     ad 1 metro", true},
        {"Form11", "Label7", "200 dB", true},
        {"Form11", "Label8", "0 dB", true},
    };
    for (const Caption& c : captions) {
        SCOPED_TRACE(std::string(c.screen) + "." + c.label);
        ASSERT_TRUE(ui.show(c.screen));
        EXPECT_EQ(ui.text(std::string(c.screen) + "." + c.label), c.caption);
        QWidget* w = px::screens::find(c.screen)->control(c.label);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(!w->autoFillBackground(), c.transparent);
    }
    // The level labels are in the default dialog font, regular.
    for (const char* target : {"Form10.Label8", "Form10.Label11", "Form11.Label7", "Form11.Label8"}) {
        const std::string t = target;
        const auto dot = t.find('.');
        auto* l = qobject_cast<px::Label*>(px::screens::find(QString::fromStdString(t.substr(0, dot)))
                                               ->control(QString::fromStdString(t.substr(dot + 1))));
        ASSERT_NE(l, nullptr) << t;
        EXPECT_FALSE(l->layoutFont().bold()) << t;
        EXPECT_EQ(l->layoutFont().pointSizeF(), px::qtFont(px::kDialogFont).pointSizeF()) << t;
    }
    ASSERT_TRUE(ui.show("Form10"));
    EXPECT_EQ(ui.text("Form10"), "Grafici del livello spettrale del rumore del mare");
    EXPECT_EQ(ui.text("Form11"), "Grafici dell'andamento spettrale del rumore emesso da un C.T.");
}

// The frequency caption keeps its text, runs of blanks included, and its decade numbers stand centred under the
// decade lines of the grid as the window shows them.
TEST_F(NoiseGraphTest, DecadeNumbersStandUnderTheirGridLines) {
    const std::string blanks40(40, ' '), blanks37(37, ' '), blanks36(36, ' '), blanks6(6, ' ');
    const std::string numbers = ".1" + blanks40 + "1" + blanks37 + "10" + blanks36 + "100" + blanks6 + "KHz";
    const std::pair<const char*, std::string> graphs[] = {{"Form10", " " + numbers}, {"Form11", "    " + numbers}};
    for (const auto& [screen, caption] : graphs) {
        SCOPED_TRACE(screen);
        ASSERT_TRUE(ui.show(screen));
        EXPECT_EQ(ui.text(std::string(screen) + ".Label1"), caption);
        px::Screen* s = px::screens::find(screen);
        auto* label = qobject_cast<px::noise::DecadeCaption*>(s->control("Label1"));
        ASSERT_NE(label, nullptr);
        // Where the window shows dark text pixels in the caption's row, column by column.
        const QImage shown = s->grab().toImage();
        std::vector<bool> ink(static_cast<std::size_t>(shown.width()), false);
        const QRect box = label->geometry();
        for (int x = box.left(); x <= box.right(); ++x)
            for (int y = box.top(); y <= box.bottom(); ++y)
                if (qGray(shown.pixel(x, y)) < 128) ink[static_cast<std::size_t>(x)] = true;
        // Runs of inked columns separated by wide gaps are the words; the first four are the decade numbers.
        std::vector<std::pair<int, int>> words;
        for (int x = 0; x < shown.width(); ++x) {
            if (!ink[static_cast<std::size_t>(x)]) continue;
            if (words.empty() || x - words.back().second > 8)
                words.emplace_back(x, x);
            else
                words.back().second = x;
        }
        ASSERT_EQ(words.size(), 5u);
        for (std::size_t i = 0; i < 4; ++i) {
            const double centre = (words[i].first + words[i].second + 1) / 2.0;
            const double line = std::floor(px::noise::kDecadeLines[i] * px::twips::scale() + 0.5) + 0.5;
            EXPECT_NEAR(centre, line, 1.5) << "decade " << i;
        }
    }
}

// ---- The English reading
// -----------------------------------------------------------------------------------------

// The screens read English, opened after the reading is chosen; the same inputs give the same numbers, and the
// speed box's English items still name their cases.
class NoiseEnglishTest : public NoiseCalculatorTest {
protected:
    void SetUp() override { px::reading::apply(px::reading::Reading::English); }
    void TearDown() override { px::reading::apply(px::reading::Reading::Italian); }
};

TEST_F(NoiseEnglishTest, CalculatorsReadEnglishAndGiveTheSameNumbers) {
    ASSERT_TRUE(ui.show("Form2"));
    EXPECT_EQ(ui.text("Form2"), "Sea noise spectral level");
    EXPECT_EQ(ui.text("Form2.Label2"), "Sea state");
    EXPECT_EQ(ui.text("Form2.Command1"), "Compute");
    EXPECT_EQ(ui.text("Form2.Command2"), "Graphs");
    EXPECT_EQ(ui.text("Form2.Label6"), "* read as square root of Hz");
    EXPECT_EQ(calcolo("Form2", "2", "SS=1/2"), "45.3");

    ASSERT_TRUE(ui.show("Form3"));
    EXPECT_EQ(ui.text("Form3.Label2"), "Destroyer speed");
    EXPECT_EQ(ui.text("Form3.Combo1"), "10 knots");
    EXPECT_EQ(calcolo("Form3", nullptr, nullptr), "127.5");
    EXPECT_EQ(calcolo("Form3", "2", "15 knots"), "131.3");
    EXPECT_EQ(calcolo("Form3", "10", "25 knots"), "129.2");
    // The Italian item is no case of the English box.
    EXPECT_EQ(calcolo("Form3", "2", "10 nodi"), "");
    EXPECT_TRUE(ui.faults().empty());
}

TEST_F(NoiseEnglishTest, GraphsReadEnglishAndDrawTheSameCurves) {
    ASSERT_TRUE(ui.show("Form11"));
    EXPECT_EQ(ui.text("Form11.Label6"), "Destroyer speed");
    for (const auto& [label, caption] :
         {std::pair{"Form11.Label2", "10 knots"}, std::pair{"Form11.Label5", "25 knots"}})
        EXPECT_EQ(ui.text(label), caption);
    ASSERT_TRUE(ui.show("Form10"));
    EXPECT_EQ(ui.text("Form10.Label10"), "Sea state");
    EXPECT_EQ(ui.text("Form10.Label2"), "SS = 0");
    const auto all = ui.primitives("Form10");
    ASSERT_EQ(all.size(), kFrame + 6 * kSweep);
    EXPECT_NEAR(all[kFrame].y1, 2708.2, kTwip);
}

}  // namespace
