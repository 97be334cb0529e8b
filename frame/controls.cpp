#include "controls.h"

#include "translate.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "fault.h"
#include "fault_box.h"
#include "numbers.h"

namespace px {

// ---- Scale and fonts ------------------------------------------------------------------------------------------

namespace {
double gScale = 1.0 / 15.0;

// The extent of the layouts: controls reach 11 820 twips from the left (the cover's name) and about 8 600
// from the top.
constexpr double kLayoutWidth = 11850.0;
constexpr double kLayoutHeight = 8700.0;
// Room taken by a maximized window's title bar and borders.
constexpr int kDecorationWidth = 8;
constexpr int kDecorationHeight = 38;
}  // namespace

namespace twips {
double scale() { return gScale; }
void setScale(double pixelsPerTwip) { gScale = pixelsPerTwip; }

double scaleFor(const QScreen* screen) {
    if (screen == nullptr) return 1.0 / 15.0;
    const QRect area = screen->availableGeometry();
    const double sx = (area.width() - kDecorationWidth) / kLayoutWidth;
    const double sy = (area.height() - kDecorationHeight) / kLayoutHeight;
    return std::max(0.02, std::min(sx, sy));
}

int toPixels(double t) { return static_cast<int>(std::lround(t * gScale)); }

QRect toPixels(double left, double top, double width, double height) {
    const int x = toPixels(left);
    const int y = toPixels(top);
    // Edges are rounded, not sizes, so that adjoining boxes stay adjoining.
    return QRect(x, y, std::max(1, toPixels(left + width) - x), std::max(1, toPixels(top + height) - y));
}
}  // namespace twips

QFont qtFont(const FontSpec& wanted) {
    QFont font;
    // Substitutes with close metrics: Liberation Sans stands for MS Sans Serif, DejaVu Sans (drawn after the same
    // model) for Verdana.
    if (wanted.face == Face::Verdana)
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"), QStringLiteral("sans-serif")});
    else if (wanted.face == Face::Courier)
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                          QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    else
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("sans-serif")});
    font.setStyleHint(wanted.face == Face::Courier ? QFont::Monospace : QFont::SansSerif);
    font.setBold(wanted.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A point is 20 twips; the size in pixels follows the layout's scale.
    const double pixels = wanted.points * 20.0 * gScale;
    const double dpi =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInchY() : 96;
    font.setPointSizeF(std::max(1.0, pixels * 72.0 / dpi));
    return font;
}

namespace colour {
QColor buttonFace() { return QColor(240, 240, 240); }
QColor buttonText() { return QColor(0, 0, 0); }
QColor menuText() { return QColor(0, 0, 0); }
QColor highlightText() { return QColor(255, 255, 255); }
}  // namespace colour

namespace {
void place(QWidget* w, const QString& name, Rect r) {
    w->setObjectName(name);
    w->setGeometry(twips::toPixels(r.left, r.top, r.width, r.height));
}

Reading readingOf(const QWidget* w, const QString& text) {
    Reading r;
    r.text = text.toStdString();
    r.visible = !w->isHidden();
    return r;
}
}  // namespace

// ---- Label ----------------------------------------------------------------------------------------------------

Label::Label(QWidget* parent, const QString& name, const QString& caption, Rect where, FontSpec font, Look look)
    : QFrame(parent), caption_(caption), base_(qtFont(font)), align_(look.align) {
    place(this, name, where);
    if (look.border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
    }
    QPalette pal = palette();
    if (look.fore.isValid()) pal.setColor(QPalette::WindowText, look.fore);
    if (look.back.isValid()) pal.setColor(QPalette::Window, look.back);
    setPalette(pal);
    setAutoFillBackground(!look.transparent);
    if (look.transparent) setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setAccessibleName(caption_);
    fit();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) return;
    const QString before = caption_;
    caption_ = caption;
    setAccessibleName(caption_);
    fit();
    update();
    emit captionChanged(before);
}

Reading Label::reading() const { return readingOf(this, caption_); }

QRectF Label::textRect() const {
    const QRect r = contentsRect();
    return QRectF(r).adjusted(inset(), 0, -inset(), 0);
}

namespace {
constexpr int kWrapFlags = Qt::TextWordWrap | Qt::TextExpandTabs;
}

int Label::inset() const { return frameWidth() > 0 ? 1 : 0; }

bool Label::captionFits() const {
    if (caption_.isEmpty()) return true;
    const QRectF box = textRect();
    const QRectF need =
        QFontMetricsF(fitted_).boundingRect(QRectF(0, 0, box.width(), 1e6), kWrapFlags | Qt::AlignLeft, caption_);
    // Half a pixel of give for the rounding of the box's edges.
    return need.width() <= box.width() + 0.5 && need.height() <= box.height() + 1.0;
}

void Label::fit() {
    fitted_ = base_;
    for (int i = 0; i < 40 && !captionFits(); ++i)
        fitted_.setPointSizeF(fitted_.pointSizeF() * 0.97);
}

void Label::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setFont(fitted_);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect(), kWrapFlags | align_ | Qt::AlignTop, caption_);
}

void Label::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

// ---- NumericField ---------------------------------------------------------------------------------------------

namespace {
// The longest text a field of no length of its own holds.
constexpr int kLongestText = 32767;

// Refuses an edit that would make the text longer than the field holds: the field keeps its text and the user
// reads why, once for each refused edit.  The field's own limit is set one character beyond, so that an edit
// too long reaches this check rather than being cut short without a word.
class LengthCheck : public QValidator {
public:
    LengthCheck(QObject* parent, int longest) : QValidator(parent), longest_(longest) {}
    State validate(QString& text, int&) const override {
        if (text.size() <= longest_) return Acceptable;
        if (!pending_) {
            // Reported once the edit is over, not from inside it.
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                faultReporter().report(
                    Fault(FaultKind::Overflow, PX_TRANSLATE_NOOP("Fault", "Testo troppo lungo")));
            });
        }
        return Invalid;
    }

private:
    int longest_;
    mutable bool pending_ = false;
};
}  // namespace

NumericField::NumericField(QWidget* parent, const QString& name, const QString& initial, Rect where, FontSpec font,
                           std::string_view alphabet, int maxLength)
    : QLineEdit(parent), alphabet_(alphabet) {
    place(this, name, where);
    setFont(qtFont(font));
    if (maxLength > 0) {
        setMaxLength(maxLength);
    } else {
        setMaxLength(kLongestText + 1);
        setValidator(new LengthCheck(this, kLongestText));
    }
    setText(initial);
    setAccessibleName(name);
}

Reading NumericField::reading() const { return readingOf(this, text()); }

void NumericField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool editingKey = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    // Ctrl with a key is a shortcut, not a typed character: select all, copy, cut, paste, undo and redo work as in
    // any field (a paste is not filtered), and the field types nothing for the others.  Ctrl with Alt stands for
    // AltGr on some systems, which types characters, so it is filtered.
    const Qt::KeyboardModifiers held = event->modifiers();
    const bool shortcut = (held & Qt::ControlModifier) != 0 && (held & Qt::AltModifier) == 0;
    if (!typed.isEmpty() && !editingKey && !shortcut) {
        // A typed character: only the field's alphabet passes.
        const char32_t ch = typed.toUcs4().value(0);
        if (typed.size() > 2 || !keyAccepted(ch, alphabet_)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// ---- ChoiceBox ------------------------------------------------------------------------------------------------

ChoiceBox::ChoiceBox(QWidget* parent, const QString& name, const QString& initial, const QStringList& items,
                     Rect where, FontSpec font, bool editable)
    : QComboBox(parent) {
    place(this, name, where);
    setFont(qtFont(font));
    setEditable(editable);
    addItems(items);
    if (editable) {
        // The text is exactly what was picked or typed: no completion, and Enter adds no item.
        setCompleter(nullptr);
        setInsertPolicy(QComboBox::NoInsert);
        setDuplicatesEnabled(true);
        setEditText(initial);
    } else {
        setCurrentIndex(std::max(0, static_cast<int>(items.indexOf(initial))));
    }
    setAccessibleName(name);
}

Reading ChoiceBox::reading() const { return readingOf(this, currentText()); }

// ---- Button ---------------------------------------------------------------------------------------------------

Button::Button(QWidget* parent, const QString& name, const QString& caption, Rect where, FontSpec font)
    : QPushButton(caption, parent) {
    place(this, name, where);
    setFont(qtFont(font));
    setAccessibleName(caption);
    setAutoDefault(false);
}

Reading Button::reading() const { return readingOf(this, text()); }

void Button::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) r.translate(1, 1);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, text());
}

// ---- Picture --------------------------------------------------------------------------------------------------

namespace {

// Every picture of the resources, parsed once in the process and drawn once for each size and pixel ratio: the
// logo that every screen shows is one parse and, for the few sizes it takes, one drawing each.  The store lives
// as long as the application.
class PictureStore : public QObject {
public:
    static PictureStore& instance() {
        static QPointer<PictureStore> store;
        if (store.isNull()) store = new PictureStore(QCoreApplication::instance());
        return *store;
    }

    QPixmap image(const QString& resource, QSize size, double ratio) {
        const auto key = std::make_tuple(resource, size.width(), size.height(), ratio);
        if (auto it = images_.find(key); it != images_.end()) return it->second;
        const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                           static_cast<int>(std::ceil(size.height() * ratio)));
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(ratio);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer& r = renderer(resource);
            if (r.isValid()) r.render(&painter, QRectF(QRect(QPoint(0, 0), size)));
        }
        // Sizes change only with the display; should they keep changing, the oldest drawings are not kept.
        if (images_.size() >= kMostImages) images_.clear();
        images_.emplace(key, pixmap);
        return pixmap;
    }

private:
    explicit PictureStore(QObject* parent) : QObject(parent) {}

    QSvgRenderer& renderer(const QString& resource) {
        auto it = renderers_.find(resource);
        if (it == renderers_.end()) it = renderers_.emplace(resource, new QSvgRenderer(resource, this)).first;
        return *it->second;
    }

    static constexpr std::size_t kMostImages = 32;
    std::map<QString, QSvgRenderer*> renderers_;
    std::map<std::tuple<QString, int, int, double>, QPixmap> images_;
};

}  // namespace

Picture::Picture(QWidget* parent, const QString& name, const QString& resource, Rect where)
    : QWidget(parent), resource_(resource) {
    place(this, name, where);
    setAccessibleName(name);
    // A screen reader names a picture by what it shows (the logo by the product's name).
    setProperty("pxResource", resource);
}

Reading Picture::reading() const { return readingOf(this, QString()); }

void Picture::paintEvent(QPaintEvent*) {
    // The picture is drawn once for its size and pixel ratio, for every screen that shows it, and shown from then
    // on: a repaint of the screen around a plot need not draw the vector picture again.
    QPainter p(this);
    p.drawPixmap(0, 0, PictureStore::instance().image(resource_, size(), devicePixelRatioF()));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint()))
        emit clicked();
    pressed_ = false;
}

// ---- ListBox, GroupFrame, CheckBox ----------------------------------------------------------------------------

ListBox::ListBox(QWidget* parent, const QString& name, const QStringList& items, Rect where, FontSpec font)
    : QListWidget(parent) {
    place(this, name, where);
    setFont(qtFont(font));
    addItems(items);
    setAccessibleName(name);
    connect(this, &QListWidget::itemClicked, this, &ListBox::picked);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() != nullptr) emit picked();
}

QString ListBox::text() const { return currentItem() != nullptr ? currentItem()->text() : QString(); }

Reading ListBox::reading() const { return readingOf(this, text()); }

GroupFrame::GroupFrame(QWidget* parent, const QString& name, const QString& caption, Rect where, FontSpec font)
    : QGroupBox(caption, parent) {
    place(this, name, where);
    setFont(qtFont(font));
    setAccessibleName(caption);
}

Reading GroupFrame::reading() const { return readingOf(this, title()); }

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption, Rect where, FontSpec font)
    : QCheckBox(caption, parent) {
    place(this, name, where);
    setFont(qtFont(font));
    setAccessibleName(caption);
}

Reading CheckBox::reading() const {
    Reading r = readingOf(this, text());
    r.checked = isChecked();
    return r;
}

Shape::Shape(QWidget* parent, const QString& name, Rect where) : QWidget(parent) {
    place(this, name, where);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name);
}

Reading Shape::reading() const { return readingOf(this, QString()); }

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace px
