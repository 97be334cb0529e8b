// The screens as a keyboard user and a screen reader meet them: roles and names, captions tied to their controls,
// results announced, a choice made through the accessibility interfaces, the drawing described, the keys that press
// and the focus frame.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <string>
#include <vector>

#include "accessibility.h"
#include "glossary.h"
#include "graph_frame.h"
#include "gui_support.h"
#include "legend_entry.h"
#include "reading.h"

namespace {

using pxtest::ScreenTest;

const char* const kAllScreens[] = {"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",  "Form8",
                                   "Form9",  "Form10", "Form11", "Form12", "Form13", "Form14", "Form15", "Form16",
                                   "Form17", "Form18", "Form19", "Form20", "Form21", "Form22", "Form23", "Form24",
                                   "Form25", "Form26", "Form27", "Form28", "Form29"};

QWidget* widget(const std::string& target) {
    const auto dot = target.find('.');
    px::Screen* s = px::screens::find(QString::fromStdString(target.substr(0, dot)));
    if (s == nullptr) return nullptr;
    return dot == std::string::npos ? s : s->control(QString::fromStdString(target.substr(dot + 1)));
}

QAccessibleInterface* iface(const std::string& target) {
    QWidget* w = widget(target);
    return w != nullptr ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

std::string name(QAccessibleInterface* i) { return i->text(QAccessible::Name).toStdString(); }

void sendKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(w, &release);
    px::Scenario::settle();
}

// ---- Roles and names --------------------------------------------------------------------------------------------

struct Named {
    const char* target;
    QAccessible::Role role;
    const char* name;
};

class RoleAndNameTest : public ScreenTest, public testing::WithParamInterface<Named> {};

TEST_P(RoleAndNameTest, ReadAsTheUserSeesThem) {
    const std::string target = GetParam().target;
    const std::string screen = target.substr(0, target.find('.'));
    if (!px::screens::known(QString::fromStdString(screen))) GTEST_SKIP() << screen << " is not in this build";
    ASSERT_TRUE(ui.show(screen));
    QAccessibleInterface* i = iface(target);
    ASSERT_NE(i, nullptr) << target;
    EXPECT_EQ(i->role(), GetParam().role);
    EXPECT_EQ(name(i), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, RoleAndNameTest,
    testing::Values(Named{"Form1", QAccessible::Window, "PELAGONIX"},
                    Named{"Form1.Picture1", QAccessible::Button, "Apri il selettore delle funzioni di calcolo"},
                    Named{"Form1.Label2", QAccessible::StaticText,
                          "Calcolatore delle variabili acustiche per il sonar"},
                    Named{"Form2", QAccessible::Window, "Calcolo del rumore spettrale del mare"},
                    Named{"Form2.Label1", QAccessible::StaticText, "Freq. KHz"},
                    Named{"Form2.Text1", QAccessible::EditableText, "Freq. KHz"},
                    Named{"Form2.Combo1", QAccessible::ComboBox, "Stato del mare"},
                    Named{"Form2.Label3", QAccessible::StaticText, "(NL) in dB/micro Pa/Hz* ="},
                    Named{"Form2.Picture1", QAccessible::Graphic, "Logo di PELAGONIX"},
                    Named{"Form12.Picture1", QAccessible::Graphic, "Logo di PELAGONIX"},
                    Named{"Form13.Picture2", QAccessible::Graphic, "Logo di PELAGONIX"},
                    Named{"Form18.Picture2", QAccessible::Graphic, "Logo di PELAGONIX"},
                    Named{"Form12.List1", QAccessible::List, "SELEZIONE ALGORITMI PER SISTEMI DIGITALI"},
                    Named{"Form8.Text1", QAccessible::EditableText, "Profondità (h) metri"},
                    Named{"Form8.Text2", QAccessible::EditableText, "Angolo di depressione (b) gradi"},
                    Named{"Form16.Text1", QAccessible::EditableText, "Ftx(Hz)"},
                    Named{"Form16.Combo1", QAccessible::ComboBox, "Propagazione"},
                    Named{"Form12.Combo1", QAccessible::ComboBox, "SELEZIONE PROCESSO"}),
    [](const auto& info) {
        std::string n = info.param.target;
        for (char& c : n)
            if (c == '.') c = '_';
        return n;
    });

// Every field, choice box and result label of every screen is named by a caption, never by its layout name, and a
// field or result named by a caption label is tied to it both ways.
TEST_F(ScreenTest, EveryInputAndResultHasItsCaption) {
    for (const char* screen : kAllScreens) {
        if (!px::screens::known(screen)) continue;
        ASSERT_TRUE(ui.show(screen));
        px::Screen* s = px::screens::find(screen);
        for (QWidget* w : s->findChildren<QWidget*>()) {
            const bool input = qobject_cast<px::NumericField*>(w) != nullptr || qobject_cast<px::ChoiceBox*>(w);
            const bool result = px::accessibility::isResult(w);
            if (!input && !result) continue;
            SCOPED_TRACE(std::string(screen) + "." + w->objectName().toStdString());
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            const QString n = i->text(QAccessible::Name);
            EXPECT_FALSE(n.isEmpty());
            EXPECT_NE(n, w->objectName());
            if (QWidget* caption = px::accessibility::captionLabel(w)) {
                QAccessibleInterface* c = QAccessible::queryAccessibleInterface(caption);
                bool labelledBy = false;
                for (const auto& [other, relation] : i->relations(QAccessible::Label))
                    labelledBy = labelledBy || (other == c && relation == QAccessible::Label);
                EXPECT_TRUE(labelledBy);
                bool labelFor = false;
                for (const auto& [other, relation] : c->relations(QAccessible::Labelled))
                    labelFor = labelFor || (other == i && relation == QAccessible::Labelled);
                EXPECT_TRUE(labelFor);
            }
        }
        ui.close(screen);
    }
}

// Every screen's window is a window with a name, and under it are labels, buttons, text fields and choice boxes
// with human names; the focus frame is not among them.
TEST_F(ScreenTest, EveryScreenIsATreeOfNamedControls) {
    for (const char* screen : kAllScreens) {
        if (!px::screens::known(screen)) continue;
        SCOPED_TRACE(screen);
        ASSERT_TRUE(ui.show(screen));
        ASSERT_TRUE(ui.key(screen, "Tab"));  // the focus frame is up
        QAccessibleInterface* window = iface(screen);
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_FALSE(name(window).empty());
        for (int k = 0; k < window->childCount(); ++k) {
            QAccessibleInterface* c = window->child(k);
            ASSERT_NE(c, nullptr);
            const bool shown = c->object() == nullptr || !static_cast<QWidget*>(c->object())->isHidden();
            if (shown) {
                EXPECT_NE(c->role(), QAccessible::Client) << name(c);
            }
            if (shown && (c->role() == QAccessible::StaticText || c->role() == QAccessible::Button ||
                          c->role() == QAccessible::EditableText || c->role() == QAccessible::ComboBox)) {
                EXPECT_NE(name(c), c->object()->objectName().toStdString());
            }
            EXPECT_EQ(window->indexOfChild(c), k);
            EXPECT_EQ(c->parent(), window);
        }
        ui.close(screen);
    }
}

// The workbench shows other controls in each process: every one shown, down into the data frame, reads with a
// human name, never its layout name.
TEST_F(ScreenTest, EveryWorkbenchControlShownHasAHumanName) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    for (const char* process : {"ANAL. C = f(F,tc)", "ANAL. C = f(F,a°,d)", "ALGORITMI SISTEMI DIG.",
                                "SIMULAZIONE DINAMICA", "CORR. BLOCCHI  NUMERICI"}) {
        SCOPED_TRACE(process);
        ASSERT_TRUE(ui.pick("Form12.Combo1", process));
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            for (int k = 0; k < node->childCount(); ++k) {
                QAccessibleInterface* c = node->child(k);
                ASSERT_NE(c, nullptr);
                auto* w = qobject_cast<QWidget*>(c->object());
                if (w == nullptr || w->isHidden() || w->objectName().isEmpty() ||
                    w->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                SCOPED_TRACE(w->objectName().toStdString());
                // A label whose caption is blanks (the axis labels in the algorithm mode) shows nothing to read.
                auto* label = qobject_cast<px::Label*>(w);
                if (label == nullptr || !label->caption().trimmed().isEmpty()) {
                    EXPECT_FALSE(name(c).empty());
                }
                EXPECT_NE(name(c), w->objectName().toStdString());
                if (qobject_cast<px::GroupFrame*>(w) != nullptr) walk(c);
            }
        };
        walk(iface("Form12"));
    }
}

// The workbench from the keyboard alone: the arrow keys pick the process and the algorithm (each pick runs its
// setup, as a click does), the fields are typed, Enter presses the buttons, and the report is printed.
TEST_F(ScreenTest, TheWorkbenchWorksFromTheKeyboardAlone) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    for (int i = 0; i < 12 && ui.text("Form12.Combo1") != "ALGORITMI SISTEMI DIG."; ++i)
        ASSERT_TRUE(ui.key("Form12.Combo1", "Down"));
    ASSERT_EQ(ui.text("Form12.Combo1"), "ALGORITMI SISTEMI DIG.");
    ASSERT_TRUE(ui.get("Form12.List1")->visible);
    const std::string nux = "Nux(Veff) = f[RC(Sec.);BW(Hz)]";
    for (int i = 0; i < 8 && ui.text("Form12.List1") != nux; ++i)
        ASSERT_TRUE(ui.key("Form12.List1", "Down"));
    ASSERT_EQ(ui.text("Form12.List1"), nux);
    EXPECT_EQ(ui.text("Form12.Label4"), "BW(Hz)");  // the algorithm's setup ran
    ASSERT_TRUE(ui.type("Form12.txtdigits1", "10"));
    ASSERT_TRUE(ui.type("Form12.txtdigits2", "1"));
    ASSERT_TRUE(ui.type("Form12.txtdigits3", "1000"));
    ASSERT_TRUE(ui.key("Form12.Command2", "Enter"));
    ASSERT_TRUE(ui.key("Form12.Command1", "Enter"));
    EXPECT_TRUE(ui.faults().empty());
    std::string printed;
    for (const px::Primitive& p : ui.primitives("Form12"))
        if (p.kind == px::Primitive::Text)
            printed += px::screens::find("Form12")->surface().textOf(p).toStdString();
    EXPECT_NE(printed.find(" Nux(Veff.)= "), std::string::npos) << printed;
    EXPECT_NE(printed.find("0.054"), std::string::npos) << printed;
}

// ---- Results, choices and drawings through the interfaces
// ---------------------------------------------------------

// A result reads with its caption as name and its text; that the new text is announced is seen over the real bus
// (tests/a11y), since a bridge must be active for the events to be sent.
TEST_F(ScreenTest, AResultReadsWithItsCaption) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
    ASSERT_TRUE(ui.click("Form2.Command1"));
    const std::string shown = ui.text("Form2.Label3");
    ASSERT_FALSE(shown.empty());
    QAccessibleInterface* result = iface("Form2.Label3");
    EXPECT_EQ(name(result), "(NL) in dB/micro Pa/Hz* =");
    EXPECT_EQ(result->text(QAccessible::Description).toStdString(), shown);
    ASSERT_NE(result->textInterface(), nullptr);
    EXPECT_EQ(result->textInterface()->text(0, -1).toStdString(), shown);
    EXPECT_EQ(result->textInterface()->characterCount(), static_cast<int>(QString::fromStdString(shown).size()));
}

// A choice box's item chosen through its list (the Toggle of the item, as a screen reader does) becomes the box's
// text, and the result follows it as after a pick with the mouse.
TEST_F(ScreenTest, AnItemChosenThroughTheListSetsTheChoice) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
    ASSERT_TRUE(ui.click("Form2.Command1"));
    const std::string byMouse = ui.text("Form2.Label3");
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=0"));

    QAccessibleInterface* list = iface("Form2.Combo1")->child(0);
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* item = nullptr;
    for (int k = 0; k < list->childCount() && item == nullptr; ++k)
        if (QAccessibleInterface* c = list->child(k); c != nullptr && name(c) == "SS=1/2") item = c;
    ASSERT_NE(item, nullptr);
    ASSERT_NE(item->actionInterface(), nullptr);
    item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    px::Scenario::settle();
    EXPECT_EQ(ui.text("Form2.Combo1"), "SS=1/2");
    ASSERT_TRUE(ui.click("Form2.Command1"));
    EXPECT_EQ(ui.text("Form2.Label3"), byMouse);
}

TEST_F(ScreenTest, AChoiceThroughTheListRunsTheBoxsClickHandler) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "the workbench is not in this build";
    ASSERT_TRUE(ui.show("Form12"));
    auto* box = qobject_cast<QComboBox*>(widget("Form12.Combo1"));
    ASSERT_NE(box, nullptr);
    ASSERT_GE(box->count(), 2);
    const QString second = box->itemText(1);
    // What a pick with the mouse shows ...
    ASSERT_TRUE(ui.pick("Form12.Combo1", second.toStdString()));
    std::vector<std::string> byMouse;
    for (px::Label* l : px::screens::find("Form12")->findChildren<px::Label*>())
        byMouse.push_back(l->caption().toStdString() + (l->isHidden() ? "" : " shown"));
    ui.close("Form12");
    // ... a choice through the list shows too.
    ASSERT_TRUE(ui.show("Form12"));
    QAccessibleInterface* list = iface("Form12.Combo1")->child(0);
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* item = nullptr;
    for (int k = 0; k < list->childCount() && item == nullptr; ++k)
        if (QAccessibleInterface* c = list->child(k); c != nullptr && c->text(QAccessible::Name) == second)
            item = c;
    ASSERT_NE(item, nullptr);
    item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    px::Scenario::settle();
    EXPECT_EQ(ui.text("Form12.Combo1"), second.toStdString());
    std::vector<std::string> byBus;
    for (px::Label* l : px::screens::find("Form12")->findChildren<px::Label*>())
        byBus.push_back(l->caption().toStdString() + (l->isHidden() ? "" : " shown"));
    EXPECT_EQ(byBus, byMouse);
}

TEST_F(ScreenTest, TheDrawingIsAChartDescribedByWhatItShows) {
    if (!px::screens::known("Form5")) GTEST_SKIP();
    ASSERT_TRUE(ui.show("Form5"));
    ASSERT_TRUE(ui.click("Form5.Command1"));
    QAccessibleInterface* window = iface("Form5");
    QAccessibleInterface* chart = nullptr;
    for (int k = 0; k < window->childCount(); ++k)
        if (window->child(k)->role() == QAccessible::Chart) chart = window->child(k);
    ASSERT_NE(chart, nullptr);
    const QString description = chart->text(QAccessible::Description);
    // Each result stands in the description with its caption.
    for (const char* result : {"Label3", "Label9", "Label10"}) {
        const std::string shown = ui.text(std::string("Form5.") + result);
        ASSERT_FALSE(shown.empty());
        const QString read = QString::fromStdString(name(iface(std::string("Form5.") + result)) + " " + shown);
        EXPECT_TRUE(description.contains(read)) << description.toStdString() << " / " << read.toStdString();
    }
    EXPECT_EQ(window->text(QAccessible::Description), description);
}

TEST_F(ScreenTest, AScreenThatDrawsNothingHasNoChart) {
    ASSERT_TRUE(ui.show("Form2"));
    QAccessibleInterface* window = iface("Form2");
    for (int k = 0; k < window->childCount(); ++k)
        EXPECT_NE(window->child(k)->role(), QAccessible::Chart);
    EXPECT_TRUE(window->text(QAccessible::Description).isEmpty());
}

// ---- Keys ----------------------------------------------------------------------------------------------------

TEST_F(ScreenTest, TheCoversPictureOpensTheSelectorByKeyAndByPress) {
    for (const char* how : {"Enter", "Space", "Press"}) {
        SCOPED_TRACE(how);
        ASSERT_TRUE(ui.show("Form1"));
        px::Screen* cover = px::screens::find("Form1");
        ASSERT_EQ(cover->focusWidget(), widget("Form1.Picture1"));
        if (std::string(how) == "Press") {
            QAccessibleInterface* picture = iface("Form1.Picture1");
            ASSERT_TRUE(
                picture->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            px::Scenario::settle();
        } else {
            ASSERT_TRUE(ui.key("Form1", how));
        }
        EXPECT_NE(px::screens::find("Form13"), nullptr);
        ui.close("Form13");
        ui.close("Form1");
    }
}

// Enter in a numeric field, keypad Enter too, runs the screen's "Calcolo"; the field keeps its text.
TEST_F(ScreenTest, EnterInAFieldRunsCalcolo) {
    ASSERT_TRUE(ui.show("Form2"));
    retype("Form2.Text1", "2");
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
    ASSERT_TRUE(ui.click("Form2.Command1"));
    const std::string byClick = ui.text("Form2.Label3");
    ui.close("Form2");
    for (Qt::KeyboardModifiers keypad :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
        ASSERT_TRUE(ui.show("Form2"));
        retype("Form2.Text1", "2");
        ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
        EXPECT_EQ(ui.text("Form2.Label3"), "");
        sendKey(widget("Form2.Text1"), keypad == Qt::NoModifier ? Qt::Key_Return : Qt::Key_Enter, keypad,
                QStringLiteral("\r"));
        EXPECT_EQ(ui.text("Form2.Label3"), byClick);
        EXPECT_EQ(ui.text("Form2.Text1"), "2");
        ui.close("Form2");
    }
    EXPECT_TRUE(ui.faults().empty());
}

// In the English reading Enter in a field runs the same calculation, whatever the button's caption reads.
TEST_F(ScreenTest, EnterInAFieldRunsTheCalculationInEnglishToo) {
    ASSERT_TRUE(ui.show("Form2"));
    retype("Form2.Text1", "2");
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
    ASSERT_TRUE(ui.click("Form2.Command1"));
    const std::string italian = ui.text("Form2.Label3");
    ui.close("Form2");
    px::reading::apply(px::reading::Reading::English);
    struct Italian {
        ~Italian() { px::reading::apply(px::reading::Reading::Italian); }
    } restore;
    ASSERT_TRUE(ui.show("Form2"));
    retype("Form2.Text1", "2");
    ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
    sendKey(widget("Form2.Text1"), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(ui.text("Form2.Label3"), italian);
    EXPECT_FALSE(italian.empty());
    EXPECT_TRUE(ui.faults().empty());
}

TEST_F(ScreenTest, EnterOnAFocusedButtonPressesIt) {
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        ASSERT_TRUE(ui.show("Form2"));
        ASSERT_TRUE(ui.pick("Form2.Combo1", "SS=1/2"));
        widget("Form2.Command2")->setFocus();
        sendKey(widget("Form2.Command2"), enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier,
                QStringLiteral("\r"));
        EXPECT_NE(px::screens::find("Form10"), nullptr);
        ui.close("Form10");
        ui.close("Form2");
    }
}

// The focused control is framed in the highlight colour from the moment a screen opens; the frame follows the
// focus and covers nothing of the control.
TEST_F(ScreenTest, TheFocusedControlIsFramed) {
    ASSERT_TRUE(ui.show("Form2"));
    px::Screen* s = px::screens::find("Form2");
    auto ring = [s] { return s->findChild<QWidget*>(QStringLiteral("pxFocusRing")); };
    for (const char* control : {"Combo1", "Text1", "Command1"}) {
        SCOPED_TRACE(control);
        QWidget* c = widget(std::string("Form2.") + control);
        if (s->focusWidget() != c) c->setFocus(Qt::TabFocusReason);
        px::Scenario::settle();
        ASSERT_NE(ring(), nullptr);
        EXPECT_TRUE(ring()->isVisible());
        const QRect around = ring()->geometry();
        EXPECT_TRUE(around.contains(c->geometry()));
        EXPECT_LE(around.width(), c->width() + 8);
        EXPECT_FALSE(ring()->mask().intersects(QRegion(c->geometry().translated(-around.topLeft()))));
    }
}

// ---- Text pages, the process list, the shortcuts -------------------------------------------------------------

// The sheets and the glossary read as their text: the window's description and a document under the window.
TEST_F(ScreenTest, TheSheetsAndTheGlossaryReadTheirText) {
    for (const char* screen : {"Form17", "Form19", "Form20", "Form21", "Form23", "Form24", "Form25", "Form26",
                               "Form27", "Form28", "Form29"}) {
        SCOPED_TRACE(screen);
        ASSERT_TRUE(ui.show(screen));
        QAccessibleInterface* window = iface(screen);
        const QString text = window->text(QAccessible::Description);
        EXPECT_GT(text.count(QLatin1Char('\n')), 4);
        QAccessibleInterface* page = nullptr;
        for (int k = 0; k < window->childCount(); ++k)
            if (window->child(k)->role() == QAccessible::Document) page = window->child(k);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(window->indexOfChild(page), window->childCount() - 1);
        EXPECT_FALSE(name(page).empty());
        ASSERT_NE(page->textInterface(), nullptr);
        EXPECT_EQ(page->textInterface()->text(0, page->textInterface()->characterCount()), text);
        for (int k = 0; k < window->childCount(); ++k)
            EXPECT_NE(window->child(k)->role(), QAccessible::Chart);
        ui.close(screen);
    }
    ASSERT_TRUE(ui.show("Form17"));
    const QString glossary = iface("Form17")->text(QAccessible::Description);
    EXPECT_TRUE(
        glossary.startsWith(QStringLiteral("NL = livello spettrale di rumore generato dal mare: espresso "
                                           "in dB/microPa/√Hz\nSS = stato del mare")))
        << glossary.toStdString();
    EXPECT_TRUE(glossary.contains(QStringLiteral("in dB/microPa/√Hz ad 1 m.\n"))) << glossary.toStdString();
    // The sheet without a page has nothing to read.
    ASSERT_TRUE(ui.show("Form22"));
    for (int k = 0; k < iface("Form22")->childCount(); ++k)
        EXPECT_NE(iface("Form22")->child(k)->role(), QAccessible::Document);
}

// The item selected in the process list's own list is the process shown, however it was chosen, and only that.
TEST_F(ScreenTest, TheProcessListSelectsItsChoice) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    auto* box = qobject_cast<QComboBox*>(widget("Form12.Combo1"));
    QAccessibleInterface* list = iface("Form12.Combo1")->child(0);
    ASSERT_NE(list, nullptr);
    auto selected = [&] {
        std::vector<std::string> out;
        for (int k = 0; k < list->childCount(); ++k)
            if (list->child(k)->state().selected) out.push_back(name(list->child(k)));
        return out;
    };
    EXPECT_TRUE(selected().empty());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(ui.key("Form12.Combo1", "Down"));
    EXPECT_EQ(selected(), std::vector<std::string>{ui.text("Form12.Combo1")});
    // A choice through the bus, then the keys again.
    QAccessibleInterface* item = nullptr;
    for (int k = 0; k < list->childCount(); ++k)
        if (name(list->child(k)) == "ALGORITMI SISTEMI DIG.") item = list->child(k);
    ASSERT_NE(item, nullptr);
    item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    px::Scenario::settle();
    EXPECT_EQ(selected(), std::vector<std::string>{"ALGORITMI SISTEMI DIG."});
    ASSERT_TRUE(ui.key("Form12.Combo1", "Up"));
    EXPECT_EQ(selected(), std::vector<std::string>{ui.text("Form12.Combo1")});
    // The open list moved and closed without a pick.
    box->showPopup();
    px::Scenario::settle();
    box->view()->setCurrentIndex(box->model()->index(0, 0));
    box->hidePopup();
    px::Scenario::settle();
    EXPECT_EQ(selected(), std::vector<std::string>{ui.text("Form12.Combo1")});
}

// The keys pass over "CORR.PANORAMICA" without opening the sea-noise calculator; Enter on it, or a pick, opens it.
TEST_F(ScreenTest, PassingOverThePanoramaOpensNoWindow) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    for (int i = 0; i < 12 && ui.text("Form12.Combo1") != "CORR.PANORAMICA"; ++i)
        ASSERT_TRUE(ui.key("Form12.Combo1", "Down"));
    ASSERT_EQ(ui.text("Form12.Combo1"), "CORR.PANORAMICA");
    EXPECT_EQ(px::screens::find("Form2"), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), widget("Form12.Combo1"));
    ASSERT_TRUE(ui.key("Form12.Combo1", "Down"));
    ASSERT_TRUE(ui.key("Form12.Combo1", "Up"));
    EXPECT_EQ(px::screens::find("Form2"), nullptr);
    ASSERT_TRUE(ui.key("Form12.Combo1", "Enter"));
    EXPECT_NE(px::screens::find("Form2"), nullptr);
    ui.close("Form2");
    ASSERT_TRUE(ui.key("Form12.Combo1", "Down"));
    ASSERT_TRUE(ui.pick("Form12.Combo1", "CORR.PANORAMICA"));
    EXPECT_NE(px::screens::find("Form2"), nullptr);
}

// The algorithm list marks no algorithm when it takes the focus; the first Down picks the first one.
TEST_F(ScreenTest, TheAlgorithmListStartsWithNoneCurrent) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    ASSERT_TRUE(ui.pick("Form12.Combo1", "ALGORITMI SISTEMI DIG."));
    auto* list = qobject_cast<QListWidget*>(widget("Form12.List1"));
    list->setFocus(Qt::TabFocusReason);
    px::Scenario::settle();
    EXPECT_FALSE(list->currentIndex().isValid());
    EXPECT_EQ(ui.text("Form12.List1"), "");
    ASSERT_TRUE(ui.key("Form12.List1", "Down"));
    EXPECT_EQ(ui.text("Form12.List1"), "Si/Ni(dB) = f[Sux(Vcc.);Ving.(Veff)]");
    EXPECT_TRUE(list->currentItem()->isSelected());
    // The worked example names no control.
    EXPECT_TRUE(iface("Form12.Label2")->relations(QAccessible::Labelled).isEmpty());
}

// The workbench's fields read their current captions; a caption left blank is not read, and its field is still
// named.
TEST_F(ScreenTest, WorkbenchFieldsReadTheirCurrentCaptions) {
    if (!px::screens::known("Form12")) GTEST_SKIP() << "no workbench in this build";
    ASSERT_TRUE(ui.show("Form12"));
    EXPECT_EQ(name(iface("Form12.txtdigits1")), "Dato1");
    ASSERT_TRUE(ui.pick("Form12.Combo1", "ANAL. C = f(F1,F2,tc)"));
    EXPECT_EQ(name(iface("Form12.txtdigits1")), "F1 (Hz)");
    EXPECT_EQ(name(iface("Form12.txtdigits4")), "tc (microS.)");
    EXPECT_FALSE(name(iface("Form12.txtdigits5")).empty());
    QAccessibleInterface* frame = iface("Form12.Frame1");
    for (int k = 0; k < frame->childCount(); ++k)
        EXPECT_FALSE(frame->child(k)->role() == QAccessible::StaticText && name(frame->child(k)).empty());
    EXPECT_EQ(frame->indexOfChild(iface("Form12.Label6")), -1);
    for (const auto& [other, relation] : iface("Form12.txtdigits5")->relations(QAccessible::Label))
        EXPECT_NE(other, iface("Form12.Label6"));
}

// In a numeric field the shortcuts work: Ctrl+A and Ctrl+C copy the text, Ctrl+X cuts it, Ctrl+V pastes (without
// the key filter), Ctrl+Z undoes.
TEST_F(ScreenTest, ShortcutsWorkInNumericFields) {
    ASSERT_TRUE(ui.show("Form2"));
    retype("Form2.Text1", "12.5");
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+A"));
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+C"));
    EXPECT_EQ(ui.clipboard(), "12.5");
    EXPECT_EQ(ui.text("Form2.Text1"), "12.5");
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+X"));
    EXPECT_EQ(ui.text("Form2.Text1"), "");
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+Z"));
    EXPECT_EQ(ui.text("Form2.Text1"), "12.5");
    QGuiApplication::clipboard()->setText(QStringLiteral("3,5"));
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+A"));
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+V"));
    EXPECT_EQ(ui.text("Form2.Text1"), "3,5");
    // Typed, the same letters are still refused.
    retype("Form2.Text1", "1");
    ASSERT_TRUE(ui.type("Form2.Text1", "acvxz"));
    EXPECT_EQ(ui.text("Form2.Text1"), "1");
    if (!px::screens::known("Form12")) return;
    ASSERT_TRUE(ui.show("Form12"));
    ASSERT_TRUE(ui.key("Form12.txtdigits1", "Ctrl+V"));
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "3,5");
}

// The toolkit's own texts are Italian: the field's context menu offers "Incolla", not "Paste".
TEST_F(ScreenTest, TheToolkitSpeaksItalian) {
    ASSERT_TRUE(ui.show("Form2"));
    auto* field = qobject_cast<QLineEdit*>(widget("Form2.Text1"));
    std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(entries.contains(QStringLiteral("Incolla"))) << entries.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(entries.contains(QStringLiteral("Paste")));
}
}  // namespace

namespace {

// ---- Legibility
// ---------------------------------------------------------------------------------------------------

// The legend entries whose colour stands out too little from the button face are outlined, and keep their colour.
TEST_F(ScreenTest, PaleLegendEntriesAreOutlined) {
    struct Entry {
        const char* target;
        QRgb colour;
        bool outlined;
    };
    const Entry entries[] = {
        {"Form10.Label2", 0xff0000, false}, {"Form10.Label3", 0xffff00, true},  {"Form10.Label4", 0x00ff00, true},
        {"Form10.Label5", 0x0000ff, false}, {"Form10.Label6", 0x000000, false}, {"Form10.Label7", 0xffffff, true},
        {"Form11.Label2", 0xff0000, false}, {"Form11.Label3", 0xffff00, true},  {"Form11.Label4", 0x00ff00, true},
        {"Form11.Label5", 0x0000ff, false},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.target);
        const std::string t = e.target;
        ASSERT_TRUE(ui.show(t.substr(0, t.find('.'))));
        auto* entry = qobject_cast<px::noise::LegendEntry*>(widget(t));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->outlined(), e.outlined);
        EXPECT_EQ(entry->palette().color(QPalette::WindowText).rgb() & 0xffffff, e.colour);
    }
}

// The axis captions of the two small diagrams let the diagram show through, as on the range screens.
TEST_F(ScreenTest, DiagramCaptionsAreSeeThrough) {
    const char* captions[] = {"Form7.Label2", "Form7.Label10", "Form7.Label11", "Form7.Label7", "Form7.Label12",
                              "Form8.Label9", "Form8.Label10", "Form8.Label11", "Form8.Label7", "Form8.Label12"};
    for (const char* target : captions) {
        SCOPED_TRACE(target);
        const std::string t = target;
        ASSERT_TRUE(ui.show(t.substr(0, t.find('.'))));
        ASSERT_NE(widget(t), nullptr);
        EXPECT_FALSE(widget(t)->autoFillBackground());
    }
}

}  // namespace
