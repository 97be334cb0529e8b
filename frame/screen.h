// Screen: a top-level window with fixed controls placed in twips, created on its first show, brought forward on
// later shows and destroyed on close; the handler guard that turns a Fault into a report; the registry of screens
// by name, through which one screen opens another without knowing its class.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "controls.h"
#include "surface.h"

namespace px {

class Screen : public QWidget {
    Q_OBJECT
public:
    // `name` is the screen's name ("Form2"), `caption` its window title, `font` the font of controls without one.
    Screen(const QString& name, const QString& caption, FontSpec font = kDialogFont);
    ~Screen() override;

    const QString& name() const { return name_; }
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Runs the repaint handler if the window has not been painted yet, so that its drawing exists.
    void ensurePainted();
    bool painted() const { return painted_; }

    // Runs a handler: a Fault it throws ends it at that step, is reported, and the application goes on.
    void guard(const std::function<void()>& handler);

    // The control of that layout name, or nullptr.
    QWidget* control(const QString& name) const;

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

    // Connects a button's click, a picture's or a label's click, to a handler run under the guard.
    void onClick(Button* b, void (Screen::*handler)());
    template <class S>
    void onClick(Button* b, void (S::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guard([this, handler] { (static_cast<S*>(this)->*handler)(); }); });
    }
    template <class S>
    void onClick(Picture* p, void (S::*handler)()) {
        connect(p, &Picture::clicked, this,
                [this, handler] { guard([this, handler] { (static_cast<S*>(this)->*handler)(); }); });
    }

    // The keyboard's tab order over these controls; the first takes the focus when the screen opens.
    void tabOrder(std::initializer_list<QWidget*> controls);

    const FontSpec& screenFont() const { return font_; }
    void setBackground(const QColor& colour);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static std::string_view kCalculatorKeysView();
    QString name_;
    FontSpec font_;
    Surface surface_;
    QWidget* firstFocus_ = nullptr;
    bool painted_ = false;
    bool painting_ = false;
};

// The registry of screens, and the show operation.
namespace screens {
using Factory = std::function<Screen*()>;
void add(const QString& name, Factory factory);
bool known(const QString& name);
// The names of every registered screen, in name order.
std::vector<QString> registered();
// Show a screen: if it does not exist, create it with its initial layout values; then make it visible, bring it
// to the front and activate it.  Modeless: returns at once.  An unknown name does nothing and returns nullptr.
Screen* show(const QString& name);
// The open screen of that name, or nullptr.
Screen* find(const QString& name);
// The open screens in creation order.
std::vector<Screen*> open();
}  // namespace screens

}  // namespace px
