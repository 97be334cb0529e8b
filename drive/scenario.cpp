#include "scenario.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <optional>

#include "controls.h"
#include "export.h"
#include "fault_box.h"
#include "json.h"
#include "screen.h"

namespace px {

namespace {

std::string hexColour(QRgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", qRed(c), qGreen(c), qBlue(c));
    return buf;
}

// A single-precision coordinate in its shortest exact form ("400", "2708.2").
std::string coordinate(float v) {
    char buf[32];
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, static_cast<double>(v));
        if (std::strtof(buf, nullptr) == v) break;
    }
    return buf;
}

struct KeyName {
    const char* name;
    Qt::Key key;
    const char* text;
};
constexpr KeyName kKeys[] = {
    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Delete", Qt::Key_Delete, ""},
    {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},
    {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},
    {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},
    {"Enter", Qt::Key_Return, "\r"},
    {"Space", Qt::Key_Space, " "},
    {"Tab", Qt::Key_Tab, "\t"},
    {"PageUp", Qt::Key_PageUp, ""},
    {"PageDown", Qt::Key_PageDown, ""},
    {"Escape", Qt::Key_Escape, "\x1b"},
};

Qt::Key keyOf(char32_t c) {
    if (c >= '0' && c <= '9') return static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    if (c >= 'a' && c <= 'z') return static_cast<Qt::Key>(Qt::Key_A + (c - 'a'));
    if (c >= 'A' && c <= 'Z') return static_cast<Qt::Key>(Qt::Key_A + (c - 'A'));
    switch (c) {
        case ' ':
            return Qt::Key_Space;
        case '.':
            return Qt::Key_Period;
        case ',':
            return Qt::Key_Comma;
        case '-':
            return Qt::Key_Minus;
        case '+':
            return Qt::Key_Plus;
        case '\r':
        case '\n':
            return Qt::Key_Return;
        case '\t':
            return Qt::Key_Tab;
        case '\b':
            return Qt::Key_Backspace;
        default:
            return Qt::Key_unknown;
    }
}

void sendKey(QWidget* w, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(w, &release);
}

struct Modifier {
    const char* prefix;
    Qt::KeyboardModifier modifier;
};
constexpr Modifier kModifiers[] = {{"Ctrl+", Qt::ControlModifier}, {"Shift+", Qt::ShiftModifier}};

struct KeyPress {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// A key by name, with its modifiers: "End", "Ctrl+C", "Ctrl+Shift+Home".  A letter or digit with Control
// carries the control character a keyboard sends with it ("\x03" for Ctrl+C).
std::optional<KeyPress> keyNamed(std::string name) {
    KeyPress k;
    for (bool more = true; more;) {
        more = false;
        for (const Modifier& m : kModifiers) {
            const std::string prefix = m.prefix;
            if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
                k.modifiers |= m.modifier;
                name.erase(0, prefix.size());
                more = true;
            }
        }
    }
    for (const KeyName& named : kKeys) {
        if (name == named.name) {
            k.key = named.key;
            k.text = QString::fromLatin1(named.text);
            return k;
        }
    }
    if (name.size() != 1 || !std::isalnum(static_cast<unsigned char>(name[0]))) return std::nullopt;
    const char c = name[0];
    k.key = keyOf(static_cast<char32_t>(c));
    if (k.modifiers & Qt::ControlModifier)
        k.text = std::isalpha(static_cast<unsigned char>(c)) ? QString(QChar(c & 0x1f)) : QString();
    else if (k.modifiers & Qt::ShiftModifier)
        k.text = QString(QChar(std::toupper(static_cast<unsigned char>(c))));
    else
        k.text = QString(QChar(std::tolower(static_cast<unsigned char>(c))));
    return k;
}

// Makes a screen's window the active one, as a user's click on it does, so that the keys sent to it reach its
// window shortcuts (Ctrl+C of a report) whichever screen was active before.
void activate(QWidget* window) {
    if (QApplication::activeWindow() == window) return;
    window->activateWindow();
    QCoreApplication::processEvents();
    // A platform without a window manager may leave the request unanswered: the application takes it as done.
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
}

// Where typed keys go: an editable choice box takes them in its edit line.
QWidget* keyTarget(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w); combo != nullptr && combo->lineEdit() != nullptr)
        return combo->lineEdit();
    return w;
}

}  // namespace

Scenario::Scenario() {
    setFaultReporter(&recorder_);
    anyOpened_ = !screens::open().empty();
}

Scenario::~Scenario() { setFaultReporter(nullptr); }

void Scenario::observe() {
    if (!screens::open().empty()) anyOpened_ = true;
}

bool Scenario::ended() const { return anyOpened_ && screens::open().empty(); }

bool Scenario::settle() {
    auto handlePending = [] {
        for (int i = 0; i < 4; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    };
    handlePending();
    if (runs::active() > 0) {
        // Work run from the event loop a step at a time: wait for its steps, waking now and then to look at the
        // clock, and handle what its end caused.
        const QDeadlineTimer deadline(60'000);
        QTimer wake;
        wake.start(20);
        while (runs::active() > 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        wake.stop();
        handlePending();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return runs::active() == 0;
}

bool Scenario::finish() {
    if (!settle()) return fail("a run from the event loop has not ended after a minute");
    return true;
}

bool Scenario::fail(const std::string& message) {
    lastError_ = message;
    return false;
}

Screen* Scenario::screenOf(const std::string& name) { return screens::find(QString::fromStdString(name)); }

QWidget* Scenario::resolve(const std::string& target, bool focusOfScreen) {
    const auto dot = target.find('.');
    const std::string screenName = target.substr(0, dot);
    Screen* s = screenOf(screenName);
    if (s == nullptr) {
        fail("screen not open: " + screenName);
        return nullptr;
    }
    if (dot == std::string::npos) {
        if (focusOfScreen && s->focusWidget() != nullptr) return s->focusWidget();
        return s;
    }
    // Only the controls of the layout answer: never an unnamed or internal part of one.
    QWidget* w = s->control(QString::fromStdString(target.substr(dot + 1)));
    if (dynamic_cast<Control*>(w) == nullptr) {
        fail("no such control: " + target);
        return nullptr;
    }
    return w;
}

bool Scenario::show(const std::string& name) {
    if (!screens::known(QString::fromStdString(name))) return fail("unknown screen: " + name);
    screens::show(QString::fromStdString(name));
    anyOpened_ = true;
    return finish();
}

bool Scenario::close(const std::string& name) {
    Screen* s = screenOf(name);
    if (s == nullptr) return fail("screen not open: " + name);
    s->close();
    return finish();
}

bool Scenario::type(const std::string& target, const std::string& chars) {
    QWidget* w = resolve(target, true);
    if (w == nullptr) return false;
    w->setFocus(Qt::OtherFocusReason);
    QWidget* to = keyTarget(w);
    for (char32_t c : QString::fromStdString(chars).toUcs4())
        sendKey(to, keyOf(c), QString::fromUcs4(&c, 1));
    return finish();
}

bool Scenario::key(const std::string& target, const std::string& name) {
    QWidget* w = resolve(target, true);
    if (w == nullptr) return false;
    const auto k = keyNamed(name);
    if (!k) return fail("unknown key: " + name);
    activate(w->window());
    if (target.find('.') != std::string::npos) w->setFocus(Qt::OtherFocusReason);
    sendKey(keyTarget(w), k->key, k->text, k->modifiers);
    return finish();
}

bool Scenario::paste(const std::string& target, const std::string& text) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return false;
    const QString t = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // A paste replaces the text and is not filtered (the field's length limit still holds).
        edit->selectAll();
        edit->insert(t);
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo != nullptr && combo->isEditable()) {
        combo->setEditText(t);
    } else {
        return fail("cannot paste into: " + target);
    }
    return finish();
}

bool Scenario::pick(const std::string& target, const std::string& entry) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return false;
    const QString e = QString::fromStdString(entry);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = combo->findText(e, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            combo->setCurrentIndex(index);
            if (combo->isEditable()) combo->setEditText(e);
            emit combo->activated(index);
        } else if (combo->isEditable()) {
            combo->setEditText(e);
        } else {
            return fail("no such entry: " + entry);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const auto items = list->findItems(e, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (items.isEmpty()) return fail("no such entry: " + entry);
        list->setCurrentItem(items.front());
        emit list->itemClicked(items.front());
    } else {
        return fail("cannot pick from: " + target);
    }
    return finish();
}

bool Scenario::click(const std::string& target) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return false;
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    // The press may have closed the screen; the release goes only to a widget that still exists.
    if (screenOf(target.substr(0, target.find('.'))) != nullptr) QCoreApplication::sendEvent(w, &release);
    return finish();
}

bool Scenario::wheel(const std::string& target, int notches) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return false;
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    // As from the mouse: a control that leaves the wheel passes it on to the one around it.
    for (QWidget* to = w; to != nullptr; to = to->isWindow() ? nullptr : to->parentWidget()) {
        const QPointF there = to->mapFromGlobal(w->mapToGlobal(at));
        QWheelEvent turn(there, w->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(to, &turn);
        if (turn.isAccepted()) break;
    }
    return finish();
}

std::optional<Reading> Scenario::get(const std::string& target) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return std::nullopt;
    return dynamic_cast<const Control*>(w)->reading();
}

std::string Scenario::text(const std::string& target) {
    auto r = get(target);
    return r ? r->text : std::string("<no such control>");
}

namespace {
const char* kindOf(const QWidget* w) {
    if (qobject_cast<const CheckBox*>(w)) return "check";
    if (qobject_cast<const GroupFrame*>(w)) return "frame";
    if (qobject_cast<const ListBox*>(w)) return "list";
    if (qobject_cast<const ChoiceBox*>(w)) return "choice";
    if (qobject_cast<const NumericField*>(w)) return "field";
    if (qobject_cast<const Button*>(w)) return "button";
    if (qobject_cast<const Picture*>(w)) return "picture";
    if (qobject_cast<const Shape*>(w)) return "shape";
    if (qobject_cast<const Label*>(w)) return "label";
    if (qobject_cast<const QScrollBar*>(w)) return "scroll";
    return "control";
}
}  // namespace

std::optional<std::vector<ControlReading>> Scenario::controls(const std::string& name) {
    Screen* s = screenOf(name);
    if (s == nullptr) {
        fail("screen not open: " + name);
        return std::nullopt;
    }
    std::vector<ControlReading> all;
    // Depth first in the order each parent holds its children: the order of the layout.
    for (QWidget* w : s->findChildren<QWidget*>(Qt::FindChildrenRecursively)) {
        const auto* control = dynamic_cast<const Control*>(w);
        if (control == nullptr || w->objectName().isEmpty() || s->control(w->objectName()) != w) continue;
        ControlReading c{w->objectName().toStdString(), kindOf(w), control->reading(), std::nullopt};
        if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            c.entries.emplace();
            for (int i = 0; i < box->count(); ++i)
                c.entries->push_back(box->itemText(i).toStdString());
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            c.entries.emplace();
            for (int i = 0; i < list->count(); ++i)
                c.entries->push_back(list->item(i)->text().toStdString());
        }
        all.push_back(std::move(c));
    }
    return all;
}

std::vector<std::string> Scenario::screens() const {
    std::vector<std::string> names;
    for (Screen* s : screens::open())
        names.push_back(s->name().toStdString());
    return names;
}

std::vector<Primitive> Scenario::primitives(const std::string& name) {
    Screen* s = screenOf(name);
    if (s == nullptr) return {};
    s->ensurePainted();
    return s->surface().primitives();
}

std::optional<DrawingSummary> Scenario::drawing(const std::string& name, const std::string& file) {
    Screen* s = screenOf(name);
    if (s == nullptr) {
        fail("screen not open: " + name);
        return std::nullopt;
    }
    s->ensurePainted();
    const Surface& surface = s->surface();
    DrawingSummary sum;
    std::ofstream out;
    if (!file.empty()) {
        out.open(file);
        if (!out) {
            fail("cannot write: " + file);
            return std::nullopt;
        }
    }
    surface.forEach([&](const Primitive& p) {
        const std::string c = hexColour(p.colour);
        switch (p.kind) {
            case Primitive::Point:
                ++sum.points[c];
                if (out) out << "point " << coordinate(p.x1) << ' ' << coordinate(p.y1) << ' ' << c << '\n';
                break;
            case Primitive::Line:
                ++sum.lines;
                if (out)
                    out << "line " << coordinate(p.x1) << ' ' << coordinate(p.y1) << ' ' << coordinate(p.x2) << ' '
                        << coordinate(p.y2) << ' ' << c << '\n';
                break;
            case Primitive::Circle:
                ++sum.circles;
                if (out)
                    out << "circle " << coordinate(p.x1) << ' ' << coordinate(p.y1) << ' ' << coordinate(p.x2)
                        << ' ' << c << '\n';
                break;
            case Primitive::Text:
                ++sum.texts;
                if (out)
                    out << "text " << coordinate(p.x1) << ' ' << coordinate(p.y1) << ' '
                        << jsonString(surface.textOf(p).toStdString()) << ' ' << c << '\n';
                break;
        }
    });
    return sum;
}

bool Scenario::shot(const std::string& name, const std::string& file) {
    Screen* s = screenOf(name);
    if (s == nullptr) return fail("screen not open: " + name);
    s->ensurePainted();
    settle();
    if (!s->grab().save(QString::fromStdString(file), "PNG")) return fail("cannot write: " + file);
    return true;
}

void Scenario::keepSettingsApart() {
    static const QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

std::vector<std::string> Scenario::faults() {
    // As the message box would name them, in the reading in force.
    std::vector<std::string> read;
    for (const std::string& message : recorder_.take())
        read.push_back(faultText(message.c_str()).toStdString());
    return read;
}

bool Scenario::exportTo(const std::string& name, const std::string& format, const std::string& file) {
    Screen* s = screenOf(name);
    if (s == nullptr) return fail("screen not open: " + name);
    const auto f = exporting::formatNamed(QString::fromStdString(format));
    if (!f) return fail("unknown format: " + format);
    settle();
    const QString path = QString::fromStdString(file);
    const QString reason = exporting::write(*s, *f, path);
    if (!reason.isEmpty()) return fail(exporting::failureMessage(path, reason).toStdString());
    return finish();
}

std::optional<std::string> Scenario::hover(const std::string& name, double x, double y) {
    Screen* s = screenOf(name);
    if (s == nullptr) {
        fail("screen not open: " + name);
        return std::nullopt;
    }
    s->ensurePainted();
    const QPointF at(x * twips::scale(), y * twips::scale());
    QMouseEvent move(QEvent::MouseMove, at, s->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s, &move);
    settle();
    return exporting::readout(*s, QPointF(x, y)).toStdString();
}

std::optional<std::pair<int, int>> Scenario::clipboardImage() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasImage()) return std::nullopt;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    return std::make_pair(image.width(), image.height());
}

std::string Scenario::clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }

}  // namespace px
