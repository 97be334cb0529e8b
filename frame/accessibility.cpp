#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QFontMetricsF>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <algorithm>
#include <limits>
#include <map>

#include "controls.h"
#include "screen.h"

namespace px {

namespace {

const char* const kCaption = "pxCaption";          // QObject*: the caption label named by the layout
const char* const kCaptionName = "pxCaptionName";  // QString: the name given by the layout
const char* const kResult = "pxResult";            // bool: a result label (bordered and empty when first shown)

std::map<const Screen*, std::function<QString()>>& describers() {
    static std::map<const Screen*, std::function<QString()>> all;
    return all;
}

// The screens whose content is text: the name of the text element and the text.
struct ShownText {
    QString name;
    std::function<QString()> text;
};
std::map<const Screen*, ShownText>& shownTexts() {
    static std::map<const Screen*, ShownText> all;
    return all;
}

const ShownText* shownText(const Screen* s) {
    const auto it = shownTexts().find(s);
    return it != shownTexts().end() && it->second.text ? &it->second : nullptr;
}

Screen* screenOf(const QWidget* w) { return w != nullptr ? qobject_cast<Screen*>(w->window()) : nullptr; }

bool isResult(const Label* l) {
    const QVariant marked = l->property(kResult);
    if (marked.isValid()) return marked.toBool();
    return l->frameStyle() != QFrame::NoFrame && l->caption().isEmpty();
}

void markResult(Label* l) {
    if (!l->property(kResult).isValid())
        l->setProperty(kResult, l->frameStyle() != QFrame::NoFrame && l->caption().isEmpty());
}

// A control a caption can stand for: a field, a choice box, a result label, a list.
bool isCaptioned(const QWidget* w) {
    if (auto* l = qobject_cast<const Label*>(w)) return isResult(l);
    return qobject_cast<const NumericField*>(w) != nullptr || qobject_cast<const ChoiceBox*>(w) != nullptr ||
           qobject_cast<const ListBox*>(w) != nullptr;
}

// A label that can be a caption: plain text, not a result.
bool isCaptionLabel(const QWidget* w) {
    auto* l = qobject_cast<const Label*>(w);
    return l != nullptr && !isResult(l) && !l->caption().simplified().isEmpty();
}

// A label that shows nothing to read: its caption is empty or blanks, and it is no result.  A screen reader does
// not meet it.
bool isBlankLabel(const QWidget* w) {
    auto* l = qobject_cast<const Label*>(w);
    return l != nullptr && !isResult(l) && l->caption().trimmed().isEmpty();
}

// Something that stands between a control and a label farther away: another label or control.
bool blocks(const QWidget* w) {
    return qobject_cast<const Label*>(w) != nullptr || qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const QComboBox*>(w) != nullptr || qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr;
}

// The caption by geometry: of the labels and controls on the same screen or frame that lie to the left of the
// control (overlapping its height), the nearest, if it is a label; failing that, of those above it (overlapping its
// width), the nearest, if it is a label.  A caption beside a control is closer to it than one over a column.
QWidget* geometricCaption(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr) return nullptr;
    const QRect r = control->geometry();
    const int slack = std::max(1, r.height() / 4);
    const int reach = std::max(3 * r.height(), r.width());
    struct Nearest {
        QWidget* widget = nullptr;
        long distance = std::numeric_limits<long>::max();
        void offer(QWidget* w, long d) {
            if (d < distance) widget = w, distance = d;
        }
        QWidget* caption() const { return widget != nullptr && isCaptionLabel(widget) ? widget : nullptr; }
    } left, above;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w == control || w->isWindow() || !blocks(w)) continue;
        if (w->isHidden() != control->isHidden()) continue;
        if (auto* l = qobject_cast<Label*>(w); l != nullptr && l->caption().simplified().isEmpty() && !isResult(l))
            continue;
        const QRect g = w->geometry();
        const int overlapY = std::min(g.bottom(), r.bottom()) - std::max(g.top(), r.top());
        const int overlapX = std::min(g.right(), r.right()) - std::max(g.left(), r.left());
        if (g.left() < r.left() && g.right() <= r.left() + slack && overlapY > 0) {
            const long d = std::max(0, r.left() - g.right());
            if (d <= reach) left.offer(w, d);
        } else if (g.top() < r.top() && g.bottom() <= r.top() + slack && overlapX > 0) {
            const long d = std::max(0, r.top() - g.bottom());
            if (d <= reach) above.offer(w, d);
        }
    }
    if (QWidget* c = left.caption()) return c;
    return above.caption();
}

QString captionText(const QWidget* label) {
    if (auto* l = qobject_cast<const Label*>(label)) return l->caption().simplified();
    return label != nullptr ? label->accessibleName() : QString();
}

// ---- Text over a string -----------------------------------------------------------------------------------------

// The read-only text interface of a label: its caption, no cursor, no selection.
class StaticTextInterface : public QAccessibleTextInterface {
public:
    virtual QString content() const = 0;
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = content();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }
};

// ---- Labels and result labels -----------------------------------------------------------------------------------

class LabelAccessible : public QAccessibleWidget, public StaticTextInterface {
public:
    explicit LabelAccessible(Label* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    Label* label() const { return static_cast<Label*>(widget()); }

    QString content() const override { return label()->caption(); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return accessibility::nameOf(label());
        if (t == QAccessible::Value || (t == QAccessible::Description && isResult(label())))
            return label()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto out = QAccessibleWidget::relations(match);
        if (isResult(label())) {
            if ((match & QAccessible::Label) != 0)
                if (QWidget* c = accessibility::captionLabel(label()))
                    if (auto* i = QAccessible::queryAccessibleInterface(c)) out.append({i, QAccessible::Label});
        } else if ((match & QAccessible::Labelled) != 0 && label()->parentWidget() != nullptr) {
            // The controls this label is the caption of.
            for (QObject* o : label()->parentWidget()->children()) {
                auto* w = qobject_cast<QWidget*>(o);
                if (w != nullptr && isCaptioned(w) && accessibility::captionLabel(w) == label())
                    if (auto* i = QAccessible::queryAccessibleInterface(w)) out.append({i, QAccessible::Labelled});
            }
        }
        return out;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
};

// The labelled-by relation of a control named by its caption label.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> captionRelation(const QWidget* control,
                                                                           QAccessible::Relation match) {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> out;
    if ((match & QAccessible::Label) != 0)
        if (QWidget* c = accessibility::captionLabel(control); c != nullptr && !isBlankLabel(c))
            if (auto* i = QAccessible::queryAccessibleInterface(c)) out.append({i, QAccessible::Label});
    return out;
}

// ---- Numeric fields -------------------------------------------------------------------------------------------

class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(NumericField* f) : QAccessibleWidget(f, QAccessible::EditableText) {}
    NumericField* field() const { return static_cast<NumericField*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return accessibility::nameOf(field());
        if (t == QAccessible::Value) return field()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            field()->setText(text);
            return;
        }
        QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = field()->isReadOnly();
        s.editable = !field()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return QAccessibleWidget::relations(match) + captionRelation(field(), match);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Text
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + static_cast<int>(field()->selectedText().size());
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override { field()->setSelection(start, end - start); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        const QString all = field()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    QRect characterRect(int offset) const override {
        const QFontMetricsF fm(field()->font());
        const QString before = field()->text().left(offset);
        const QRect inner = field()->contentsRect();
        const int x = inner.left() + static_cast<int>(fm.horizontalAdvance(before));
        const int w = static_cast<int>(fm.horizontalAdvance(field()->text().mid(offset, 1)));
        return QRect(field()->mapToGlobal(QPoint(x, inner.top())), QSize(std::max(1, w), inner.height()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

    // Editable text: what comes through the bus is set, like a paste, without the key filter.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        QString all = field()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        all.replace(start, end - start, text);
        field()->setText(all);
    }
};

// ---- Choice boxes ---------------------------------------------------------------------------------------------

class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(ChoiceBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    ChoiceBox* box() const { return static_cast<ChoiceBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return accessibility::nameOf(box());
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = box()->isEditable();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.hasPopup = true;
        return s;
    }
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable()) return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        if (child->object() == box()->view()) return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override { return box()->isEditable() ? child(1) : nullptr; }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return QAccessibleWidget::relations(match) + captionRelation(box(), match);
    }
};

// ---- Pictures -------------------------------------------------------------------------------------------------

// A picture that takes the focus is a button that Press (or Enter, or Space) clicks; any other is an image.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(Picture* p) : QAccessibleWidget(p, QAccessible::Graphic) {}
    Picture* picture() const { return static_cast<Picture*>(widget()); }
    bool pressable() const { return (picture()->focusPolicy() & Qt::TabFocus) != 0; }

    QAccessible::Role role() const override { return pressable() ? QAccessible::Button : QAccessible::Graphic; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return accessibility::nameOf(picture());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && pressable()) {
            emit picture()->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// ---- Screens and their drawing ----------------------------------------------------------------------------------

class FocusRing;

// An element of a screen that is no widget (its drawing, the text it shows): a leaf covering the whole window.
class ScreenElementAccessible : public QAccessibleInterface {
public:
    explicit ScreenElementAccessible(Screen* s) : screen_(s) {}
    bool isValid() const override { return !screen_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return screen_ ? screen_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(screen_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (screen_.isNull()) return QRect();
        return QRect(screen_->mapToGlobal(QPoint(0, 0)), screen_->size());
    }

protected:
    // Read-only, and invisible while its window is.
    QAccessible::State readOnlyState() const {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = screen_.isNull() || !screen_->isVisible();
        return s;
    }
    QPointer<Screen> screen_;
};

// The drawing of a screen, an element of its own: a chart whose description says what it shows.
class DrawingAccessible : public ScreenElementAccessible {
public:
    using ScreenElementAccessible::ScreenElementAccessible;
    QString text(QAccessible::Text t) const override {
        if (screen_.isNull()) return QString();
        if (t == QAccessible::Name) return QCoreApplication::translate("Accessibility", "Diagramma");
        if (t == QAccessible::Description) return accessibility::drawingDescription(screen_.data());
        return QString();
    }
    QAccessible::Role role() const override { return QAccessible::Chart; }
    QAccessible::State state() const override { return readOnlyState(); }
};

// The text a screen shows (a sheet's page, the glossary), an element of its own: a read-only document named after
// what it holds, whose text and description are the whole text.
class PageAccessible : public ScreenElementAccessible, public StaticTextInterface {
public:
    using ScreenElementAccessible::ScreenElementAccessible;
    QString content() const override {
        const ShownText* shown = screen_ ? shownText(screen_.data()) : nullptr;
        return shown != nullptr ? shown->text() : QString();
    }
    QString text(QAccessible::Text t) const override {
        const ShownText* shown = screen_ ? shownText(screen_.data()) : nullptr;
        if (shown == nullptr) return QString();
        if (t == QAccessible::Name) return shown->name;
        if (t == QAccessible::Description || t == QAccessible::Value) return shown->text();
        return QString();
    }
    QAccessible::Role role() const override { return QAccessible::Document; }
    QAccessible::State state() const override {
        QAccessible::State s = readOnlyState();
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }
};

class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(Screen* s) : QAccessibleWidget(s, QAccessible::Window) {}
    ~ScreenAccessible() override {
        if (drawingId_ != 0) QAccessible::deleteAccessibleInterface(drawingId_);
        if (pageId_ != 0) QAccessible::deleteAccessibleInterface(pageId_);
    }
    Screen* screen() const { return static_cast<Screen*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return accessibility::nameOf(screen());
        if (t == QAccessible::Description) {
            // The text the screen shows, or what its drawing shows, or what the layout says of the window.
            if (const ShownText* shown = shownText(screen())) return shown->text();
            const QString drawing = accessibility::drawingDescription(screen());
            return drawing.isEmpty() ? screen()->accessibleDescription() : drawing;
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto all = children();
        return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto all = children();
        const auto it = std::find(all.begin(), all.end(), child);
        return it == all.end() ? -1 : static_cast<int>(it - all.begin());
    }

private:
    std::vector<QAccessibleInterface*> children() const;
    QAccessibleInterface* drawing() const {
        if (drawingId_ == 0) {
            drawing_ = new DrawingAccessible(screen());
            drawingId_ = QAccessible::registerAccessibleInterface(drawing_);
        }
        return drawing_;
    }
    QAccessibleInterface* page() const {
        if (pageId_ == 0) {
            page_ = new PageAccessible(screen());
            pageId_ = QAccessible::registerAccessibleInterface(page_);
        }
        return page_;
    }
    mutable DrawingAccessible* drawing_ = nullptr;
    mutable QAccessible::Id drawingId_ = 0;
    mutable PageAccessible* page_ = nullptr;
    mutable QAccessible::Id pageId_ = 0;
};

// ---- The focus frame --------------------------------------------------------------------------------------------

constexpr int kRing = 2;  // pixels of frame
const char* const kRingName = "pxFocusRing";
constexpr int kGap = 1;  // pixels between the control and the frame

// A frame around the focused control, on top of the screen; clicks pass through it, and it draws nothing over the
// control itself.
class FocusRing : public QWidget {
public:
    explicit FocusRing(Screen* s) : QWidget(s) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QLatin1String(kRingName));
        hide();
    }
    void follow(QWidget* control) {
        auto* screen = static_cast<QWidget*>(parent());
        const QRect around(control->mapTo(screen, QPoint(0, 0)), control->size());
        const QRect outer = around.adjusted(-kRing - kGap, -kRing - kGap, kRing + kGap, kRing + kGap);
        const QRect shown = outer & screen->rect();
        if (shown.isEmpty()) {
            hide();
            return;
        }
        setGeometry(shown);
        const QRect local = outer.translated(-shown.topLeft());
        setMask(QRegion(local) - QRegion(local.adjusted(kRing, kRing, -kRing, -kRing)));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), accessibility::focusColour());
    }
};

// The children of a screen or a frame that a screen reader meets: neither windows, nor the focus frame, nor menus,
// nor blank labels.
bool exposed(const QWidget* w) {
    return w != nullptr && !w->isWindow() && dynamic_cast<const FocusRing*>(w) == nullptr &&
           qobject_cast<const QFocusFrame*>(w) == nullptr && qobject_cast<const QMenu*>(w) == nullptr &&
           !isBlankLabel(w);
}

// The interfaces of the children of a widget that a screen reader meets.
std::vector<QAccessibleInterface*> exposedChildren(const QWidget* parent) {
    std::vector<QAccessibleInterface*> out;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); exposed(w))
            if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w)) out.push_back(i);
    return out;
}

std::vector<QAccessibleInterface*> ScreenAccessible::children() const {
    std::vector<QAccessibleInterface*> out = exposedChildren(screen());
    if (shownText(screen()) != nullptr)
        out.push_back(page());
    else if (screen()->surface().size() != 0)
        out.push_back(drawing());
    return out;
}

// A frame that groups controls: named by its caption, with the controls a screen reader meets.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(GroupFrame* f) : QAccessibleWidget(f, QAccessible::Grouping) {}
    GroupFrame* frame() const { return static_cast<GroupFrame*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return frame()->title().simplified();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(exposedChildren(frame()).size()); }
    QAccessibleInterface* child(int index) const override {
        const auto all = exposedChildren(frame());
        return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto all = exposedChildren(frame());
        const auto it = std::find(all.begin(), all.end(), child);
        return it == all.end() ? -1 : static_cast<int>(it - all.begin());
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (auto* s = qobject_cast<Screen*>(object)) return new ScreenAccessible(s);
    if (auto* l = qobject_cast<Label*>(object)) return new LabelAccessible(l);
    if (auto* f = qobject_cast<NumericField*>(object)) return new FieldAccessible(f);
    if (auto* c = qobject_cast<ChoiceBox*>(object)) return new ChoiceAccessible(c);
    if (auto* p = qobject_cast<Picture*>(object)) return new PictureAccessible(p);
    if (auto* g = qobject_cast<GroupFrame*>(object)) return new FrameAccessible(g);
    return nullptr;
}

// ---- Events: captions, announcements, bus picks, keys, focus ----------------------------------------------------

bool isEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

// The screen's "Calcolo" button, in the screen's reading: the caption is translated in the screen's own context.
QAbstractButton* calcoloOf(Screen* s) {
    const QString calcolo = QCoreApplication::translate(s->metaObject()->className(), "Calcolo");
    for (QAbstractButton* b : s->findChildren<QAbstractButton*>()) {
        const QString caption = b->text().simplified();
        if ((caption == QLatin1String("Calcolo") || caption == calcolo) && b->isEnabled() && b->isVisibleTo(s))
            return b;
    }
    return nullptr;
}

// A choice made through the accessibility bus selects an item of the closed list: it becomes the box's choice,
// with its text, and the box's Click handler runs as after a pick with the mouse.  While the list is open, the
// box itself follows the user.
void followBusPicks(ChoiceBox* box) {
    QAbstractItemView* view = box->view();
    if (view == nullptr || view->selectionModel() == nullptr || box->property("pxBusPicks").toBool()) return;
    box->setProperty("pxBusPicks", true);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, box,
                     [box](const QItemSelection& selected) {
                         if (box->view()->isVisible() || selected.indexes().isEmpty()) return;
                         const int row = selected.indexes().first().row();
                         if (row == box->currentIndex()) return;
                         box->setCurrentIndex(row);
                         if (box->isEditable()) box->setEditText(box->itemText(row));
                         emit box->activated(row);
                         emit box->textActivated(box->itemText(row));
                     });
}

// The list of a box shows the box's choice as its one selected item: after a pick with the keys, the mouse or the
// bus, and after the open list was closed without a pick.  Its view tells the bus of the item selected.
void selectChoiceInList(ChoiceBox* box) {
    QAbstractItemView* view = box->view();
    QItemSelectionModel* selection = view != nullptr ? view->selectionModel() : nullptr;
    if (selection == nullptr || view->isVisible()) return;
    const int row = box->currentIndex();
    if (row < 0) {
        if (selection->hasSelection()) selection->clearSelection();
        return;
    }
    const QModelIndex index = box->model()->index(row, box->modelColumn(), box->rootModelIndex());
    const QModelIndexList selected = selection->selectedIndexes();
    if (selected.size() == 1 && selected.first() == index && selection->currentIndex() == index) return;
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

class ListCloses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            if (auto* box = qobject_cast<ChoiceBox*>(parent())) selectChoiceInList(box);
        return QObject::eventFilter(watched, event);
    }
};

void followChoice(ChoiceBox* box) {
    if (box->property("pxFollowsChoice").toBool() || box->view() == nullptr) return;
    box->setProperty("pxFollowsChoice", true);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] { selectChoiceInList(box); });
    box->view()->installEventFilter(new ListCloses(box));
    selectChoiceInList(box);
}

// The controls a caption label names, anywhere on its screen.
std::vector<QWidget*> captionedBy(const Label* caption) {
    std::vector<QWidget*> out;
    Screen* s = screenOf(caption);
    if (s == nullptr) return out;
    for (QWidget* w : s->findChildren<QWidget*>())
        if (w != caption && isCaptioned(w) && accessibility::captionLabel(w) == caption) out.push_back(w);
    return out;
}

void announceResults(Label* l) {
    if (l->property("pxAnnounces").toBool()) return;
    l->setProperty("pxAnnounces", true);
    QObject::connect(l, &Label::captionChanged, l, [l](const QString& before) {
        if (!QAccessible::isActive()) return;
        if (!isResult(l)) {
            // A caption that changes renames the controls it names (a process of the workbench recaptions its
            // fields); a screen reader keeps a name until it is told.
            for (QWidget* w : captionedBy(l)) {
                QAccessibleEvent renamed(w, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
            return;
        }
        QAccessibleTextUpdateEvent text(l, 0, before, l->caption());
        QAccessible::updateAccessibility(&text);
        QAccessibleEvent description(l, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    });
}

class Keeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Polish:
                if (auto* l = qobject_cast<Label*>(watched)) {
                    markResult(l);
                    announceResults(l);
                } else if (auto* c = qobject_cast<ChoiceBox*>(watched)) {
                    followBusPicks(c);
                    followChoice(c);
                    // An editable box that opens with a text of none of its items shows what it asks for.
                    if (c->isEditable() && !c->currentText().trimmed().isEmpty() &&
                        c->findText(c->currentText()) < 0 && !c->property(kCaptionName).isValid())
                        captionOf(c, c->currentText().simplified());
                } else if (auto* list = qobject_cast<ListBox*>(watched)) {
                    if (list->accessibleName() == list->objectName())
                        if (QWidget* c = accessibility::captionLabel(list)) list->setAccessibleName(captionText(c));
                }
                break;
            case QEvent::KeyPress:
                if (keyPress(watched, static_cast<QKeyEvent*>(event))) return true;
                break;
            case QEvent::Paint:
                if (auto* s = qobject_cast<Screen*>(watched)) describeChange(s);
                break;
            default:
                break;
        }
        return false;
    }

    void focusChanged(QWidget*, QWidget* now) {
        for (Screen* s : screens::open())
            if (now == nullptr || screenOf(now) != s)
                for (QWidget* r : s->findChildren<QWidget*>(QLatin1String(kRingName), Qt::FindDirectChildrenOnly))
                    r->hide();
        Screen* s = screenOf(now);
        if (s == nullptr || now == s) return;
        auto* ring =
            dynamic_cast<FocusRing*>(s->findChild<QWidget*>(QLatin1String(kRingName), Qt::FindDirectChildrenOnly));
        if (ring == nullptr) ring = new FocusRing(s);
        // A choice box's own edit line stands for the box.
        QWidget* control = now;
        if (auto* box = qobject_cast<QComboBox*>(now->parentWidget())) control = box;
        ring->follow(control);
    }

private:
    static bool keyPress(QObject* watched, QKeyEvent* key) {
        if (!watched->isWidgetType()) return false;
        if ((key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) return false;
        auto* w = static_cast<QWidget*>(watched);
        Screen* s = screenOf(w);
        if (s == nullptr) return false;
        if (auto* p = qobject_cast<Picture*>(w)) {
            if (!isEnter(key) && key->key() != Qt::Key_Space) return false;
            emit p->clicked();
            return true;
        }
        if (!isEnter(key)) return false;
        if (qobject_cast<NumericField*>(w) != nullptr) {
            QAbstractButton* calcolo = calcoloOf(s);
            if (calcolo == nullptr) return false;
            calcolo->click();
            return true;
        }
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            b->click();
            return true;
        }
        return false;
    }

    static void describeChange(Screen* s) {
        if (!QAccessible::isActive()) return;
        const QString now = accessibility::drawingDescription(s);
        if (s->property("pxDescribed").toString() == now) return;
        s->setProperty("pxDescribed", now);
        QAccessibleEvent changed(s, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
};

}  // namespace

void captionOf(QWidget* control, QWidget* caption) {
    control->setProperty(kCaption, QVariant::fromValue(static_cast<QObject*>(caption)));
}

void captionOf(QWidget* control, const QString& name) { control->setProperty(kCaptionName, name); }

void describeDrawing(Screen* screen, std::function<QString()> describe) {
    describers()[screen] = std::move(describe);
    QObject::connect(screen, &QObject::destroyed, [screen] { describers().erase(screen); });
}

void showsText(Screen* screen, const QString& name, std::function<QString()> text) {
    shownTexts()[screen] = ShownText{name, std::move(text)};
    QObject::connect(screen, &QObject::destroyed, [screen] { shownTexts().erase(screen); });
}

namespace accessibility {

QColor focusColour() { return QColor(0, 84, 200); }

void install() {
    static Keeper* keeper = nullptr;
    if (keeper != nullptr) return;
    keeper = new Keeper(qApp);
    QAccessible::installFactory(factory);
    qApp->installEventFilter(keeper);
    QObject::connect(qApp, &QApplication::focusChanged, keeper,
                     [](QWidget* old, QWidget* now) { keeper->focusChanged(old, now); });
}

QWidget* captionLabel(const QWidget* control) {
    if (control == nullptr) return nullptr;
    const QVariant named = control->property(kCaption);
    if (named.isValid()) return qobject_cast<QWidget*>(named.value<QObject*>());
    if (control->property(kCaptionName).isValid()) return nullptr;
    return geometricCaption(control);
}

bool isResult(const QWidget* label) {
    auto* l = qobject_cast<const Label*>(label);
    return l != nullptr && px::isResult(l);
}

void announcesItsText(QWidget* label) { label->setProperty(kResult, true); }

QString nameOf(const QWidget* control) {
    if (control == nullptr) return QString();
    if (auto* s = qobject_cast<const Screen*>(control)) {
        const QString title = s->windowTitle().simplified();
        return title.isEmpty() ? QStringLiteral("PELAGONIX") : title;
    }
    if (auto* l = qobject_cast<const Label*>(control); l != nullptr && !isResult(l))
        return l->caption().simplified();
    const QVariant given = control->property(kCaptionName);
    if (given.isValid()) return given.toString();
    // A name set by the layout itself (other than the layout name the controls start with) stands.
    const QString own = control->accessibleName();
    if (!own.isEmpty() && own != control->objectName() && qobject_cast<const Label*>(control) == nullptr)
        return own;
    // A picture is named by what it shows, never by a text that happens to stand beside it.
    if (auto* p = qobject_cast<const Picture*>(control))
        return p->property("pxResource").toString() == QLatin1String(":/logo.svg")
                   ? QCoreApplication::translate("Accessibility", "Logo di PELAGONIX")
                   : QCoreApplication::translate("Accessibility", "Immagine");
    if (QWidget* c = captionLabel(control)) {
        const QString caption = captionText(c);
        if (!caption.isEmpty()) return caption;
    }
    // Without a caption on the screen, what the control is.
    if (qobject_cast<const Label*>(control) != nullptr)
        return QCoreApplication::translate("Accessibility", "Risultato");
    if (qobject_cast<const NumericField*>(control) != nullptr)
        return QCoreApplication::translate("Accessibility", "Campo numerico");
    if (qobject_cast<const ChoiceBox*>(control) != nullptr)
        return QCoreApplication::translate("Accessibility", "Casella di scelta");
    return own;
}

QString drawingDescription(const Screen* screen) {
    if (screen == nullptr) return QString();
    const auto it = describers().find(screen);
    if (it != describers().end() && it->second) return it->second();
    if (screen->surface().size() == 0) return QString();
    // The results with their captions, in the order of the layout; a graph without results is told by its
    // captions (scales and legend).
    QStringList results;
    QStringList captions;
    for (Label* l : screen->findChildren<Label*>()) {
        if (l->isHidden()) continue;
        if (isResult(l)) {
            if (!l->caption().isEmpty()) results << nameOf(l) + QLatin1Char(' ') + l->caption();
        } else if (!l->caption().simplified().isEmpty()) {
            captions << l->caption().simplified();
        }
    }
    if (!results.isEmpty())
        return QCoreApplication::translate("Accessibility", "Diagramma dei risultati: ") +
               results.join(QStringLiteral("; "));
    return QCoreApplication::translate("Accessibility", "Diagramma: ") + captions.join(QStringLiteral("; "));
}

}  // namespace accessibility

}  // namespace px
