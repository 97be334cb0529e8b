// Bad input never crashes: every calculator, with every field holding the same hostile text, pressed on every
// button, reports only the faults of the run-time convention and goes on.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <functional>
#include <set>

#include "gui_support.h"

namespace {

using pxtest::ScreenTest;

const char* const kTexts[] = {"",
                              "-",
                              ".",
                              "0",
                              "-0",
                              "1",
                              "-1",
                              "1E400",
                              "1E308",
                              "-1E308",
                              "1E-400",
                              "&HFFFF",
                              "&O7777777777777",
                              "1e15",
                              "0.001",
                              "360",
                              "1,5 abc",
                              "  2 ",
                              "99999999999999999999"};

TEST_F(ScreenTest, HostileInputIsReportedNeverFatal) {
    const std::set<std::string> known = {"Argomento non valido", "Divisione per zero", "Overflow",
                                         "Indice fuori dai limiti della tabella"};
    int screensTried = 0;
    for (int n = 2; n <= 29; ++n) {
        const std::string name = "Form" + std::to_string(n);
        if (!px::screens::known(QString::fromStdString(name))) continue;
        ASSERT_TRUE(ui.show(name));
        px::Screen* s = px::screens::find(QString::fromStdString(name));
        const auto fields = s->findChildren<QLineEdit*>();
        if (fields.isEmpty()) {
            ui.close(name);
            continue;
        }
        ++screensTried;
        for (const char* text : kTexts) {
            SCOPED_TRACE(name + " with \"" + text + "\"");
            for (QLineEdit* f : s->findChildren<QLineEdit*>()) {
                if (qobject_cast<QComboBox*>(f->parentWidget()) != nullptr) continue;  // a choice box's own line
                ASSERT_TRUE(ui.paste(name + "." + f->objectName().toStdString(), text));
            }
            for (QAbstractButton* b : s->findChildren<QAbstractButton*>())
                ASSERT_TRUE(ui.click(name + "." + b->objectName().toStdString()));
            for (const std::string& fault : ui.faults())
                EXPECT_EQ(known.count(fault), 1u) << fault;
            ASSERT_NE(px::screens::find(QString::fromStdString(name)), nullptr) << "the screen went away";
        }
        for (px::Screen* other : px::screens::open())
            other->close();
        px::Scenario::settle();
    }
    // Nothing to try until the calculators are built; once they are, every one of them is tried.
    if (screensTried == 0) GTEST_SKIP() << "no calculator screen in this build";
}

// ---- Drawn coordinates beyond single precision
// -------------------------------------------------------------------

// A drawing keeps single-precision twips: a coordinate beyond single range is the Overflow fault, as every other
// out-of-range conversion, and the primitive is not drawn; up to the largest single value everything is drawn.
struct CoordinateCase {
    const char* name;
    double value;
    bool faults;
};

class DrawnCoordinateTest : public ScreenTest, public testing::WithParamInterface<CoordinateCase> {};

TEST_P(DrawnCoordinateTest, BeyondSingleRangeIsTheOverflowFault) {
    const CoordinateCase& c = GetParam();
    const std::function<void(px::Surface&, double)> draws[] = {
        [](px::Surface& s, double v) { s.Point(v, 100); },
        [](px::Surface& s, double v) { s.Point(100, v, px::colour::red); },
        [](px::Surface& s, double v) { s.Line(0, 0, 100, v); },
        [](px::Surface& s, double v) { s.Line(v, 0, 100, 100, px::colour::blue); },
        [](px::Surface& s, double v) { s.Circle(100, 100, v, px::colour::green); },
        [](px::Surface& s, double v) {
            s.setCurrentY(v);
            s.Print("x");
        },
    };
    for (std::size_t i = 0; i < std::size(draws); ++i) {
        SCOPED_TRACE("primitive " + std::to_string(i));
        px::Surface surface;
        surface.Point(1, 2);
        if (c.faults) {
            try {
                draws[i](surface, c.value);
                ADD_FAILURE() << "no fault";
            } catch (const px::Fault& fault) {
                EXPECT_EQ(fault.kind(), px::FaultKind::Overflow);
            }
            EXPECT_EQ(surface.primitives().size(), 1u) << "nothing more is drawn";
        } else {
            draws[i](surface, c.value);
            ASSERT_EQ(surface.primitives().size(), 2u);
            const px::Primitive p = surface.primitives().back();  // a copy: the list is built afresh
            for (float f : {p.x1, p.y1, p.x2, p.y2})
                EXPECT_TRUE(std::isfinite(f));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, DrawnCoordinateTest,
    testing::Values(CoordinateCase{"Zero", 0, false}, CoordinateCase{"LargestSingle", 3.4028234663852886e38, false},
                    CoordinateCase{"RoundsDownToLargestSingle", 3.4028235e38, false},
                    CoordinateCase{"NegativeLargestSingle", -3.4028234663852886e38, false},
                    CoordinateCase{"Tiny", 1e-300, false},
                    CoordinateCase{"RoundsBeyondSingle", 3.40282357e38, true}, CoordinateCase{"Huge", 1e300, true},
                    CoordinateCase{"NegativeHuge", -1e300, true}, CoordinateCase{"Infinite", HUGE_VAL, true},
                    CoordinateCase{"NotANumber", std::nan(""), true}),
    [](const auto& info) { return std::string(info.param.name); });

// The Doppler diagram of an absurd speed: its second point lies beyond single range.  The user reads one Overflow
// message, the first point stays, every drawn coordinate is a number, and the screen computes on.
TEST_F(ScreenTest, DiagramPointBeyondSingleRangeIsReportedOnce) {
    if (!px::screens::known("Form7")) GTEST_SKIP() << "no Doppler screen in this build";
    ASSERT_TRUE(ui.show("Form7"));
    ASSERT_TRUE(ui.paste("Form7.Text1", "1"));
    ASSERT_TRUE(ui.paste("Form7.Text2", "-1E300"));
    ASSERT_TRUE(ui.click("Form7.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Overflow"});
    long blue = 0;
    for (const px::Primitive& p : ui.primitives("Form7")) {
        for (float f : {p.x1, p.y1, p.x2, p.y2})
            ASSERT_TRUE(std::isfinite(f));
        if ((p.colour & 0xffffff) == 0x0000ff) ++blue;
    }
    EXPECT_EQ(blue, 1);

    ASSERT_TRUE(ui.paste("Form7.Text2", "10"));
    ASSERT_TRUE(ui.paste("Form7.Text1", "10"));
    ASSERT_TRUE(ui.click("Form7.Command1"));
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(ui.text("Form7.Label3"), "69");
}

}  // namespace
