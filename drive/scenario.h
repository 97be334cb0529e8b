// The scenario engine: drives the real screens as a user does (shows, typed keys through the key filter, picks,
// clicks) and reads what the user sees (captions, texts, drawings, fault messages, the clipboard).  The driver
// program reads its commands from a script through the command language (language.h); the tests call the same
// operations directly.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "fault.h"
#include "surface.h"

class QWidget;

namespace px {

class Screen;

struct DrawingSummary {
    std::map<std::string, long> points;  // by colour "#rrggbb"
    long lines = 0, circles = 0, texts = 0;
};

// One control as a user reads it, with its layout name and its kind: label, field, choice, button, picture, list,
// frame, check, shape or scroll; a choice box's and a list's entries besides.
struct ControlReading {
    std::string name;
    std::string kind;
    Reading reading;
    std::optional<std::vector<std::string>> entries;
};

class Scenario {
public:
    // Installs a fault recorder in place of the message box for as long as the scenario lives.
    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    // A run driven by a scenario (the driver, the tests, the fuzzer) neither reads nor leaves the user's remembered
    // choices, the reading among them: its settings live in a folder of its own until the process ends.  Called
    // once the application object exists and before the start-up.
    static void keepSettingsApart();

    // Takes note of the screens open now (the start-up opens the cover without the scenario).
    void observe();
    // Whether the application has ended: every screen that was open has been closed.
    bool ended() const;

    // The operations.  Each returns false (and sets lastError()) for an unknown target, and answers only once
    // every event it caused has been handled and every run it started has ended.
    bool show(const std::string& screen);
    bool close(const std::string& screen);
    bool type(const std::string& target, const std::string& chars);
    // A key by name (Backspace, Delete, Home, End, Left, Right, Up, Down, Enter, Space, Tab, or a letter or digit),
    // with any of the prefixes "Ctrl+" and "Shift+": "Ctrl+C".  The screen's window is made the active one first,
    // so that its window shortcuts answer whichever screen was active before.
    bool key(const std::string& target, const std::string& name);
    bool paste(const std::string& target, const std::string& text);
    bool pick(const std::string& target, const std::string& entry);
    bool click(const std::string& target);
    // The mouse wheel turned over a control or a screen by whole notches: positive towards the user (the view
    // moves down), negative away.
    bool wheel(const std::string& target, int notches);
    std::optional<Reading> get(const std::string& target);
    // The text of a control; "<no such control>" for an unknown one, so that a failed lookup never passes a test.
    std::string text(const std::string& target);
    // Every control of an open screen, in the order the layout placed them (nested ones after their frame).
    std::optional<std::vector<ControlReading>> controls(const std::string& screen);
    std::vector<std::string> screens() const;
    std::optional<DrawingSummary> drawing(const std::string& screen, const std::string& file = {});
    // The primitives drawn since the last Clear of a screen (empty for an unknown screen).
    std::vector<Primitive> primitives(const std::string& screen);
    bool shot(const std::string& screen, const std::string& file);
    // The fault messages reported since the last call, as the user reads them.
    std::vector<std::string> faults();
    // Exports a screen as png, svg, csv or pdf into a file, as its context menu does without the dialog; a
    // failed write fails with the message the user would read.
    bool exportTo(const std::string& screen, const std::string& format, const std::string& file);
    // Moves the mouse to (x, y) twips of a screen and answers the readout there (empty outside every plot).
    std::optional<std::string> hover(const std::string& screen, double x, double y);
    // The size of the image on the clipboard, when it holds one.
    std::optional<std::pair<int, int>> clipboardImage() const;
    // The text on the clipboard.
    std::string clipboard() const;
    const std::string& lastError() const { return lastError_; }

    // Handles every pending event, repaints included, and waits for every run from the event loop
    // (px::runs) to end.  False when a run is still going after a minute.
    static bool settle();

private:
    QWidget* resolve(const std::string& target, bool focusOfScreen);
    Screen* screenOf(const std::string& name);
    bool fail(const std::string& message);
    // settle(), failing when a run does not end.
    bool finish();

    FaultRecorder recorder_;
    std::string lastError_;
    bool anyOpened_ = false;
};

}  // namespace px
