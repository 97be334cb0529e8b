#include "language.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scenario.h"
#include "screen.h"

namespace px {

namespace {

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double ms() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

// A time in milliseconds to the microsecond.
double msValue(double ms) { return std::round(ms * 1000) / 1000; }

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// A coordinate typed in a script, with a "." whatever the regional settings.
double twipsOf(const std::string& word) { return QString::fromStdString(word).toDouble(); }

QJsonObject readingObject(const Reading& r) {
    QJsonObject o{{"text", text(r.text)}, {"visible", r.visible}};
    if (r.checked) o.insert("checked", *r.checked);
    return o;
}

}  // namespace

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

std::string Interpreter::error(const std::string& message) {
    ++errors_;
    return jsonLine({{"error", text(message)}});
}

std::string Interpreter::execute(const std::string& line) {
    scenario_.observe();
    const auto words = splitCommand(line);
    if (words.empty() || words[0][0] == '#') return {};
    const std::string& cmd = words[0];
    auto arg = [&](std::size_t i) -> const std::string& {
        static const std::string none;
        return i < words.size() ? words[i] : none;
    };
    auto need = [&](std::size_t n) { return words.size() >= n + 1; };
    Scenario& ui = scenario_;
    const Stopwatch watch;
    auto done = [&](bool ok) {
        if (!ok) return error(ui.lastError());
        return jsonLine({{"done", text(cmd)}, {"target", text(arg(1))}, {"ms", msValue(watch.ms())}});
    };

    if (cmd == "show" && need(1)) return done(ui.show(arg(1)));
    if (cmd == "close" && need(1)) return done(ui.close(arg(1)));
    if (cmd == "type" && need(2)) return done(ui.type(arg(1), arg(2)));
    if (cmd == "key" && need(2)) return done(ui.key(arg(1), arg(2)));
    if (cmd == "paste" && need(2)) return done(ui.paste(arg(1), arg(2)));
    if (cmd == "pick" && need(2)) return done(ui.pick(arg(1), arg(2)));
    if (cmd == "click" && need(1)) return done(ui.click(arg(1)));
    if (cmd == "wheel" && need(1)) {
        const std::string& n = words.size() > 2 ? arg(2) : std::string("1");
        char* end = nullptr;
        const long notches = std::strtol(n.c_str(), &end, 10);
        if (end == n.c_str() || *end != '\0' || notches < -1000 || notches > 1000)
            return error("not a number of notches: " + n);
        return done(ui.wheel(arg(1), static_cast<int>(notches)));
    }
    if (cmd == "shot" && need(2)) return done(ui.shot(arg(1), arg(2)));
    if (cmd == "get" && need(1)) {
        const auto r = ui.get(arg(1));
        if (!r) return error(ui.lastError());
        QJsonObject o = readingObject(*r);
        o.insert("target", text(arg(1)));
        return jsonLine(o);
    }
    if (cmd == "controls" && need(1)) {
        const auto all = ui.controls(arg(1));
        if (!all) return error(ui.lastError());
        QJsonArray list;
        for (const ControlReading& c : *all) {
            QJsonObject o = readingObject(c.reading);
            o.insert("name", text(c.name));
            o.insert("kind", text(c.kind));
            if (c.entries) o.insert("entries", jsonArray(*c.entries));
            list.append(o);
        }
        return jsonLine({{"screen", text(arg(1))}, {"controls", list}});
    }
    if (cmd == "screens") return jsonLine({{"screens", jsonArray(ui.screens())}});
    if (cmd == "catalogue") {
        QJsonArray rows;
        for (const screens::Entry& row : screens::catalogue())
            rows.append(QJsonObject{{"name", row.name},
                                    {"title", row.title},
                                    {"subsystem", row.subsystem},
                                    {"file", row.file},
                                    {"purpose", row.purpose},
                                    {"opener", row.openedBy}});
        return jsonLine({{"catalogue", rows}});
    }
    if (cmd == "drawing" && need(1)) {
        const auto d = ui.drawing(arg(1), arg(2));
        if (!d) return error(ui.lastError());
        QJsonObject points;
        for (const auto& [c, n] : d->points)
            points.insert(text(c), static_cast<qint64>(n));
        return jsonLine({{"screen", text(arg(1))},
                         {"points", points},
                         {"lines", static_cast<qint64>(d->lines)},
                         {"circles", static_cast<qint64>(d->circles)},
                         {"texts", static_cast<qint64>(d->texts)}});
    }
    if (cmd == "faults") return jsonLine({{"faults", jsonArray(ui.faults())}});
    if (cmd == "clipboard") {
        QJsonObject o{{"clipboard", text(ui.clipboard())}};
        if (const auto image = ui.clipboardImage()) o.insert("image", QJsonArray{image->first, image->second});
        return jsonLine(o);
    }
    if (cmd == "export" && need(3)) return done(ui.exportTo(arg(1), arg(2), arg(3)));
    if (cmd == "hover" && need(3)) {
        const auto r = ui.hover(arg(1), twipsOf(arg(2)), twipsOf(arg(3)));
        if (!r) return error(ui.lastError());
        return jsonLine({{"screen", text(arg(1))}, {"readout", text(*r)}});
    }
    return error("unknown command or missing arguments: " + line);
}

}  // namespace px
