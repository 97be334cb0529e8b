#include "screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>

#include "export.h"
#include "fault.h"
#include "fault_box.h"
#include "memory.h"
#include "numbers.h"

namespace px {

namespace {
// The size a screen's window takes when restored from maximized, in twips of client area.
constexpr double kRestoredWidth = 4680;
constexpr double kRestoredHeight = 3192;

// The rows in the order they were registered, and each name's row.
struct Registry {
    std::vector<screens::Entry> rows;
    std::map<QString, std::size_t> byName;
};
Registry& registry() {
    static Registry all;
    return all;
}
std::vector<Screen*>& openScreens() {
    static std::vector<Screen*> all;
    return all;
}
}  // namespace

std::string_view Screen::kCalculatorKeysView() { return kCalculatorKeys; }

Screen::Screen(const QString& name, const QString& caption, FontSpec font)
    : QWidget(nullptr), name_(name), font_(font) {
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(qtFont(font));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::buttonFace());
    pal.setColor(QPalette::WindowText, colour::buttonText());
    setPalette(pal);
    surface_.setFont(qtFont(font));
    surface_.setBackground(colour::buttonFace());
    resize(twips::toPixels(kRestoredWidth), twips::toPixels(kRestoredHeight));
    openScreens().push_back(this);
    // A control that takes the focus outside the part of the layout in view is brought into it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now != this && now->window() == this) bringIntoView(now);
    });
}

QSize Screen::layoutSize() const {
    QSizeF all(controlsSize());
    // Only a drawing that printed text has moved the print position down.
    if (surface_.currentY() <= 0) return all.toSize();
    const QFontMetricsF metrics(surface_.font());
    surface_.forEach([&](const Primitive& p) {
        if (p.kind != Primitive::Text) return;
        const double x = p.x1 * twips::scale() + metrics.horizontalAdvance(surface_.textOf(p));
        const double y = p.y1 * twips::scale() + metrics.height();
        all = all.expandedTo(QSizeF(x, y));
    });
    return QSize(static_cast<int>(std::ceil(all.width())), static_cast<int>(std::ceil(all.height())));
}

QSize Screen::controlsSize() const {
    QRect all;
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isWindow() || w == hbar_ || w == vbar_ || dynamic_cast<Control*>(w) == nullptr)
            continue;
        all |= w->geometry().translated(offset_);
    }
    return QSize(std::max(0, all.right() + 1), std::max(0, all.bottom() + 1));
}

void Screen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeScrollBars();
}

void Screen::placeScrollBars() {
    const QSize layout = layoutSize();
    if (hbar_ == nullptr) {
        if (layout.width() <= width() && layout.height() <= height()) return;
        // The window's own scroll bars, made the first time the window is smaller than its layout; they are no
        // control of the layout.
        hbar_ = new QScrollBar(Qt::Horizontal, this);
        vbar_ = new QScrollBar(Qt::Vertical, this);
        hbar_->setAccessibleName(tr("Scorrimento orizzontale della finestra"));
        vbar_->setAccessibleName(tr("Scorrimento verticale della finestra"));
        for (QScrollBar* bar : {hbar_, vbar_}) {
            bar->setFocusPolicy(Qt::NoFocus);
            bar->hide();
            connect(bar, &QScrollBar::valueChanged, this,
                    [this] { scrollTo(QPoint(hbar_->value(), vbar_->value())); });
        }
    }
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // A bar takes room from the other direction: one bar can make the other needed.
    bool wide = layout.width() > width();
    bool tall = layout.height() > height();
    for (int i = 0; i < 2; ++i) {
        wide = layout.width() > width() - (tall ? extent : 0);
        tall = layout.height() > height() - (wide ? extent : 0);
    }
    const int viewWidth = width() - (tall ? extent : 0);
    const int viewHeight = height() - (wide ? extent : 0);
    hbar_->setVisible(wide);
    vbar_->setVisible(tall);
    hbar_->setRange(0, wide ? layout.width() - viewWidth : 0);
    vbar_->setRange(0, tall ? layout.height() - viewHeight : 0);
    hbar_->setPageStep(std::max(1, viewWidth));
    vbar_->setPageStep(std::max(1, viewHeight));
    hbar_->setSingleStep(twips::toPixels(240));
    vbar_->setSingleStep(twips::toPixels(240));
    hbar_->setGeometry(0, height() - extent, viewWidth, extent);
    vbar_->setGeometry(width() - extent, 0, extent, viewHeight);
    hbar_->raise();
    vbar_->raise();
    // The ranges may have shrunk: the offset follows the bars' values.
    scrollTo(QPoint(hbar_->value(), vbar_->value()));
}

void Screen::scrollTo(QPoint offset) {
    if (hbar_ == nullptr) return;
    offset.setX(std::clamp(offset.x(), 0, hbar_->isHidden() ? 0 : hbar_->maximum()));
    offset.setY(std::clamp(offset.y(), 0, vbar_->isHidden() ? 0 : vbar_->maximum()));
    if (offset == offset_) return;
    const QPoint delta = offset_ - offset;
    offset_ = offset;
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w != nullptr && !w->isWindow() && w != hbar_ && w != vbar_) w->move(w->pos() + delta);
    }
    hbar_->setValue(offset.x());
    vbar_->setValue(offset.y());
    update();
}

void Screen::bringIntoView(QWidget* control) {
    if (hbar_ == nullptr || (hbar_->isHidden() && vbar_->isHidden())) return;
    const QRect r(control->mapTo(this, QPoint(0, 0)), control->size());
    const int viewWidth = vbar_->isHidden() ? width() : vbar_->x();
    const int viewHeight = hbar_->isHidden() ? height() : hbar_->y();
    QPoint to = offset_;
    if (r.right() >= viewWidth) to.rx() += r.right() - viewWidth + 1;
    if (r.left() < 0) to.rx() += r.left();
    if (r.bottom() >= viewHeight) to.ry() += r.bottom() - viewHeight + 1;
    if (r.top() < 0) to.ry() += r.top();
    scrollTo(to);
}

void Screen::wheelEvent(QWheelEvent* event) {
    if (hbar_ == nullptr || (hbar_->isHidden() && vbar_->isHidden())) {
        QWidget::wheelEvent(event);
        return;
    }
    const QPoint steps = event->angleDelta() / 120;
    QScrollBar* along = (!vbar_->isHidden() && steps.y() != 0) || hbar_->isHidden() ? vbar_ : hbar_;
    const int notches = steps.y() != 0 ? steps.y() : steps.x();
    along->setValue(along->value() - notches * 3 * along->singleStep());
    event->accept();
}

struct Screen::Repeat {
    int intervalMs;
    std::function<bool()> step;
    QElapsedTimer started;
    qint64 count = 0;  // steps run so far
    std::unique_ptr<QTimer> timer;
};

Screen::~Screen() {
    stopRepeating();
    std::erase(openScreens(), this);
    // Every new window's controls come with palettes of their own, and the style caches their bevels and frames
    // under keys of each palette: pictures of a closed window that no window will ask for again.  They go with
    // the window (the open ones draw theirs afresh, in microseconds, at their next paint), and what the window
    // held is freed once its destruction is over: the kept memory is held to its ceiling then.
    // Screens closed together (every open one, at a test's end) share one clean-up.
    static bool pending = false;
    if (QCoreApplication::instance() == nullptr || pending) return;
    pending = true;
    QTimer::singleShot(0, [] {
        pending = false;
        QPixmapCache::clear();
        memory::settle();
    });
}

void Screen::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Closed is gone: the window is destroyed once the event loop comes round, but from now on a show creates
    // the screen afresh, and no repeated step runs again.
    if (event->isAccepted()) {
        stopRepeating();
        std::erase(openScreens(), this);
    }
}

void Screen::every(int intervalMs, std::function<bool()> step) {
    if (repeat_) return;
    repeat_ = std::make_unique<Repeat>();
    repeat_->intervalMs = intervalMs;
    repeat_->step = std::move(step);
    repeat_->started.start();
    repeat_->timer = std::make_unique<QTimer>();
    repeat_->timer->setSingleShot(true);
    repeat_->timer->setTimerType(Qt::PreciseTimer);
    connect(repeat_->timer.get(), &QTimer::timeout, this, &Screen::fireRepeat);
    runs::begin();
    scheduleRepeat();
}

void Screen::scheduleRepeat() {
    switch (runs::pace()) {
        case runs::Pace::Held:
            return;
        case runs::Pace::Immediate:
            repeat_->timer->start(0);
            return;
        case runs::Pace::Timed: {
            // Step n is due n intervals after the start, so the whole run keeps its pace.
            const qint64 due = repeat_->count * repeat_->intervalMs - repeat_->started.elapsed();
            repeat_->timer->start(static_cast<int>(std::max<qint64>(0, due)));
            return;
        }
    }
}

void Screen::fireRepeat() {
    if (!repeat_) return;
    const std::function<bool()> step = repeat_->step;
    bool more = false;
    const bool ran = guarded([&] { more = step(); }, false);
    if (!ran) update();
    if (!repeat_) return;  // stopped by the step itself, or the window closed meanwhile
    ++repeat_->count;
    if (ran && more)
        scheduleRepeat();
    else
        stopRepeating();
}

void Screen::stopRepeating() {
    if (!repeat_) return;
    const std::unique_ptr<Repeat> r = std::move(repeat_);
    r->timer->stop();
    // The timer may be the sender of the signal being handled: it goes once the event loop comes round.
    r->timer.release()->deleteLater();
    runs::end();
}

void Screen::setBackground(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    surface_.setBackground(c);
}

bool Screen::guard(const std::function<void()>& handler) { return guarded(handler, true); }

bool Screen::guarded(const std::function<void()>& handler, bool repaint) {
    // Whatever the handler drew is shown once it ends, also when a fault ended it part-way.
    struct Repaint {
        Screen* s;
        bool all;
        ~Repaint() {
            if (all && !s->painting_) s->update();
        }
    } repaintAll{this, repaint};
    try {
        handler();
        return true;
    } catch (const Fault& fault) {
        if (painting_) {
            // A message box cannot open inside a repaint: report once the paint is over.
            const Fault copy = fault;
            QTimer::singleShot(0, [copy] { faultReporter().report(copy); });
        } else {
            faultReporter().report(fault);
        }
    }
    return false;
}

QWidget* Screen::control(const QString& name) const {
    if (name.isEmpty()) return nullptr;  // an unnamed widget is a part of some control, never a control
    for (QWidget* w : findChildren<QWidget*>(name, Qt::FindChildrenRecursively))
        if (w->objectName() == name) return w;
    return nullptr;
}

Reading Screen::reading() const {
    Reading r;
    r.text = windowTitle().toStdString();
    r.visible = isVisible();
    return r;
}

void Screen::ensurePainted() {
    if (painted_) return;
    painted_ = true;
    painting_ = true;
    guard([this] { Form_Paint(); });
    painting_ = false;
    // What the repaint handler printed may reach beyond the window.
    if (surface_.currentY() > 0) QTimer::singleShot(0, this, &Screen::placeScrollBars);
}

void Screen::paintEvent(QPaintEvent*) {
    ensurePainted();
    QPainter p(this);
    // Scrolled: the drawing of the whole layout, moved as the controls are.
    if (!offset_.isNull()) p.translate(-offset_);
    // Rendered into a file or a printer, the drawing goes as vectors rather than as the window's image.
    if (exporting::paintsVectors(p)) return exporting::paintVectors(surface_, p);
    if (offset_.isNull()) {
        paintDrawing(p, size());
        return;
    }
    const QSize layout = layoutSize();
    paintDrawing(p, QSize(std::max(layout.width(), width() + offset_.x()),
                          std::max(layout.height(), height() + offset_.y())));
}

void Screen::paintDrawing(QPainter& painter, QSize size) { surface_.paint(painter, size, devicePixelRatioF()); }

void Screen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstFocus_ != nullptr && focusWidget() == nullptr) firstFocus_->setFocus(Qt::OtherFocusReason);
}

void Screen::tabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        w->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) setTabOrder(previous, w);
        previous = w;
    }
    firstFocus_ = controls.size() > 0 ? *controls.begin() : nullptr;
    if (firstFocus_ != nullptr) firstFocus_->setFocus(Qt::OtherFocusReason);
}

Label* Screen::label(const QString& name, const QString& caption, Rect r, Look look) {
    return label(name, caption, r, font_, look);
}

Label* Screen::label(const QString& name, const QString& caption, Rect r, FontSpec font, Look look) {
    auto* l = new Label(this, name, caption, r, font, look);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

Label* Screen::result(const QString& name, Rect r, FontSpec font) {
    Look look;
    look.border = true;
    return label(name, QString(), r, font, look);
}

NumericField* Screen::field(const QString& name, const QString& initial, Rect r, FontSpec font,
                            std::string_view alphabet) {
    return new NumericField(this, name, initial, r, font, alphabet);
}

ChoiceBox* Screen::choice(const QString& name, const QString& initial, const QStringList& items, Rect r,
                          FontSpec font, bool editable) {
    return new ChoiceBox(this, name, initial, items, r, font, editable);
}

Button* Screen::button(const QString& name, const QString& caption, Rect r, FontSpec font) {
    return new Button(this, name, caption, r, font);
}

Picture* Screen::picture(const QString& name, const QString& resource, Rect r) {
    return new Picture(this, name, resource, r);
}

Picture* Screen::logo(const QString& name, double width, double height) {
    return picture(name, QStringLiteral(":/logo.svg"), Rect{9600, 0, width, height});
}

namespace runs {
namespace {
int gActive = 0;
Pace gPace = Pace::Timed;
}  // namespace
void begin() { ++gActive; }
void end() {
    if (gActive > 0) --gActive;
}
int active() { return gPace == Pace::Held ? 0 : gActive; }
void setPace(Pace pace) { gPace = pace; }
Pace pace() { return gPace; }
int fireHeld() {
    int fired = 0;
    for (Screen* s : screens::open()) {
        if (!s->repeating()) continue;
        s->fireRepeat();
        ++fired;
    }
    return fired;
}
}  // namespace runs

// ---- Registry and the show operation ----------------------------------------------------------------------------

namespace screens {

void add(Entry entry) {
    Registry& r = registry();
    if (auto it = r.byName.find(entry.name); it != r.byName.end()) {
        r.rows[it->second] = std::move(entry);
        return;
    }
    r.byName.emplace(entry.name, r.rows.size());
    r.rows.push_back(std::move(entry));
}

void add(const QString& name, Factory factory) {
    Entry entry;
    entry.name = name;
    entry.factory = std::move(factory);
    add(std::move(entry));
}

bool known(const QString& name) { return registry().byName.count(name) != 0; }

std::vector<QString> registered() {
    std::vector<QString> names;
    for (const auto& [name, row] : registry().byName)
        names.push_back(name);
    return names;
}

std::vector<Entry> catalogue() {
    std::vector<Entry> rows;
    for (const Entry& row : registry().rows)
        if (!row.subsystem.isEmpty()) rows.push_back(row);
    return rows;
}

QString openedBy(const QString& control) {
    if (control.isEmpty()) return {};
    for (const Entry& row : registry().rows)
        if (row.openedBy == control) return row.name;
    return {};
}

Screen* find(const QString& name) {
    for (Screen* s : openScreens())
        if (s->name() == name) return s;
    return nullptr;
}

std::vector<Screen*> open() { return openScreens(); }

Screen* show(const QString& name) {
    Screen* s = find(name);
    if (s == nullptr) {
        const Registry& r = registry();
        auto it = r.byName.find(name);
        if (it == r.byName.end() || !r.rows[it->second].factory) return nullptr;
        s = r.rows[it->second].factory();
        exporting::attach(*s);
        s->showMaximized();
        // Without a window manager (a bare X server) nobody maximizes the window: fill the screen by hand.
        QTimer::singleShot(300, s, [s] {
            const QRect area = s->screen()->availableGeometry();
            if (s->isVisible() && s->isMaximized() && s->width() < area.width() * 9 / 10) s->setGeometry(area);
        });
    } else if (s->isMinimized()) {
        s->showMaximized();
    } else {
        s->show();
    }
    // The offscreen platform of the driver and the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        s->raise();
        s->activateWindow();
    }
    return s;
}

}  // namespace screens

}  // namespace px
