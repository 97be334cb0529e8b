// Screen: a top-level window with fixed controls placed in twips, created on its first show, brought forward on
// later shows and destroyed on close; the handler guard that turns a Fault into a report; the registry of screens
// by name, through which one screen opens another without knowing its class.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "controls.h"
#include "surface.h"

class QScrollBar;

namespace px {

class Screen : public QWidget, public Control {
    Q_OBJECT
public:
    // `name` is the screen's name ("FormN"), `caption` its window title, `font` the font of controls without one.
    Screen(const QString& name, const QString& caption, FontSpec font = kDialogFont);
    ~Screen() override;

    const QString& name() const { return name_; }
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Runs the repaint handler if the window has not been painted yet, so that its drawing exists.
    void ensurePainted();
    bool painted() const { return painted_; }

    // Runs a handler: a Fault it throws ends it at that step, is reported, and the application goes on.  True
    // when the handler ran to its end.
    bool guard(const std::function<void()>& handler);

    // Runs `step` from the event loop, once every `intervalMs` milliseconds after this call (a late step is not
    // made up by a busy wait: the next one simply follows as soon as the event loop comes round), each time under
    // the guard, until it returns false, a fault ends it, stopRepeating() is called or the window closes.  From
    // now until it stops it is an active run (runs::active).  Does nothing while a step is already repeating.
    // The step asks for the repaint of the area it changed (update), so that a step stays cheap on a large
    // window; after a fault the whole window is repainted.
    void every(int intervalMs, std::function<bool()> step);
    bool repeating() const { return repeat_ != nullptr; }
    void stopRepeating();
    // Runs the repeating step once, now, as its time source would.
    void fireRepeat();

    // A window smaller than its layout scrolls: the controls and the drawing move together under two scroll bars,
    // by the wheel, the bars, and to bring the control that takes the focus into view.  The offset in pixels of
    // the layout's top-left corner from the window's (0, 0 while the whole layout is in view).
    QPoint scrollOffset() const { return offset_; }
    void scrollTo(QPoint offset);
    // The layout's size in pixels: every control's place, shown or hidden, from the top-left corner, and the
    // text printed on the drawing (the glossary's lines), unless the screen reads its printed text otherwise.
    virtual QSize layoutSize() const;

    // The control of that layout name, or nullptr.
    QWidget* control(const QString& name) const;
    // The window's title, and whether the window is shown.
    Reading reading() const override;

protected:
    // The repaint handler: draws on the surface.  It runs on the first paint; what it draws is kept and shown
    // again at every later repaint.  Screens without one draw nothing.
    virtual void Form_Paint() {}

    // Layout helpers: each places one control of the layout table.
    Label* label(const QString& name, const QString& caption, Rect r, Look look = {});
    Label* label(const QString& name, const QString& caption, Rect r, FontSpec font, Look look = {});
    Label* result(const QString& name, Rect r, FontSpec font);  // a bordered result label, empty at first
    NumericField* field(const QString& name, const QString& initial, Rect r, FontSpec font,
                        std::string_view alphabet = kCalculatorKeysView());
    ChoiceBox* choice(const QString& name, const QString& initial, const QStringList& items, Rect r, FontSpec font,
                      bool editable = true);
    Button* button(const QString& name, const QString& caption, Rect r, FontSpec font);
    Picture* picture(const QString& name, const QString& resource, Rect r);
    // The logo at the top right (left 9600, top 0) in a box of that height.
    Picture* logo(const QString& name, double width = 1812, double height = 972);

    // Connects a control's click (a button's, check box's, label's or picture's click, a click on a list's entry,
    // the pick of a choice box's entry: clickEvent in controls.h) to a handler of the screen run under the guard.
    template <class C, class S>
    void onClick(C* source, void (S::*handler)()) {
        static_assert(std::is_base_of_v<Screen, S>, "the handler is a method of the screen");
        connect(source, clickEvent(source), this,
                [this, handler] { guard([this, handler] { (static_cast<S*>(this)->*handler)(); }); });
    }

    // The keyboard's tab order over these controls; the first takes the focus when the screen opens.
    void tabOrder(std::initializer_list<QWidget*> controls);

    const FontSpec& screenFont() const { return font_; }
    void setBackground(const QColor& colour);

    // The place of the controls alone, in pixels from the layout's top-left corner.
    QSize controlsSize() const;
    // Paints the drawing for a layout of `size` pixels, the painter's origin at the layout's top-left corner.
    virtual void paintDrawing(QPainter& painter, QSize size);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Repeat;
    void scheduleRepeat();
    void placeScrollBars();
    void bringIntoView(QWidget* control);
    bool guarded(const std::function<void()>& handler, bool repaint);
    static std::string_view kCalculatorKeysView();
    QString name_;
    FontSpec font_;
    Surface surface_;
    QWidget* firstFocus_ = nullptr;
    bool painted_ = false;
    bool painting_ = false;
    std::unique_ptr<Repeat> repeat_;
    QScrollBar* hbar_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    QPoint offset_;
};

// Work that runs from the event loop a step at a time, after its handler has returned (the workbench's animated
// simulation).  The driver waits until none is active before it answers a command.
namespace runs {
void begin();
void end();
// The runs that advance by themselves: none while steps are held.
int active();

// The time source of repeated steps (Screen::every): the event loop's timers at each step's interval (the
// application's), as soon as the event loop comes round (a whole run at once, still step by step), or held until
// a test fires them one at a time.
enum class Pace { Timed, Immediate, Held };
void setPace(Pace pace);
Pace pace();
// With held steps: runs the next step of every repeating screen; returns how many ran.
int fireHeld();
}  // namespace runs

// The registry of screens, and the show operation.  The application fills it from its catalogue, one row a
// screen; the widget layer itself names no screen.
namespace screens {
using Factory = std::function<Screen*()>;
// One row of the catalogue.
struct Entry {
    QString name;       // the screen's name, "FormN"
    QString title;      // its window title as the Italian layout gives it
    QString subsystem;  // the library that holds it: "home", "noise", "propagation", "transducers", "correlation"
    QString file;       // the source file of its screen class, from the source tree's root
    QString purpose;    // what it is for, in a line
    QString openedBy;   // the control whose click opens it, "FormN.CommandM" (empty for the first screen)
    Factory factory;
};
// Registers a screen; a row of the same name takes the place of the earlier one.
void add(Entry entry);
// A screen with only a name and a factory, shown by name but no row of the catalogue (a screen of the tests' own).
void add(const QString& name, Factory factory);
bool known(const QString& name);
// The names of every registered screen, in name order.
std::vector<QString> registered();
// Every row of the catalogue (every screen registered with its subsystem) in the order it was registered.
std::vector<Entry> catalogue();
// The screen that a click on `control` ("FormN.CommandM") opens, from the rows' openedBy; empty when none.
QString openedBy(const QString& control);
// Show a screen: if it does not exist, create it with its initial layout values; then make it visible, bring it
// to the front and activate it.  Modeless: returns at once.  An unknown name does nothing and returns nullptr.
Screen* show(const QString& name);
// The open screen of that name, or nullptr.
Screen* find(const QString& name);
// The open screens in creation order.
std::vector<Screen*> open();
}  // namespace screens

}  // namespace px
