// The scenario engine and the driver's command language as a script meets them: every kind of control answers
// clicks through the guarded handlers and tells what it shows; keys with Control reach the clipboard; commands
// wait for work that runs from the event loop; wrong targets reach nothing.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include "gui_support.h"
#include "language.h"
#include "numbers.h"

namespace {

using pxtest::ScreenTest;

// A screen of the tests' own with one control of every kind.  Every click handler writes its control's name in
// Label9, then faults; Command2 counts five steps from the event loop, one every 10 ms.
class FormD : public px::Screen {
public:
    FormD() : Screen("FormD", "Schermo dei controlli") {
        Label1 = label("Label1", "Conta", {120, 120, 1200, 300});
        Label9 = result("Label9", {120, 600, 1800, 300}, px::sans(9.6));
        Picture1 = logo("Picture1");
        Frame1 = new px::GroupFrame(this, "Frame1", "Gruppo", {120, 1200, 3000, 1500}, px::kDialogFont);
        Check1 = new px::CheckBox(Frame1, "Check1", "Spunta", {120, 300, 1500, 300}, px::kDialogFont);
        List1 = new px::ListBox(this, "List1", {"uno", "due"}, {3600, 1200, 1500, 900}, px::kDialogFont);
        Combo1 = choice("Combo1", "a", {"a", "b"}, {3600, 2400, 1500, 360}, px::kDialogFont, false);
        Combo2 = choice("Combo2", "Rumore 3", {"Rumore 3"}, {3600, 3000, 1500, 360}, px::kDialogFont);
        Shape1 = new px::Shape(this, "Shape1", {5400, 1200, 1500, 1500});
        Shape1->hide();
        Command1 = button("Command1", "Calcolo", {120, 3000, 1455, 495}, px::kDialogFont);
        Command2 = button("Command2", "Passi", {120, 3600, 1455, 495}, px::kDialogFont);
        onClick(Label1, &FormD::Label1_Click);
        onClick(Picture1, &FormD::Picture1_Click);
        onClick(Check1, &FormD::Check1_Click);
        onClick(List1, &FormD::List1_Click);
        onClick(Combo1, &FormD::Combo1_Click);
        onClick(Command1, &FormD::Command1_Click);
        onClick(Command2, &FormD::Command2_Click);
    }
    void Label1_Click() { noteAndFault("Label1"); }
    void Picture1_Click() { noteAndFault("Picture1"); }
    void Check1_Click() { noteAndFault("Check1"); }
    void List1_Click() { noteAndFault("List1 " + List1->text()); }
    void Combo1_Click() { noteAndFault("Combo1 " + Combo1->text()); }
    void Command1_Click() { noteAndFault("Command1"); }
    void Command2_Click() {
        px::runs::begin();
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer, step = 0]() mutable {
            Label9->setCaption(QStringLiteral("passo %1").arg(++step));
            if (step == 5) {
                timer->deleteLater();
                px::runs::end();
            }
        });
        timer->start(10);
    }

    px::Label *Label1, *Label9;
    px::Picture* Picture1;
    px::GroupFrame* Frame1;
    px::CheckBox* Check1;
    px::ListBox* List1;
    px::ChoiceBox *Combo1, *Combo2;
    px::Shape* Shape1;
    px::Button *Command1, *Command2;

private:
    void noteAndFault(const QString& what) {
        Label9->setCaption(what);
        [[maybe_unused]] const px::Num never = px::Num(1) / px::Num(0);
        Label9->setCaption(QStringLiteral("dopo il guasto"));
    }
};

const bool kRegistered = [] {
    px::screens::add("FormD", [] { return new FormD; });
    return true;
}();

// An answer of the driver: one JSON object on one line.
QJsonObject parsed(const std::string& answer) {
    EXPECT_EQ(answer.find('\n'), std::string::npos) << answer;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(answer), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << answer;
    EXPECT_TRUE(doc.isObject()) << answer;
    return doc.object();
}

// ---- Handlers under the guard ---------------------------------------------------------------------------------

struct ClickCase {
    const char* name;
    const char* target;
    const char* entry;  // picked when given, else clicked
    const char* noted;
};

class GuardedClickTest : public ScreenTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(GuardedClickTest, EveryKindOfControlRunsItsHandlerUnderTheGuard) {
    const ClickCase& c = GetParam();
    ASSERT_TRUE(ui.show("FormD"));
    const std::string target = std::string("FormD.") + c.target;
    ASSERT_TRUE(c.entry != nullptr ? ui.pick(target, c.entry) : ui.click(target)) << ui.lastError();
    // The handler ran up to its fault, which was reported; the screen goes on.
    EXPECT_EQ(ui.text("FormD.Label9"), c.noted);
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    ASSERT_TRUE(ui.click("FormD.Command1"));
    EXPECT_EQ(ui.text("FormD.Label9"), "Command1");
}

INSTANTIATE_TEST_SUITE_P(Kinds, GuardedClickTest,
                         testing::Values(ClickCase{"Label", "Label1", nullptr, "Label1"},
                                         ClickCase{"Picture", "Picture1", nullptr, "Picture1"},
                                         ClickCase{"CheckBox", "Check1", nullptr, "Check1"},
                                         ClickCase{"ListEntry", "List1", "due", "List1 due"},
                                         ClickCase{"ChoicePick", "Combo1", "b", "Combo1 b"},
                                         ClickCase{"Button", "Command1", nullptr, "Command1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- What each control tells ----------------------------------------------------------------------------------

TEST_F(ScreenTest, EveryKindOfControlTellsItsTextVisibilityAndTick) {
    ASSERT_TRUE(ui.show("FormD"));
    ASSERT_TRUE(ui.click("FormD.Check1"));
    ASSERT_TRUE(ui.pick("FormD.List1", "uno"));
    struct Expected {
        const char* target;
        const char* text;
        bool visible;
        std::optional<bool> checked;
    };
    const Expected table[] = {
        {"FormD", "Schermo dei controlli", true, {}},
        {"FormD.Label1", "Conta", true, {}},
        {"FormD.Frame1", "Gruppo", true, {}},
        {"FormD.Check1", "Spunta", true, true},
        {"FormD.List1", "uno", true, {}},
        {"FormD.Combo1", "a", true, {}},
        {"FormD.Combo2", "Rumore 3", true, {}},
        {"FormD.Command2", "Passi", true, {}},
        {"FormD.Picture1", "", true, {}},
        {"FormD.Shape1", "", false, {}},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.target);
        const auto r = ui.get(e.target);
        ASSERT_TRUE(r) << ui.lastError();
        EXPECT_EQ(r->text, e.text);
        EXPECT_EQ(r->visible, e.visible);
        EXPECT_EQ(r->checked, e.checked);
    }
}

TEST_F(ScreenTest, OnlyTheControlsOfTheLayoutAreReached) {
    ASSERT_TRUE(ui.show("FormD"));
    // An empty name, and the unnamed or internal parts of a control (a list's viewport), are no controls.
    for (const char* target : {"FormD.", "FormD.qt_scrollarea_viewport", "FormD.Nothing"}) {
        SCOPED_TRACE(target);
        EXPECT_FALSE(ui.get(target));
        EXPECT_EQ(ui.lastError(), std::string("no such control: ") + target);
        EXPECT_FALSE(ui.click(target));
        EXPECT_FALSE(ui.type(target, "5"));
        EXPECT_FALSE(ui.key(target, "Backspace"));
    }
    EXPECT_EQ(ui.text("FormD.Combo2"), "Rumore 3");
    EXPECT_EQ(ui.text("FormD.Label9"), "");
}

TEST_F(ScreenTest, ControlsAnswersEveryControlInLayoutOrderAsGetReadsIt) {
    ASSERT_TRUE(ui.show("FormD"));
    ASSERT_TRUE(ui.click("FormD.Check1"));
    px::Interpreter commands(ui);
    const QJsonObject answer = parsed(commands.execute("controls FormD"));
    EXPECT_EQ(answer.value("screen"), "FormD");
    struct Expected {
        const char* name;
        const char* kind;
        const char* text;
        bool visible;
    };
    const Expected table[] = {
        {"Label1", "label", "Conta", true},    {"Label9", "label", "Check1", true},
        {"Picture1", "picture", "", true},     {"Frame1", "frame", "Gruppo", true},
        {"Check1", "check", "Spunta", true},   {"List1", "list", "", true},
        {"Combo1", "choice", "a", true},       {"Combo2", "choice", "Rumore 3", true},
        {"Shape1", "shape", "", false},        {"Command1", "button", "Calcolo", true},
        {"Command2", "button", "Passi", true},
    };
    const QJsonArray controls = answer.value("controls").toArray();
    ASSERT_EQ(controls.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const Expected& e = table[i];
        SCOPED_TRACE(e.name);
        const QJsonObject c = controls[static_cast<int>(i)].toObject();
        EXPECT_EQ(c.value("name"), e.name);
        EXPECT_EQ(c.value("kind"), e.kind);
        EXPECT_EQ(c.value("text").toString().toStdString(), e.text);
        EXPECT_EQ(c.value("visible").toBool(), e.visible);
        // The same as get answers for the control.
        const QJsonObject got = parsed(commands.execute(std::string("get FormD.") + e.name));
        EXPECT_EQ(got.value("text"), c.value("text"));
        EXPECT_EQ(got.value("checked"), c.value("checked"));
    }
    EXPECT_EQ(controls[4].toObject().value("checked"), true);
    EXPECT_EQ(controls[5].toObject().value("entries"), (QJsonArray{"uno", "due"}));
    EXPECT_EQ(controls[6].toObject().value("entries"), (QJsonArray{"a", "b"}));
    EXPECT_FALSE(controls[0].toObject().contains("entries"));
    EXPECT_FALSE(commands.hadError());
    EXPECT_EQ(parsed(commands.execute("controls FormX")).value("error"), "screen not open: FormX");
}

TEST_F(ScreenTest, AnswersCarryAnyTextAsJson) {
    ASSERT_TRUE(ui.show("FormD"));
    auto* form = static_cast<FormD*>(px::screens::find("FormD"));
    const QString awkward = QString::fromUtf8("a \"b\" \\c\nd\te\x01 \xc3\xa8 ; [x] {y}");
    form->Label9->setCaption(awkward);
    px::Interpreter commands(ui);
    EXPECT_EQ(parsed(commands.execute("get FormD.Label9")).value("text").toString(), awkward);
    EXPECT_EQ(parsed(commands.execute("get \"Form\\\"D\"")).value("error"), "screen not open: Form\"D");
}

TEST_F(ScreenTest, TheCatalogueAnswersItsRowsInOrder) {
    px::Interpreter commands(ui);
    const QJsonArray rows = parsed(commands.execute("catalogue")).value("catalogue").toArray();
    const auto catalogue = px::screens::catalogue();
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(catalogue.size()));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const QJsonObject row = rows[static_cast<int>(i)].toObject();
        EXPECT_EQ(row.value("name").toString(), catalogue[i].name);
        EXPECT_EQ(row.value("title").toString(), catalogue[i].title);
        EXPECT_EQ(row.value("subsystem").toString(), catalogue[i].subsystem);
        EXPECT_EQ(row.value("file").toString(), catalogue[i].file);
        EXPECT_EQ(row.value("purpose").toString(), catalogue[i].purpose);
        EXPECT_EQ(row.value("opener").toString(), catalogue[i].openedBy);
    }
    EXPECT_EQ(rows.first().toObject().value("name"), "Form1");
}

// ---- Keys with Control, and the clipboard ---------------------------------------------------------------------

TEST_F(ScreenTest, ControlKeysSelectCopyCutAndPasteThroughTheClipboard) {
    ASSERT_TRUE(ui.show("FormD"));
    px::Interpreter commands(ui);
    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+A")) << ui.lastError();
    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+C"));
    EXPECT_EQ(ui.clipboard(), "Rumore 3");
    EXPECT_EQ(commands.execute("clipboard"), R"({"clipboard":"Rumore 3"})");
    EXPECT_EQ(ui.text("FormD.Combo2"), "Rumore 3");

    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+X"));
    EXPECT_EQ(ui.text("FormD.Combo2"), "");
    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+V"));
    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+V"));
    EXPECT_EQ(ui.text("FormD.Combo2"), "Rumore 3Rumore 3");
    // Shift with the editing keys selects: the first word goes to the clipboard.
    ASSERT_TRUE(ui.key("FormD.Combo2", "Home"));
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(ui.key("FormD.Combo2", "Shift+Right"));
    ASSERT_TRUE(ui.key("FormD.Combo2", "Ctrl+C"));
    EXPECT_EQ(commands.execute("clipboard"), R"({"clipboard":"Rumore"})");
    EXPECT_FALSE(commands.hadError());

    for (const char* name : {"Ctrl+", "Ctrl+F13", "Alt+C", "Ctrl+é", "CC"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ui.key("FormD.Combo2", name));
        EXPECT_EQ(ui.lastError(), std::string("unknown key: ") + name);
    }
    EXPECT_EQ(ui.text("FormD.Combo2"), "Rumore 3Rumore 3");
}

// ---- Work from the event loop ---------------------------------------------------------------------------------

TEST_F(ScreenTest, ACommandAnswersOnceTheRunItStartedHasEnded) {
    ASSERT_TRUE(ui.show("FormD"));
    px::Interpreter commands(ui);
    const QJsonObject answer = parsed(commands.execute("click FormD.Command2"));
    EXPECT_EQ(answer.value("done"), "click");
    EXPECT_EQ(answer.value("target"), "FormD.Command2");
    EXPECT_TRUE(answer.value("ms").isDouble());
    EXPECT_EQ(px::runs::active(), 0);
    EXPECT_EQ(ui.text("FormD.Label9"), "passo 5");
    // Twice in a row: the second run starts afresh and is waited for as well.
    ASSERT_TRUE(ui.click("FormD.Command2"));
    EXPECT_EQ(px::runs::active(), 0);
    EXPECT_EQ(ui.text("FormD.Label9"), "passo 5");
}

}  // namespace
