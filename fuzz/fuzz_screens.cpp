// Hostile input on every screen: the fuzzer's bytes become a user's actions (typed keys, named keys, pastes,
// picks, clicks, showing and closing screens) on the real screens of the catalogue, in one process on the
// offscreen platform.  Screens and their controls are found at run time, from the registry and the controls'
// names, so a screen registered later is covered as it stands.
//
// Screens stay open from one input to the next (an input starts on its screen with the initial values set back),
// so an input that a crash leaves behind may need the inputs before it; fuzz/long keeps every job's log.
//
// After every action: no message box opened, every fault message is one of the run-time convention's, at most
// one message per handler run, and every coordinate drawn is a number.  After an action that faulted, the screen
// still computes its known case: its controls are set back to their initial values and the button that computes
// them at start must show the very same results and drawing again.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "controls.h"
#include "fault_box.h"
#include "numbers.h"
#include "reading.h"
#include "scenario.h"
#include "screen.h"

namespace {

[[noreturn]] void failure(const std::string& what) {
    std::fprintf(stderr, "fuzz_screens: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// ---- Without pixels -------------------------------------------------------------------------------------------

// With FUZZ_NO_PIXELS=1 in the environment nothing is rasterised: the windows' expose and update requests are
// dropped, and each open screen's drawing is made straight into its display list after every action, as its first
// paint would make it.  Every handler and every drawing still runs, in little more than half the time; the long
// run goes so, the short runs in CI keep the pixels.
class NoPixels : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::Expose || e->type() == QEvent::UpdateRequest || e->type() == QEvent::Paint;
    }
};

bool noPixels = false;

void drawOpenScreens() {
    if (!noPixels) return;
    for (px::Screen* s : px::screens::open())
        s->ensurePainted();
}

// ---- What a screen holds ---------------------------------------------------------------------------------------

// The controls of a screen that a user can reach: named children of the layout (the toolkit's own inner widgets
// have no name or a "qt_" one), visible and enabled at the moment.
std::vector<QWidget*> controlsOf(const px::Screen* s) {
    std::vector<QWidget*> out;
    for (QWidget* w : s->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || s->control(name) != w) continue;
        if (!w->isVisibleTo(s) || !w->isEnabled()) continue;
        out.push_back(w);
    }
    return out;
}

bool isField(QWidget* w) { return qobject_cast<QLineEdit*>(w) != nullptr; }
bool isChoice(QWidget* w) {
    return qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QListWidget*>(w) != nullptr;
}
bool isEditable(QWidget* w) {
    auto* combo = qobject_cast<QComboBox*>(w);
    return isField(w) || (combo != nullptr && combo->isEditable());
}

// The values a user can change: field texts, choice indexes and texts, list rows, check marks.
struct ControlValue {
    QString name;
    QString text;
    int index = -1;
    bool checked = false;
};

std::vector<ControlValue> valuesOf(const px::Screen* s) {
    std::vector<ControlValue> out;
    for (QWidget* w : s->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || s->control(name) != w) continue;
        ControlValue v{name, {}, -1, false};
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            v.text = e->text();
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            v.index = c->currentIndex();
            v.text = c->currentText();
        } else if (auto* l = qobject_cast<QListWidget*>(w)) {
            v.index = l->currentRow();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b != nullptr && b->isCheckable()) {
            v.checked = b->isChecked();
        } else {
            continue;
        }
        out.push_back(v);
    }
    return out;
}

void restore(const px::Screen* s, const std::vector<ControlValue>& values) {
    for (const ControlValue& v : values) {
        QWidget* w = s->control(v.name);
        if (w == nullptr) continue;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->setText(v.text);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(v.index);
            if (c->isEditable()) c->setEditText(v.text);
        } else if (auto* l = qobject_cast<QListWidget*>(w)) {
            l->setCurrentRow(v.index);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setChecked(v.checked);
        }
    }
    px::Scenario::settle();
}

// What a computation shows: every label's caption by name, and a digest of the drawing.
struct Outputs {
    std::map<QString, QString> labels;
    std::uint64_t drawing = 0;
};

std::uint64_t digest(const px::Surface& surface) {
    // The coordinates in one sweep, then what they alone do not tell: the kinds, the colours and the texts.
    const std::span<const float> coords = surface.coordinates();
    std::uint64_t h = std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(coords.data()), coords.size_bytes()));
    auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    surface.forEach([&](const px::Primitive& p) {
        mix(p.kind);
        mix(p.colour);
        if (p.kind == px::Primitive::Text) mix(qHash(surface.textOf(p)));
    });
    return h;
}

Outputs outputsOf(px::Screen* s) {
    Outputs o;
    for (px::Label* l : s->findChildren<px::Label*>())
        o.labels[l->objectName()] = l->caption();
    s->ensurePainted();
    o.drawing = digest(s->surface());
    return o;
}

// ---- The known case of every screen ----------------------------------------------------------------------------

// From the initial values, one button computes and shows results (labels it writes, a drawing it makes); a
// second run from the same values shows the same.  After a fault the screen must still do so.
struct KnownCase {
    QString button;
    std::map<QString, QString> results;  // the labels the button wrote
    bool drawingCounts = false;
    std::uint64_t drawing = 0;
};

px::Scenario* ui = nullptr;
// What the inputs did, told when the process ends: actions, fault messages, known cases checked after a fault.
struct Tally {
    unsigned long long actions = 0, faults = 0, knownCases = 0;
} tally;
std::vector<QString> screenNames;
std::map<QString, KnownCase> knownCases;
std::map<QString, std::vector<ControlValue>> initialValues;  // every instance of a screen starts with these

// The screen a byte names: FormN when it is registered, so that a corpus keeps its aim as screens are added;
// otherwise one of the registered screens in name order.
QString screenFor(std::uint8_t b) {
    const QString name = QStringLiteral("Form%1").arg(b);
    if (px::screens::known(name)) return name;
    return screenNames[b % screenNames.size()];
}

void closeAll() {
    for (px::Screen* s : px::screens::open())
        s->close();
    px::Scenario::settle();
}

px::Screen* showFresh(const QString& name) {
    closeAll();
    ui->show(name.toStdString());
    return px::screens::find(name);
}

std::string target(const px::Screen* s, const QWidget* w) {
    return s->name().toStdString() + "." + w->objectName().toStdString();
}

// The initial values of every screen, and its known case if it has one.
void learnScreen(const QString& name) {
    px::Screen* s = showFresh(name);
    if (s == nullptr) failure("a registered screen does not open: " + name.toStdString());
    const std::vector<ControlValue> initial = valuesOf(s);
    initialValues[name] = initial;
    // By name: a button that finds nothing to show is tried on a screen created afresh.
    QStringList buttons;
    for (QWidget* w : controlsOf(s))
        if (auto* button = qobject_cast<QAbstractButton*>(w); button != nullptr && !button->isCheckable())
            buttons << button->objectName();
    bool fresh = true;
    for (const QString& buttonName : buttons) {
        if (!fresh) s = showFresh(name);
        fresh = false;
        const std::string button = name.toStdString() + "." + buttonName.toStdString();
        ui->faults();
        const Outputs before = outputsOf(s);
        ui->click(button);
        s = px::screens::find(name);
        if (s == nullptr || !ui->faults().empty()) continue;
        const Outputs first = outputsOf(s);
        // The same values again, on the same screen: the same results.
        restore(s, initial);
        ui->click(button);
        s = px::screens::find(name);
        if (s == nullptr || !ui->faults().empty()) continue;
        const Outputs second = outputsOf(s);
        KnownCase k;
        k.button = buttonName;
        for (const auto& [label, text] : first.labels)
            if (before.labels.at(label) != text && second.labels.at(label) == text) k.results[label] = text;
        k.drawingCounts = first.drawing != before.drawing && first.drawing == second.drawing;
        k.drawing = first.drawing;
        if (k.results.empty() && !k.drawingCounts) continue;
        std::string shown;
        for (const auto& [label, text] : k.results)
            shown += " " + label.toStdString() + "=\"" + text.toStdString() + "\"";
        std::fprintf(stderr, "known case of %s: %s ->%s%s\n", name.toStdString().c_str(),
                     buttonName.toStdString().c_str(), shown.c_str(), k.drawingCounts ? " and its drawing" : "");
        knownCases[name] = k;
        break;
    }
    closeAll();
}

void checkKnownCase(const QString& name) {
    const auto it = knownCases.find(name);
    px::Screen* s = px::screens::find(name);
    if (it == knownCases.end() || s == nullptr) return;
    const KnownCase& k = it->second;
    ++tally.knownCases;
    restore(s, initialValues[name]);
    ui->click(name.toStdString() + "." + k.button.toStdString());
    const auto faults = ui->faults();
    if (!faults.empty()) failure(name.toStdString() + ": the known case faults after a fault: " + faults.front());
    s = px::screens::find(name);
    if (s == nullptr) failure(name.toStdString() + ": the known case closed the screen");
    const Outputs now = outputsOf(s);
    for (const auto& [label, text] : k.results) {
        const auto shown = now.labels.find(label);
        if (shown == now.labels.end() || shown->second != text)
            failure(name.toStdString() + "." + label.toStdString() + " shows \"" +
                    (shown == now.labels.end() ? std::string("<gone>") : shown->second.toStdString()) +
                    "\" after a fault instead of \"" + text.toStdString() + "\"");
    }
    if (k.drawingCounts && now.drawing != k.drawing)
        failure(name.toStdString() + ": the known case draws differently after a fault");
}

// ---- Reading actions from the bytes ----------------------------------------------------------------------------

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    std::size_t pick(std::size_t count) { return count == 0 ? 0 : next() % count; }
    std::string raw(std::size_t n) {
        std::string s;
        while (n-- > 0 && !empty())
            s += static_cast<char>(next());
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// What a user may paste: the edges of the numeric runtime.
const char* const kNumbers[] = {
    "0",          "-0",        "1",        "-1",      "2",        "1E308", "-1E308",
    "1E300",      "-1e300",    "1E400",    "1e-320",  "4.9E-324", "1D38",  "3.5E38",
    "-3.5e38",    "1e15",      "1E+16",    "32767.5", "-32768.5", "65536", "&HFFFF",
    "&H7FFFFFFF", "&O7777777", "&HZ",      "360",     "90",       "180",   "0.001",
    ".",          "-",         "+",        "",        " 1 2",     "1,5",   "99999999999999999999",
    "NaN",        "Inf",       "1E",       "1E-",     "--1",      "0.5",   "1000",
    "100000",     "1E-5",      "-0.000001"};
// What a user may type: mostly what the fields take, with a few keys they refuse.
constexpr char kTyped[] = "0123456789.-+\b0123456789.-E, a\r\t";
const char* const kKeys[] = {"Backspace", "Delete", "Home", "End", "Left", "Right", "Enter", "Space", "Tab"};
// A message of the run-time error convention, in the reading in force: an input may pick English on the selector.
bool knownMessage(const std::string& message) {
    for (const px::FaultKind kind : {px::FaultKind::InvalidArgument, px::FaultKind::DivisionByZero,
                                     px::FaultKind::Overflow, px::FaultKind::IndexOutOfRange})
        if (message == px::faultText(px::faultMessage(kind)).toStdString()) return true;
    return false;
}

template <class Pred>
QWidget* choose(Bytes& in, const px::Screen* s, Pred pred) {
    std::vector<QWidget*> fitting;
    for (QWidget* w : controlsOf(s))
        if (pred(w)) fitting.push_back(w);
    return fitting.empty() ? nullptr : fitting[in.pick(fitting.size())];
}

// Looks at what each screen drew since the last look (a graph holds hundreds of thousands of points), straight
// in the surface's own coordinates.
void checkDrawing(px::Screen* s) {
    struct Looked {
        QPointer<px::Screen> screen;  // null once that screen is gone, whatever now stands at its address
        std::uint64_t generation = 0;
        std::size_t checked = 0;
    };
    static std::map<const px::Screen*, Looked> looked;
    Looked& l = looked[s];
    const std::span<const float> drawn = s->surface().coordinates();
    if (l.screen != s || s->surface().generation() != l.generation || l.checked > drawn.size()) l.checked = 0;
    for (std::size_t i = l.checked; i < drawn.size(); ++i)
        if (!std::isfinite(drawn[i]))
            failure(s->name().toStdString() + " drew a coordinate beyond single precision");
    l = {s, s->surface().generation(), drawn.size()};
}

// One action on the current screen.  Returns the screen that is current afterwards (empty when none is open);
// `handlers` counts the handler runs the action may have caused: one, or one a typed key.
QString act(Bytes& in, const QString& current, std::size_t& handlers) {
    handlers = 1;
    px::Screen* s = px::screens::find(current);
    const std::uint8_t op = in.next() % 12;
    if (op == 10) {  // another open screen becomes current
        const auto open = px::screens::open();
        return open.empty() ? QString() : open[in.pick(open.size())]->name();
    }
    if (op == 11) {  // show a registered screen (created afresh when it was not open)
        const QString name = screenFor(in.next());
        ui->show(name.toStdString());
        return name;
    }
    if (s == nullptr) return current;
    switch (op) {
        case 0:
        case 1: {  // typed characters
            QWidget* w = choose(in, s, isEditable);
            std::string chars;
            for (std::size_t n = in.next() % 12; n > 0; --n)
                chars += kTyped[in.pick(sizeof kTyped - 1)];
            handlers = std::max<std::size_t>(1, chars.size());
            if (w != nullptr) ui->type(target(s, w), chars);
            break;
        }
        case 2: {  // a named key
            QWidget* w = choose(in, s, isEditable);
            const char* key = kKeys[in.pick(std::size(kKeys))];
            if (w != nullptr) ui->key(target(s, w), key);
            break;
        }
        case 3: {  // pasted bytes, whatever they are
            QWidget* w = choose(in, s, isEditable);
            const std::string text = in.raw(in.next() % 24);
            if (w != nullptr) ui->paste(target(s, w), text);
            break;
        }
        case 4: {  // a pasted number from the edges
            QWidget* w = choose(in, s, isEditable);
            const char* text = kNumbers[in.pick(std::size(kNumbers))];
            if (w != nullptr) ui->paste(target(s, w), text);
            break;
        }
        case 5: {  // a pick in a choice box or a list
            QWidget* w = choose(in, s, isChoice);
            const std::uint8_t which = in.next();
            if (w == nullptr) break;
            QStringList entries;
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i)
                    entries << c->itemText(i);
            if (auto* l = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < l->count(); ++i)
                    entries << l->item(i)->text();
            if (!entries.isEmpty()) ui->pick(target(s, w), entries[which % entries.size()].toStdString());
            break;
        }
        case 6:
        case 7:
        case 8: {  // a click on a button, a picture, a check box or a label
            QWidget* w = choose(in, s, [](QWidget* c) { return !isField(c) && !isChoice(c); });
            if (w != nullptr) ui->click(target(s, w));
            break;
        }
        case 9:  // the window's close button, now and then
            if (in.next() < 64) ui->close(current.toStdString());
            break;
    }
    return current;
}

}  // namespace

// Leaks are looked for after every input; the font library's own caches are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_screens";
    static char* argv[] = {name, nullptr};
    // The application and the screens live until the process ends: the toolkit cannot be torn down at exit.
    new QApplication(argc, argv);
    // The reading an input picks on the selector is remembered in settings of the run's own.
    px::Scenario::keepSettingsApart();
    QApplication::setQuitOnLastWindowClosed(false);
    ui = new px::Scenario;  // installs the fault recorder in place of the message box
    px::startUp();
    // The workbench's animated simulation runs its cycles as soon as the event loop comes round: the same steps
    // as a user watches, without the pacing.
    px::runs::setPace(px::runs::Pace::Immediate);
    px::setDecimalSeparator(".");
    noPixels = qEnvironmentVariableIntValue("FUZZ_NO_PIXELS") == 1;
    if (noPixels) qApp->installEventFilter(new NoPixels(qApp));
    for (const QString& name : px::screens::registered())
        screenNames.push_back(name);
    if (screenNames.empty()) failure("no screen registered");
    for (const QString& name : screenNames)
        learnScreen(name);
    std::fprintf(stderr, "fuzz_screens: %zu screens, %zu with a known case\n", screenNames.size(),
                 knownCases.size());
    std::atexit([] {
        std::fprintf(stderr,
                     "fuzz_screens: %llu actions, %llu fault messages, %llu known cases checked after a fault\n",
                     tally.actions, tally.faults, tally.knownCases);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    // Every input starts on one screen with its initial values.  Screens stay open from one input to the next:
    // creating a window and drawing a graph afresh for every input would take most of the run.  A screen that an
    // input closed is created again by the next input that starts on it.
    // Every input starts in the Italian reading; screens an earlier input left in English are built again.
    if (px::reading::current() != px::reading::Reading::Italian) {
        px::reading::apply(px::reading::Reading::Italian);
        closeAll();
    }
    QString current = screenFor(in.next());
    if (px::Screen* s = px::screens::find(current))
        restore(s, initialValues[current]);
    else
        ui->show(current.toStdString());
    drawOpenScreens();
    ui->faults();
    while (!in.empty()) {
        const std::size_t openBefore = px::screens::open().size();
        std::size_t handlers = 1;
        current = act(in, current, handlers);
        ++tally.actions;
        drawOpenScreens();
        if (QApplication::activeModalWidget() != nullptr) failure("a modal window opened");
        const auto faults = ui->faults();
        for (const std::string& f : faults)
            if (!knownMessage(f)) failure("an unknown fault message: " + f);
        // The action's handlers ran, and perhaps the first paint of each screen it opened: one message each at
        // most.
        const std::size_t openAfter = px::screens::open().size();
        if (openAfter > openBefore) handlers += openAfter - openBefore;
        if (faults.size() > handlers)
            failure(std::to_string(faults.size()) + " messages for " + std::to_string(handlers) + " handler runs");
        if (px::Screen* s = px::screens::find(current)) checkDrawing(s);
        tally.faults += faults.size();
        // The known cases hold the Italian reading's texts.
        if (!faults.empty() && px::reading::current() == px::reading::Reading::Italian) checkKnownCase(current);
    }
    return 0;
}
