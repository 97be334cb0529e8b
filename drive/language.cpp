#include "language.h"

#include <QString>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "scenario.h"

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

std::string msText(double ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", ms);
    return buf;
}

// A coordinate typed in a script, with a "." whatever the regional settings.
double twipsOf(const std::string& word) { return QString::fromStdString(word).toDouble(); }

const char* jsonBool(bool b) { return b ? "true" : "false"; }

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
    return "{\"error\":" + jsonString(message) + "}";
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
        return "{\"done\":" + jsonString(cmd) + ",\"target\":" + jsonString(arg(1)) +
               ",\"ms\":" + msText(watch.ms()) + "}";
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
        std::string out = "{\"target\":" + jsonString(arg(1)) + ",\"text\":" + jsonString(r->text) +
                          ",\"visible\":" + jsonBool(r->visible);
        if (r->checked) out += std::string(",\"checked\":") + jsonBool(*r->checked);
        return out + "}";
    }
    if (cmd == "screens") return "{\"screens\":" + jsonArray(ui.screens()) + "}";
    if (cmd == "drawing" && need(1)) {
        const auto d = ui.drawing(arg(1), arg(2));
        if (!d) return error(ui.lastError());
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
    if (cmd == "faults") return "{\"faults\":" + jsonArray(ui.faults()) + "}";
    if (cmd == "clipboard") {
        std::string out = "{\"clipboard\":" + jsonString(ui.clipboard());
        if (const auto image = ui.clipboardImage())
            out += ",\"image\":[" + std::to_string(image->first) + "," + std::to_string(image->second) + "]";
        return out + "}";
    }
    if (cmd == "export" && need(3)) return done(ui.exportTo(arg(1), arg(2), arg(3)));
    if (cmd == "hover" && need(3)) {
        const auto r = ui.hover(arg(1), twipsOf(arg(2)), twipsOf(arg(3)));
        if (!r) return error(ui.lastError());
        return "{\"screen\":" + jsonString(arg(1)) + ",\"readout\":" + jsonString(*r) + "}";
    }
    return error("unknown command or missing arguments: " + line);
}

}  // namespace px
