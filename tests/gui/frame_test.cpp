// The frame as a user meets it: the show operation and its lifecycle, the key filter, the fault report, the
// drawing surface, the cover and the selector.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QSettings>
#include <cmath>
#include <span>
#include <vector>

#include "gui_support.h"
#include "numbers.h"
#include "reading.h"

namespace {

using pxtest::ScreenTest;

// A small calculator screen of the tests' own: one field, a result label and two buttons, one of which writes
// its result and then faults.
class FormT : public px::Screen {
public:
    FormT() : Screen("FormT", "Schermo di prova", px::sans(9.6)) {
        Text1 = field("Text1", "1", {600, 1320, 1200, 495}, px::sans(13.2));
        Label3 = result("Label3", {5640, 4200, 855, 495}, px::sans(13.2));
        Label4 = result("Label4", {5640, 4800, 855, 495}, px::sans(13.2));
        Command1 = button("Command1", "Calcolo", {240, 3960, 1455, 720}, px::sans(9.6));
        Command2 = button("Command2", "Disegno", {240, 5040, 1455, 615}, px::sans(9.6));
        onClick(Command1, &FormT::Command1_Click);
        onClick(Command2, &FormT::Command2_Click);
    }
    // Writes 1/x into Label3, then ln(x - 1) into Label4: x = 1 writes Label3 and faults at the logarithm.
    void Command1_Click() {
        const px::Num x = px::Val(Text1->utf8());
        Label3->setCaption(QString::fromStdString(px::Str((px::Num(1) / x).value())));
        Label4->setCaption(QString::fromStdString(px::Str(px::ln(x - px::Num(1)).value())));
    }
    // Clears, draws a red point and a blue line, and one point far outside the window.
    void Command2_Click() {
        surface().Clear();
        surface().Point(3000, 2500, px::colour::red);
        surface().Line(0, 3000, 6000, 3000, px::colour::blue);
        surface().Point(-400, 1e7);
    }
    px::NumericField* Text1;
    px::Label *Label3, *Label4;
    px::Button *Command1, *Command2;
};

const bool kRegistered = [] {
    px::screens::add("FormT", [] { return new FormT; });
    return true;
}();

TEST_F(ScreenTest, SecondShowBringsTheSameWindowForwardWithItsValues) {
    ASSERT_TRUE(ui.show("FormT"));
    px::Screen* first = px::screens::find("FormT");
    ASSERT_TRUE(ui.type("FormT.Text1", "25"));
    ASSERT_TRUE(ui.show("FormT"));
    EXPECT_EQ(px::screens::find("FormT"), first);
    EXPECT_EQ(ui.text("FormT.Text1"), "125");
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"FormT"});
}

TEST_F(ScreenTest, ClosedScreenOpensAfreshWithItsInitialValues) {
    ASSERT_TRUE(ui.show("FormT"));
    ASSERT_TRUE(ui.type("FormT.Text1", "4"));
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "0.0714285714285714");
    ASSERT_TRUE(ui.close("FormT"));
    EXPECT_TRUE(ui.screens().empty());
    ASSERT_TRUE(ui.show("FormT"));
    EXPECT_EQ(ui.text("FormT.Text1"), "1");
    EXPECT_EQ(ui.text("FormT.Label3"), "");
}

TEST_F(ScreenTest, ApplicationEndsOnlyWhenItsLastScreenCloses) {
    ASSERT_TRUE(ui.show("Form1"));
    ASSERT_TRUE(ui.click("Form1.Picture1"));
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form1", "Form13"}));
    ASSERT_TRUE(ui.close("Form1"));
    EXPECT_FALSE(ui.ended());
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"Form13"});
    ASSERT_TRUE(ui.close("Form13"));
    EXPECT_TRUE(ui.ended());
}

TEST_F(ScreenTest, CoverPictureOpensOneSelectorOnly) {
    ASSERT_TRUE(ui.show("Form1"));
    ASSERT_TRUE(ui.click("Form1.Picture1"));
    px::Screen* selector = px::screens::find("Form13");
    ASSERT_NE(selector, nullptr);
    ASSERT_TRUE(ui.click("Form1.Picture1"));
    EXPECT_EQ(px::screens::find("Form13"), selector);
    EXPECT_EQ(ui.screens().size(), 2u);
    EXPECT_EQ(ui.text("Form13"), "Selettore delle funzioni di calcolo");
    EXPECT_EQ(ui.text("Form1"), " ");
}

TEST_F(ScreenTest, LabelsOfTheCoverDoNotReactToClicks) {
    ASSERT_TRUE(ui.show("Form1"));
    ASSERT_TRUE(ui.click("Form1.Label14"));
    ASSERT_TRUE(ui.click("Form1.Label1"));
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"Form1"});
}

TEST_F(ScreenTest, SelectorTabOrderStartsAtTheSourceGainButton) {
    ASSERT_TRUE(ui.show("Form13"));
    // The calculators in the layout's order, then the workbench and the two reference screens, then the reading.
    const std::vector<std::string> order = {"Command8",  "Command7",  "Command6",  "Command5",  "Command4",
                                            "Command3",  "Command1",  "Command2",  "Command10", "Command11",
                                            "Command12", "Command13", "Command14", "Combo1"};
    px::Screen* s = px::screens::find("Form13");
    for (const std::string& name : order) {
        ASSERT_NE(s->focusWidget(), nullptr);
        EXPECT_EQ(s->focusWidget()->objectName().toStdString(), name);
        ASSERT_TRUE(ui.key("Form13", "Tab"));
    }
    EXPECT_EQ(s->focusWidget()->objectName().toStdString(), "Command8");  // round again
}

// ---- The key filter --------------------------------------------------------------------------------------------

struct TypedCase {
    const char* name;
    const char* typed;
    const char* shown;
};

class KeyFilterTest : public ScreenTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(KeyFilterTest, OnlyTheFieldsAlphabetIsTaken) {
    ASSERT_TRUE(ui.show("FormT"));
    retype("FormT.Text1", GetParam().typed);
    EXPECT_EQ(ui.text("FormT.Text1"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Typed, KeyFilterTest,
                         testing::Values(TypedCase{"CommaIsDiscarded", "1,5", "15"},
                                         TypedCase{"LettersBlanksEnterDiscarded", "a 1b\r2\n", "12"},
                                         TypedCase{"SignsAndPointsPass", "-+.0123456789", "-+.0123456789"},
                                         TypedCase{"RepeatedPointsPass", "1.2.3", "1.2.3"},
                                         TypedCase{"ControlCharactersDiscarded",
                                                   "\x16\x03\x01"
                                                   "7",
                                                   "7"},
                                         TypedCase{"ExponentLetterDiscarded", "1E3", "13"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScreenTest, EditingKeysWorkAsUsual) {
    ASSERT_TRUE(ui.show("FormT"));
    retype("FormT.Text1", "123");
    ASSERT_TRUE(ui.key("FormT.Text1", "Home"));
    ASSERT_TRUE(ui.key("FormT.Text1", "Delete"));
    EXPECT_EQ(ui.text("FormT.Text1"), "23");
    ASSERT_TRUE(ui.key("FormT.Text1", "Right"));
    ASSERT_TRUE(ui.type("FormT.Text1", "."));
    EXPECT_EQ(ui.text("FormT.Text1"), "2.3");
    ASSERT_TRUE(ui.key("FormT.Text1", "End"));
    ASSERT_TRUE(ui.key("FormT.Text1", "Backspace"));
    EXPECT_EQ(ui.text("FormT.Text1"), "2.");
}

TEST_F(ScreenTest, PastedTextIsNotFilteredAndReadsLikeTypedText) {
    ASSERT_TRUE(ui.show("FormT"));
    ASSERT_TRUE(ui.paste("FormT.Text1", "  8 abc"));
    EXPECT_EQ(ui.text("FormT.Text1"), "  8 abc");
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "0.125");
    EXPECT_TRUE(ui.faults().empty());
}

// A paste longer than a field holds is refused whole with one fault message, never cut short: 32 767 characters
// pass, one more leaves the field as it was, and the field goes on taking keys and pastes.
TEST_F(ScreenTest, PasteLongerThanTheFieldHoldsIsRefusedWithAMessage) {
    ASSERT_TRUE(ui.show("FormT"));
    const std::string fits = std::string(32766, '0') + "8";
    ASSERT_TRUE(ui.paste("FormT.Text1", fits));
    EXPECT_EQ(ui.text("FormT.Text1"), fits);
    EXPECT_TRUE(ui.faults().empty());
    for (const std::size_t length : {32768u, 100000u}) {
        ASSERT_TRUE(ui.paste("FormT.Text1", "4"));
        ASSERT_TRUE(ui.paste("FormT.Text1", std::string(length - 1, '0') + "3"));
        EXPECT_EQ(ui.text("FormT.Text1"), "4") << length;
        EXPECT_EQ(ui.faults(), std::vector<std::string>{"Testo troppo lungo"}) << length;
    }
    ASSERT_TRUE(ui.key("FormT.Text1", "End"));
    ASSERT_TRUE(ui.type("FormT.Text1", "0"));
    EXPECT_EQ(ui.text("FormT.Text1"), "40");
    ASSERT_TRUE(ui.paste("FormT.Text1", "2"));
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "0.5");
    EXPECT_TRUE(ui.faults().empty());
}

// ---- Faults ----------------------------------------------------------------------------------------------------

TEST_F(ScreenTest, FaultStopsTheHandlerAtItsStepAndTheApplicationGoesOn) {
    ASSERT_TRUE(ui.show("FormT"));
    // x = 1: Label3 gets 1/1, then the logarithm of 0 faults before Label4 is written.
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "1");
    EXPECT_EQ(ui.text("FormT.Label4"), "");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Argomento non valido"});
    // x = 0: the division faults first, so nothing changes.
    retype("FormT.Text1", "0");
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "1");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    // A number beyond double range, pasted, faults as it is read.
    ASSERT_TRUE(ui.paste("FormT.Text1", "1E400"));
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Overflow"});
    // And the screen still computes.
    retype("FormT.Text1", "2");
    ASSERT_TRUE(ui.click("FormT.Command1"));
    EXPECT_EQ(ui.text("FormT.Label3"), "0.5");
    EXPECT_EQ(ui.text("FormT.Label4"), "0");
    EXPECT_TRUE(ui.faults().empty());
}

// ---- Drawing ---------------------------------------------------------------------------------------------------

TEST_F(ScreenTest, DrawingIsKeptAndShownAgainAfterARepaint) {
    ASSERT_TRUE(ui.show("FormT"));
    ASSERT_TRUE(ui.click("FormT.Command2"));
    const auto summary = ui.drawing("FormT");
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->points.at("#ff0000"), 1);
    EXPECT_EQ(summary->points.at("#000000"), 1);  // drawn outside the window: listed, never painted
    EXPECT_EQ(summary->lines, 1);

    px::Screen* s = px::screens::find("FormT");
    const QPoint red(px::twips::toPixels(3000), px::twips::toPixels(2500));
    const QPoint blue(px::twips::toPixels(2000), px::twips::toPixels(3000));
    for (int pass = 0; pass < 2; ++pass) {
        const QImage shown = s->grab().toImage();
        EXPECT_EQ(shown.pixelColor(red), px::colour::red) << "pass " << pass;
        EXPECT_EQ(shown.pixelColor(blue), px::colour::blue) << "pass " << pass;
        EXPECT_EQ(shown.pixelColor(red + QPoint(3, 3)), px::colour::buttonFace()) << "pass " << pass;
        s->repaint();  // as when the window is uncovered
    }
}

// What the surface keeps is what was drawn, in order, whatever the kinds and colours follow one another (the list
// keeps runs whose colours go round in cycles); and an image brought up to date paint by paint shows the same as
// one painted once at the end, also across a Clear.
namespace {

struct Drawn {
    char kind;  // 'p' point, 'l' line, 'c' circle, 't' text, 'P' three points at once
    int colour;
};

class SurfaceListTest : public testing::TestWithParam<std::vector<Drawn>> {};

QRgb colourOf(int i) {
    static const QRgb colours[] = {0xffff0000, 0xff0000ff, 0xff00ff00, 0xffffff00, 0xff000000,
                                   0xffffffff, 0xffff00ff, 0xff00ffff, 0xff808080, 0xff800000};
    return colours[i];
}

// Draws the sequence on the surface, the i-th item at coordinates of its own, and lists what it drew; paints
// after every `paintEvery` items (0: never).
std::vector<px::Primitive> drawSequence(px::Surface& s, const std::vector<Drawn>& items, QImage& image,
                                        std::size_t paintEvery) {
    std::vector<px::Primitive> drawn;
    QPainter painter(&image);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto x = static_cast<float>(100 + 97 * i % 3000);
        const auto y = static_cast<float>(200 + 61 * i % 2500);
        const QRgb c = colourOf(items[i].colour);
        switch (items[i].kind) {
            case 'p':
                s.Point(x, y, QColor::fromRgb(c));
                drawn.push_back({px::Primitive::Point, x, y, 0, 0, c, -1});
                break;
            case 'l':
                s.Line(x, y, x + 300, y + 40, QColor::fromRgb(c));
                drawn.push_back({px::Primitive::Line, x, y, x + 300, y + 40, c, -1});
                break;
            case 'c':
                s.Circle(x, y, 150, QColor::fromRgb(c));
                drawn.push_back({px::Primitive::Circle, x, y, 150, 0, c, -1});
                break;
            case 't': {
                s.setCurrentX(x);
                s.setCurrentY(y);
                s.PrintInline(QStringLiteral("t%1").arg(i));
                int texts = 0;
                for (const auto& p : drawn)
                    texts += p.kind == px::Primitive::Text;
                drawn.push_back({px::Primitive::Text, x, y, 0, 0, s.foreground().rgb(), texts});
                break;
            }
            case 'P': {
                const QRgb three[] = {c, colourOf((items[i].colour + 1) % 10),
                                      colourOf((items[i].colour + 2) % 10)};
                const std::span<float> xy = s.Points(3, three);
                for (int j = 0; j < 3; ++j) {
                    xy[2 * j] = x + 20 * j;
                    xy[2 * j + 1] = y;
                    drawn.push_back({px::Primitive::Point, x + 20 * j, y, 0, 0, three[j], -1});
                }
                break;
            }
        }
        if (paintEvery != 0 && (i + 1) % paintEvery == 0) s.paint(painter, image.size(), 1.0);
    }
    s.paint(painter, image.size(), 1.0);
    return drawn;
}

TEST_P(SurfaceListTest, KeepsWhatWasDrawnInOrderAndPaintsItTheSameStepByStep) {
    const auto& items = GetParam();
    for (std::size_t paintEvery : {std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
        SCOPED_TRACE(paintEvery);
        px::Surface once, stepwise;
        QImage onceImage(500, 400, QImage::Format_RGB32), stepImage(500, 400, QImage::Format_RGB32);
        const auto drawn = drawSequence(once, items, onceImage, 0);
        // Something else first, cleared: the list and the image start afresh.
        QImage scratch(500, 400, QImage::Format_RGB32);
        drawSequence(stepwise, {{'p', 9}, {'l', 8}, {'t', 0}}, scratch, 1);
        stepwise.Clear();
        ASSERT_EQ(drawSequence(stepwise, items, stepImage, paintEvery).size(), drawn.size());

        for (const px::Surface* s : {&once, &stepwise}) {
            const auto kept = s->primitives();
            ASSERT_EQ(kept.size(), drawn.size());
            EXPECT_EQ(s->size(), drawn.size());
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(kept[i].kind, drawn[i].kind);
                EXPECT_EQ(kept[i].x1, drawn[i].x1);
                EXPECT_EQ(kept[i].y1, drawn[i].y1);
                EXPECT_EQ(kept[i].x2, drawn[i].x2);
                EXPECT_EQ(kept[i].y2, drawn[i].y2);
                EXPECT_EQ(kept[i].colour, drawn[i].colour);
                EXPECT_EQ(kept[i].text, drawn[i].text);
                if (kept[i].kind == px::Primitive::Text) {
                    EXPECT_EQ(s->textOf(kept[i]), QStringLiteral("t%1").arg(i));
                }
            }
        }
        EXPECT_TRUE(stepImage == onceImage);
    }
}

std::vector<Drawn> repeat(std::initializer_list<Drawn> cycle, int times) {
    std::vector<Drawn> out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), cycle);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SurfaceListTest,
    testing::Values(
        std::vector<Drawn>{{'p', 0}, {'p', 0}, {'p', 0}, {'p', 1}, {'p', 1}}, repeat({{'p', 0}, {'p', 1}}, 6),
        repeat({{'p', 0}, {'p', 1}, {'p', 2}, {'p', 3}, {'p', 4}, {'p', 5}}, 4),
        // A cycle broken part-way, and one longer than a run keeps.
        std::vector<Drawn>{{'p', 0}, {'p', 1}, {'p', 2}, {'p', 0}, {'p', 2}, {'p', 1}, {'p', 0}},
        repeat({{'p', 0}, {'p', 1}, {'p', 2}, {'p', 3}, {'p', 4}, {'p', 5}, {'p', 6}, {'p', 7}, {'p', 8}, {'p', 9}},
               3),
        std::vector<Drawn>{{'p', 0},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 1},
                           {'p', 0}},
        // Kinds mixed, texts among them, and points drawn at once between single ones.
        std::vector<Drawn>{{'p', 0},
                           {'l', 0},
                           {'p', 0},
                           {'c', 1},
                           {'t', 0},
                           {'p', 0},
                           {'t', 0},
                           {'l', 2},
                           {'l', 3},
                           {'l', 2},
                           {'l', 3},
                           {'c', 1},
                           {'t', 0}},
        std::vector<Drawn>{
            {'p', 0}, {'P', 1}, {'p', 4}, {'p', 2}, {'P', 3}, {'P', 3}, {'l', 0}, {'P', 5}, {'p', 5}, {'p', 6}}));

}  // namespace

// ---- The selector ----------------------------------------------------------------------------------------------

TEST_F(ScreenTest, SelectorButtonsShowTheirScreensByName) {
    ASSERT_TRUE(ui.show("Form13"));
    const std::pair<const char*, const char*> buttons[] = {
        {"Command1", "Form2"},   {"Command2", "Form3"},  {"Command3", "Form4"}, {"Command4", "Form5"},
        {"Command5", "Form6"},   {"Command6", "Form7"},  {"Command7", "Form8"}, {"Command8", "Form9"},
        {"Command10", "Form15"}, {"Command11", "Form16"}};
    for (const auto& [button, screen] : buttons) {
        SCOPED_TRACE(button);
        ASSERT_TRUE(ui.click(std::string("Form13.") + button));
        // A screen of this build opens; one that is not built yet leaves the selector as it was.
        EXPECT_EQ(px::screens::find(screen) != nullptr, px::screens::known(screen));
    }
    EXPECT_TRUE(ui.faults().empty());
}

// ---- The reading -----------------------------------------------------------------------------------------------

// Whatever a test of the reading does, Italian is in force again after it, with no choice remembered and the
// variable as it was.
class ReadingTest : public ScreenTest {
protected:
    void TearDown() override {
        QSettings().remove(QStringLiteral("reading"));
        if (hadVariable_)
            qputenv("PELAGONIX_LANG", variable_);
        else
            qunsetenv("PELAGONIX_LANG");
        px::reading::apply(px::reading::Reading::Italian);
        px::Scenario::settle();
    }
    const bool hadVariable_ = qEnvironmentVariableIsSet("PELAGONIX_LANG");
    const QByteArray variable_ = qgetenv("PELAGONIX_LANG");
};

// "Lingua: Italiano / English" on the selector: the pick reads at once on the selector and on the cover open behind
// it, on every screen opened afterwards, and is remembered for the next run unless the variable says otherwise.
TEST_F(ReadingTest, SelectorChoiceReadsEnglishAtOnceAndIsRemembered) {
    qunsetenv("PELAGONIX_LANG");
    ASSERT_TRUE(ui.show("Form1"));
    ASSERT_TRUE(ui.show("Form13"));
    EXPECT_EQ(ui.text("Form13.Combo1"), "Italiano");
    EXPECT_EQ(ui.text("Form13.Label2"), "Lingua:");

    ASSERT_TRUE(ui.pick("Form13.Combo1", "English"));
    px::Scenario::settle();
    EXPECT_EQ(px::reading::current(), px::reading::Reading::English);
    EXPECT_EQ(ui.text("Form13"), "Calculator selector");
    EXPECT_EQ(ui.text("Form13.Label1"), " SELECT THE CALCULATION BY CLICKING ITS BUTTON");
    EXPECT_EQ(ui.text("Form13.Command3"), "Propagation loss");
    EXPECT_EQ(ui.text("Form13.Label2"), "Language:");
    EXPECT_EQ(ui.text("Form13.Combo1"), "English");
    EXPECT_EQ(ui.text("Form1.Label2"), "Calculator of the acoustic quantities of sonar");
    // The selector's buttons are heard by their English captions, the choice by its English name.
    QWidget* command3 = px::screens::find("Form13")->control(QStringLiteral("Command3"));
    QWidget* combo = px::screens::find("Form13")->control(QStringLiteral("Combo1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(command3)->text(QAccessible::Name),
              QStringLiteral("Propagation loss"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Name),
              QStringLiteral("Interface language"));

    // A calculator opened afterwards reads English (the logo is named by the widget layer's catalogue).
    ASSERT_TRUE(ui.click("Form13.Command1"));
    ASSERT_NE(px::screens::find("Form2"), nullptr);
    QWidget* logo = nullptr;
    for (px::Picture* p : px::screens::find("Form2")->findChildren<px::Picture*>())
        logo = p;
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(logo)->text(QAccessible::Name),
              QStringLiteral("PELAGONIX logo"));

    // Remembered: the next run starts in English; the variable still decides one run.
    EXPECT_EQ(QSettings().value(QStringLiteral("reading")).toString(), QStringLiteral("en"));
    EXPECT_EQ(px::reading::preferred(), px::reading::Reading::English);
    qputenv("PELAGONIX_LANG", "it");
    EXPECT_EQ(px::reading::preferred(), px::reading::Reading::Italian);
    qunsetenv("PELAGONIX_LANG");

    // A selector opened again shows the reading in force; picking Italiano brings back the texts as written.
    ui.close("Form13");
    ASSERT_TRUE(ui.show("Form13"));
    EXPECT_EQ(ui.text("Form13.Combo1"), "English");
    EXPECT_EQ(ui.text("Form13.Command3"), "Propagation loss");
    ASSERT_TRUE(ui.pick("Form13.Combo1", "Italiano"));
    px::Scenario::settle();
    EXPECT_EQ(px::reading::current(), px::reading::Reading::Italian);
    EXPECT_EQ(ui.text("Form13"), "Selettore delle funzioni di calcolo");
    EXPECT_EQ(ui.text("Form13.Command3"), "Calcolo attenuazione per propagazione");
    EXPECT_EQ(ui.text("Form13.Label2"), "Lingua:");
    EXPECT_EQ(ui.text("Form1.Label2"), "Calcolatore delle variabili acustiche per il sonar");
    EXPECT_EQ(QSettings().value(QStringLiteral("reading")).toString(), QStringLiteral("it"));
    EXPECT_EQ(px::reading::preferred(), px::reading::Reading::Italian);
    qputenv("PELAGONIX_LANG", "en");
    EXPECT_EQ(px::reading::preferred(), px::reading::Reading::English);
    // Set otherwise while the selector is open, the reading shows in its choice too.
    px::reading::apply(px::reading::Reading::English);
    px::Scenario::settle();
    EXPECT_EQ(ui.text("Form13.Combo1"), "English");
    EXPECT_EQ(ui.text("Form13.Label2"), "Language:");
    EXPECT_TRUE(ui.faults().empty());
}

// The toolkit's own texts (the buttons of dialogs, the fields' context menu) follow the reading, back and forth at
// run time: Qt's Italian translation for the Italian reading, none for the English one.
TEST_F(ReadingTest, ToolkitTextsFollowTheReadingBothWays) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const QString italian = cancel();
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")))
        EXPECT_EQ(italian, QStringLiteral("Annulla"));
    for (int round = 0; round < 2; ++round) {
        px::reading::apply(px::reading::Reading::English);
        EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
        px::reading::apply(px::reading::Reading::Italian);
        EXPECT_EQ(cancel(), italian);
    }
}

// ---- Layout ----------------------------------------------------------------------------------------------------

// Every caption of every screen fits its box at the fonts chosen, without shrinking the layout's size by more
// than a little; every button caption fits its button, wrapped.
TEST_F(ScreenTest, NoCaptionIsClipped) {
    const char* names[] = {"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",  "Form8",
                           "Form9",  "Form10", "Form11", "Form12", "Form13", "Form14", "Form15", "Form16",
                           "Form17", "Form18", "Form19", "Form20", "Form21", "Form22", "Form23", "Form24",
                           "Form25", "Form26", "Form27", "Form28", "Form29"};
    int checked = 0;
    for (const char* name : names) {
        if (!px::screens::known(name)) continue;
        ASSERT_TRUE(ui.show(name));
        px::Screen* s = px::screens::find(name);
        for (px::Label* l : s->findChildren<px::Label*>()) {
            SCOPED_TRACE(std::string(name) + "." + l->objectName().toStdString());
            EXPECT_TRUE(l->captionFits()) << l->caption().toStdString();
            EXPECT_GE(l->fittedFont().pointSizeF(), 0.85 * l->layoutFont().pointSizeF())
                << l->caption().toStdString();
            ++checked;
        }
        // The whole layout shows in the maximized window: every control, and of a label its caption (a label's
        // box may run on past the window's edge, empty).
        for (QWidget* w : s->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            SCOPED_TRACE(std::string(name) + "." + w->objectName().toStdString());
            // The workbench's display rectangle starts above the window's top by the layout: only its outline's
            // top edge is out of sight.
            if (qobject_cast<px::Shape*>(w) != nullptr) continue;
            QRect shown = w->geometry();
            if (auto* l = qobject_cast<px::Label*>(w)) {
                const QRectF text =
                    QFontMetricsF(l->fittedFont())
                        .boundingRect(QRectF(0, 0, l->width(), 1e6), Qt::TextWordWrap, l->caption());
                shown.setWidth(std::min(shown.width(), static_cast<int>(std::ceil(text.width())) + 2));
            }
            EXPECT_TRUE(s->rect().contains(shown));
        }
        for (px::Button* b : s->findChildren<px::Button*>()) {
            SCOPED_TRACE(std::string(name) + "." + b->objectName().toStdString());
            const QRect room = b->rect().adjusted(4, 2, -4, -2);
            const QRect need =
                QFontMetrics(b->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->text());
            EXPECT_TRUE(room.contains(need)) << b->text().toStdString();
        }
        ui.close(name);
    }
    EXPECT_GT(checked, 10);
}

}  // namespace

namespace {

// At a pixel ratio of 2 a point is placed at its own device pixel and keeps the size of one logical pixel: two
// points half a logical pixel apart stay apart, each a 2 x 2 block.
TEST(SurfacePixelRatio, PlacesPointsAtTheirDevicePixelsOneLogicalPixelLarge) {
    const double twipsPerLogicalPixel = 1.0 / px::twips::scale();
    px::Surface s;
    s.Point(10 * twipsPerLogicalPixel, 10 * twipsPerLogicalPixel, px::colour::blue);
    s.Point(20.5 * twipsPerLogicalPixel, 10 * twipsPerLogicalPixel, px::colour::red);
    QImage window(QSize(80, 60), QImage::Format_RGB32);
    window.setDevicePixelRatio(2.0);
    QPainter painter(&window);
    s.paint(painter, QSize(40, 30), 2.0);
    painter.end();
    auto at = [&](int x, int y) { return QColor(window.pixel(x, y)); };
    // The blue point at device pixels (20, 20) to (21, 21); the red one at (41, 20) to (42, 21).
    for (int dy = 0; dy < 2; ++dy) {
        EXPECT_EQ(at(20, 20 + dy), px::colour::blue);
        EXPECT_EQ(at(21, 20 + dy), px::colour::blue);
        EXPECT_EQ(at(41, 20 + dy), px::colour::red);
        EXPECT_EQ(at(42, 20 + dy), px::colour::red);
    }
    EXPECT_NE(at(40, 20), px::colour::red);
    EXPECT_NE(at(43, 20), px::colour::red);
    EXPECT_NE(at(22, 20), px::colour::blue);
}

}  // namespace
