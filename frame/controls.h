// The controls of the screens, placed in twips: labels, result labels, numeric fields with their key filter,
// choice boxes, buttons with wrapped captions, pictures, list boxes, frames and check boxes.
//
// One twips-to-pixel scale serves the whole application; it is chosen at start so that the layout fills the
// maximized window of the display at hand, and fonts follow the same scale.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

class QScreen;

namespace px {

// ---- Scale and fonts ------------------------------------------------------------------------------------------

namespace twips {
// Pixels per twip; 1/15 (96 pixels to the inch) until chosen.
double scale();
void setScale(double pixelsPerTwip);
// The scale at which a layout of about 11 700 x 8 700 twips fills the maximized window of that screen.
double scaleFor(const QScreen* screen);
// Twips to pixels, rounded to the nearest pixel.
int toPixels(double twips);
// A rectangle in twips (left, top, width, height) in pixels.
QRect toPixels(double left, double top, double width, double height);
}  // namespace twips

// The faces the layouts name.  Each maps to an installed substitute with close metrics.
enum class Face { SansSerif, Verdana, Courier };

struct FontSpec {
    Face face = Face::SansSerif;
    double points = 8.0;
    bool bold = false;
};
// The system's default dialog font (regular) and a named layout font (bold).
inline constexpr FontSpec kDialogFont{Face::SansSerif, 8.0, false};
constexpr FontSpec sans(double points) { return FontSpec{Face::SansSerif, points, true}; }
constexpr FontSpec verdana(double points) { return FontSpec{Face::Verdana, points, true}; }
// The Qt font of a layout font at the current scale.
QFont qtFont(const FontSpec& wanted);

// ---- Colours --------------------------------------------------------------------------------------------------

namespace colour {
inline const QColor black{0, 0, 0};
inline const QColor red{255, 0, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor green{0, 255, 0};
inline const QColor blue{0, 0, 255};
inline const QColor white{255, 255, 255};
inline const QColor lightGrey{192, 192, 192};
inline const QColor lightCyan{128, 255, 255};
// The system colours of the standard scheme.
QColor buttonFace();
QColor buttonText();
QColor menuText();
QColor highlightText();
}  // namespace colour

// A place in twips.
struct Rect {
    double left = 0, top = 0, width = 0, height = 0;
};

// How a label looks: text and background colours, transparency and border.
struct Look {
    QColor fore;  // invalid: the screen's text colour
    QColor back;  // invalid: the screen's background colour
    bool transparent = false;
    bool border = false;
    Qt::Alignment align = Qt::AlignLeft;
};

// A label's text in one colour on the screen's background, and a transparent label (the drawing shows around its
// text) in the screen's text colour or in one of its own.
inline Look inColour(const QColor& fore) {
    Look look;
    look.fore = fore;
    return look;
}
inline Look transparent(const QColor& fore = QColor()) {
    Look look;
    look.fore = fore;
    look.transparent = true;
    return look;
}

// ---- Controls -------------------------------------------------------------------------------------------------

// What a user reads off a control: its caption or text, whether it is shown, and a check box's tick.
struct Reading {
    std::string text;
    bool visible = false;
    std::optional<bool> checked;  // check boxes only
};

// Every control of a layout, and every screen, tells what a user reads off it.  A control counts as shown unless
// it was hidden itself (a control inside a hidden frame still counts as shown); a screen, when its window is.
class Control {
public:
    virtual ~Control() = default;
    virtual Reading reading() const = 0;
};

// A label: plain text that wraps at word boundaries inside its box, top-aligned.  Its font shrinks, only as far as
// needed, when the caption in the substitute face would not fit the box (wrapped) at the layout's size.
class Label : public QFrame, public Control {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font, Look look);
    Reading reading() const override;
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The font the layout gives, and the one the caption is drawn in after fitting.
    const QFont& layoutFont() const { return base_; }
    const QFont& fittedFont() const { return fitted_; }
    // Whether the caption, wrapped as drawn, fits inside the box.
    bool captionFits() const;
    QSize sizeHint() const override { return size(); }

signals:
    void clicked();
    // The caption was changed from `before` (a result written by a procedure, for example).
    void captionChanged(const QString& before);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fit();
    int inset() const;
    QRectF textRect() const;
    QString caption_;
    QFont base_;
    QFont fitted_;
    Qt::Alignment align_;
    bool pressed_ = false;
};

// A single-line numeric field: each typed character passes the key filter of its alphabet; Delete, arrows, Home
// and End edit and move as usual; pasted text is not filtered.  A field of no length of its own holds 32 767
// characters: a longer paste is refused whole, the field unchanged, with the fault "Testo troppo lungo".
class NumericField : public QLineEdit, public Control {
    Q_OBJECT
public:
    NumericField(QWidget* parent, const QString& name, const QString& initial, Rect place, FontSpec font,
                 std::string_view alphabet, int maxLength = 0);
    Reading reading() const override;
    // The text as Val reads it (UTF-8).
    std::string utf8() const { return text().toStdString(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string_view alphabet_;
};

// A choice box: an editable drop-down list whose current text (picked or typed, unfiltered, never completed)
// selects a case; or, with editable false, a drop-down list without typing.
class ChoiceBox : public QComboBox, public Control {
    Q_OBJECT
public:
    ChoiceBox(QWidget* parent, const QString& name, const QString& initial, const QStringList& items, Rect place,
              FontSpec font, bool editable = true);
    Reading reading() const override;
    QString text() const { return currentText(); }
    std::string utf8() const { return currentText().toStdString(); }
};

// A push button whose caption wraps onto several lines inside the button.
class Button : public QPushButton, public Control {
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font);
    Reading reading() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture from the resources, drawn stretched into its box.
class Picture : public QWidget, public Control {
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, const QString& resource, Rect place);
    Reading reading() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString resource_;
    bool pressed_ = false;
};

// A list box.
class ListBox : public QListWidget, public Control {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const QString& name, const QStringList& items, Rect place, FontSpec font);
    QString text() const;  // the selected item's text, empty when none
    Reading reading() const override;

signals:
    // An entry picked: clicked with the mouse, or reached with the arrow keys (or Home, End, Page Up/Down).
    void picked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A frame that groups controls, with a caption.
class GroupFrame : public QGroupBox, public Control {
    Q_OBJECT
public:
    GroupFrame(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font);
    Reading reading() const override;
};

// A check box.
class CheckBox : public QCheckBox, public Control {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font);
    Reading reading() const override;
};

// A rectangle outline in the text colour, drawn over the screen's drawing; clicks pass through it.
class Shape : public QWidget, public Control {
    Q_OBJECT
public:
    Shape(QWidget* parent, const QString& name, Rect place);
    Reading reading() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The event a user's click raises on each kind of control: a button's, check box's, label's or picture's click,
// a click on an entry of a list, the pick of an entry of a choice box.  Screen::onClick connects any of them.
inline auto clickEvent(Button*) { return &QPushButton::clicked; }
inline auto clickEvent(CheckBox*) { return &QCheckBox::clicked; }
inline auto clickEvent(Label*) { return &Label::clicked; }
inline auto clickEvent(Picture*) { return &Picture::clicked; }
inline auto clickEvent(ListBox*) { return &ListBox::picked; }
inline auto clickEvent(ChoiceBox*) { return &QComboBox::activated; }

}  // namespace px
