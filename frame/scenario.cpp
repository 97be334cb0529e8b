#include "scenario.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "controls.h"
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
    {"Enter", Qt::Key_Return, "\r"},
    {"Space", Qt::Key_Space, " "},
    {"Tab", Qt::Key_Tab, "\t"},
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

void sendKey(QWidget* w, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
}

// Where typed keys go: an editable choice box takes them in its edit line.
QWidget* keyTarget(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w); combo != nullptr && combo->lineEdit() != nullptr)
        return combo->lineEdit();
    return w;
}

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double ms() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

std::string msText(double ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", ms);
    return buf;
}

}  // namespace

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += jsonString(items[i]);
    }
    return out + "]";
}

std::vector<std::string> splitCommand(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= line.size()) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
                word += line[i++];
            }
            ++i;  // the closing quote
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

Scenario::Scenario() {
    setFaultReporter(&recorder_);
    anyOpened_ = !screens::open().empty();
}

Scenario::~Scenario() { setFaultReporter(nullptr); }

bool Scenario::ended() const { return anyOpened_ && screens::open().empty(); }

void Scenario::settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    // An empty name ("Form2.") names no control: the toolkit's own inner widgets have empty names.
    const std::string control = target.substr(dot + 1);
    QWidget* w = control.empty() ? nullptr : s->control(QString::fromStdString(control));
    if (w == nullptr) fail("no such control: " + target);
    return w;
}

bool Scenario::show(const std::string& name) {
    if (!screens::known(QString::fromStdString(name))) return fail("unknown screen: " + name);
    screens::show(QString::fromStdString(name));
    anyOpened_ = true;
    settle();
    return true;
}

bool Scenario::close(const std::string& name) {
    Screen* s = screenOf(name);
    if (s == nullptr) return fail("screen not open: " + name);
    s->close();
    settle();
    return true;
}

bool Scenario::type(const std::string& target, const std::string& chars) {
    QWidget* w = resolve(target, true);
    if (w == nullptr) return false;
    w->setFocus(Qt::OtherFocusReason);
    QWidget* to = keyTarget(w);
    for (char32_t c : QString::fromStdString(chars).toUcs4())
        sendKey(to, keyOf(c), QString::fromUcs4(&c, 1));
    settle();
    return true;
}

bool Scenario::key(const std::string& target, const std::string& name) {
    QWidget* w = resolve(target, true);
    if (w == nullptr) return false;
    for (const KeyName& k : kKeys) {
        if (name == k.name) {
            if (target.find('.') != std::string::npos) w->setFocus(Qt::OtherFocusReason);
            sendKey(keyTarget(w), k.key, QString::fromLatin1(k.text));
            settle();
            return true;
        }
    }
    return fail("unknown key: " + name);
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
    settle();
    return true;
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
    settle();
    return true;
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
    settle();
    return true;
}

std::optional<Reading> Scenario::get(const std::string& target) {
    QWidget* w = resolve(target, false);
    if (w == nullptr) return std::nullopt;
    Reading r;
    r.visible = target.find('.') == std::string::npos ? w->isVisible() : !w->isHidden();
    if (auto* s = qobject_cast<Screen*>(w)) {
        r.text = s->windowTitle().toStdString();
    } else if (auto* l = qobject_cast<Label*>(w)) {
        r.text = l->caption().toStdString();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        r.text = e->text().toStdString();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        r.text = c->currentText().toStdString();
    } else if (auto* b = qobject_cast<QCheckBox*>(w)) {
        r.text = b->text().toStdString();
        r.checked = b->isChecked();
    } else if (auto* b2 = qobject_cast<QAbstractButton*>(w)) {
        r.text = b2->text().toStdString();
    } else if (auto* list = qobject_cast<ListBox*>(w)) {
        r.text = list->text().toStdString();
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        r.text = g->title().toStdString();
    }
    return r;
}

std::string Scenario::text(const std::string& target) {
    auto r = get(target);
    return r ? r->text : std::string("<no such control>");
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
    for (const Primitive& p : surface.primitives()) {
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
    }
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

std::vector<std::string> Scenario::faults() { return recorder_.take(); }

std::string Scenario::execute(const std::string& line) {
    if (!screens::open().empty()) anyOpened_ = true;
    const auto words = splitCommand(line);
    if (words.empty() || words[0][0] == '#') return {};
    const std::string& cmd = words[0];
    auto arg = [&](std::size_t i) -> const std::string& {
        static const std::string none;
        return i < words.size() ? words[i] : none;
    };
    auto error = [&](const std::string& message) {
        ++errors_;
        return "{\"error\":" + jsonString(message) + "}";
    };
    auto need = [&](std::size_t n) { return words.size() >= n + 1; };
    auto done = [&](bool ok, const Stopwatch& watch) {
        if (!ok) return error(lastError_);
        return "{\"done\":" + jsonString(cmd) + ",\"target\":" + jsonString(arg(1)) +
               ",\"ms\":" + msText(watch.ms()) + "}";
    };

    const Stopwatch watch;
    if (cmd == "show" && need(1)) return done(show(arg(1)), watch);
    if (cmd == "close" && need(1)) return done(close(arg(1)), watch);
    if (cmd == "type" && need(2)) return done(type(arg(1), arg(2)), watch);
    if (cmd == "key" && need(2)) return done(key(arg(1), arg(2)), watch);
    if (cmd == "paste" && need(2)) return done(paste(arg(1), arg(2)), watch);
    if (cmd == "pick" && need(2)) return done(pick(arg(1), arg(2)), watch);
    if (cmd == "click" && need(1)) return done(click(arg(1)), watch);
    if (cmd == "shot" && need(2)) return done(shot(arg(1), arg(2)), watch);
    if (cmd == "get" && need(1)) {
        auto r = get(arg(1));
        if (!r) return error(lastError_);
        std::string out = "{\"target\":" + jsonString(arg(1)) + ",\"text\":" + jsonString(r->text) +
                          ",\"visible\":" + (r->visible ? "true" : "false");
        if (r->checked) out += std::string(",\"checked\":") + (*r->checked ? "true" : "false");
        return out + "}";
    }
    if (cmd == "screens") return "{\"screens\":" + jsonArray(screens()) + "}";
    if (cmd == "drawing" && need(1)) {
        auto d = drawing(arg(1), arg(2));
        if (!d) return error(lastError_);
        std::string out = "{\"screen\":" + jsonString(arg(1)) + ",\"points\":{";
        bool first = true;
        for (const auto& [c, n] : d->points) {
            if (!first) out += ',';
            out += jsonString(c);
            out += ':';
            out += std::to_string(n);
            first = false;
        }
        return out + "},\"lines\":" + std::to_string(d->lines) + ",\"circles\":" + std::to_string(d->circles) +
               ",\"texts\":" + std::to_string(d->texts) + "}";
    }
    if (cmd == "faults") return "{\"faults\":" + jsonArray(faults()) + "}";
    return error("unknown command or missing arguments: " + line);
}

}  // namespace px
