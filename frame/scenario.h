// The scenario engine: drives the real screens as a user does (shows, typed keys through the key filter, picks,
// clicks) and reads what the user sees (captions, texts, drawings, fault messages).  The driver program reads its
// commands from a script; the tests call the same operations directly.
#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fault.h"
#include "surface.h"

class QWidget;

namespace px {

class Screen;

struct Reading {
    std::string text;
    bool visible = false;
    std::optional<bool> checked;  // check boxes only
};

struct DrawingSummary {
    std::map<std::string, long> points;  // by colour "#rrggbb"
    long lines = 0, circles = 0, texts = 0;
};

class Scenario {
public:
    // Installs a fault recorder in place of the message box for as long as the scenario lives.
    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    // One command line of the driver's language, answered with one JSON line ("" for a blank or comment line).
    std::string execute(const std::string& line);
    // Whether any command so far answered with an error.
    bool hadError() const { return errors_ > 0; }
    // Whether the application has ended: every screen that was open has been closed.
    bool ended() const;

    // The operations, for tests.  Each returns false (and sets lastError()) for an unknown target.
    bool show(const std::string& screen);
    bool close(const std::string& screen);
    bool type(const std::string& target, const std::string& chars);
    bool key(const std::string& target, const std::string& name);
    bool paste(const std::string& target, const std::string& text);
    bool pick(const std::string& target, const std::string& entry);
    bool click(const std::string& target);
    std::optional<Reading> get(const std::string& target);
    // The text of a control; "<no such control>" for an unknown one, so that a failed lookup never passes a test.
    std::string text(const std::string& target);
    std::vector<std::string> screens() const;
    std::optional<DrawingSummary> drawing(const std::string& screen, const std::string& file = {});
    // The primitives drawn since the last Clear of a screen (empty for an unknown screen).
    std::vector<Primitive> primitives(const std::string& screen);
    bool shot(const std::string& screen, const std::string& file);
    std::vector<std::string> faults();
    const std::string& lastError() const { return lastError_; }

    // Handles every pending event, repaints included.
    static void settle();

private:
    QWidget* resolve(const std::string& target, bool focusOfScreen);
    Screen* screenOf(const std::string& name);
    bool fail(const std::string& message);

    FaultRecorder recorder_;
    std::string lastError_;
    int errors_ = 0;
    bool anyOpened_ = false;
};

// Splits a command line into words: blanks separate, double quotes group, \" and \\ escape inside quotes.
std::vector<std::string> splitCommand(const std::string& line);
// A string as a JSON string literal.
std::string jsonString(const std::string& text);
// Strings as a JSON array of string literals.
std::string jsonArray(const std::vector<std::string>& items);

}  // namespace px
