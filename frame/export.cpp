#include "export.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <unordered_map>

#include "controls.h"
#include "screen.h"
#include "surface.h"

namespace px {

// ---- Results tables ---------------------------------------------------------------------------------------------

namespace results {

double Axis::twipOf(double v) const { return at + per * (log ? std::log10(v) : v); }

double Axis::valueAt(double twip) const {
    const double u = (twip - at) / per;
    return log ? std::pow(10.0, u) : u;
}

void Table::clear() {
    inputs.clear();
    all.clear();
    made = false;
}

Series& Table::series(const QString& name, const QStringList& columns, int plot) {
    all.push_back(Series{name, columns, {}, plot, std::nullopt, true});
    return all.back();
}

void Table::input(const QString& caption, const QString& value) {
    inputs.push_back(caption.simplified() + QStringLiteral(" = ") + value.simplified());
}

namespace {
std::unordered_map<const Screen*, std::unique_ptr<Table>>& tables() {
    static std::unordered_map<const Screen*, std::unique_ptr<Table>> all;
    return all;
}
}  // namespace

Table& of(Screen& screen) {
    std::unique_ptr<Table>& t = tables()[&screen];
    if (!t) {
        t = std::make_unique<Table>();
        const Screen* key = &screen;
        QObject::connect(&screen, &QObject::destroyed, [key] { tables().erase(key); });
    }
    if (t->generation != screen.surface().generation()) {
        t->clear();
        t->generation = screen.surface().generation();
    }
    return *t;
}

Table& filled(Screen& screen) {
    screen.ensurePainted();
    Table& t = of(screen);
    if (!t.made) {
        t.made = true;
        if (t.maker && t.all.empty()) t.maker(t);
    }
    return t;
}

}  // namespace results

namespace exporting {

namespace {

FailureSink& failureSink() {
    static FailureSink sink;
    return sink;
}

FileChooser& fileChooser() {
    static FileChooser chooser;
    return chooser;
}

// A number in its shortest form that reads back to the same double, with a "." whatever the locale.
void appendNumber(QByteArray& out, double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, static_cast<qsizetype>(r.ptr - buf));
}

QString shortest(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, static_cast<qsizetype>(r.ptr - buf));
}

// A field of a CSV row: quoted when it holds a separator, a quote or a line break.
QByteArray csvField(const QString& s) {
    QByteArray b = s.toUtf8();
    if (b.contains(',') || b.contains('"') || b.contains('\n')) {
        b.replace("\"", "\"\"");
        b = '"' + b + '"';
    }
    return b;
}

bool isPicture(const QWidget* w) { return qobject_cast<const Picture*>(w) != nullptr; }

constexpr const char* kReadoutName = "px_readout";

// A control as vectors: its box, in the colour of a button or of a field, and its text.
void paintControlOutline(QWidget& w, QPainter& painter) {
    const auto* control = dynamic_cast<const Control*>(&w);
    const bool button = qobject_cast<QAbstractButton*>(&w) != nullptr && qobject_cast<QCheckBox*>(&w) == nullptr;
    const QRectF box(w.geometry());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(w.palette().color(QPalette::Mid), 1));
    painter.setBrush(w.palette().color(button ? QPalette::Button : QPalette::Base));
    if (qobject_cast<QCheckBox*>(&w) != nullptr)
        painter.drawRect(QRectF(box.left() + 2, box.center().y() - 6, 12, 12));
    else
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    if (control != nullptr) {
        QString text = QString::fromStdString(control->reading().text);
        if (auto* check = qobject_cast<QCheckBox*>(&w)) text = check->text();
        painter.setFont(w.font());
        painter.setPen(w.palette().color(button ? QPalette::ButtonText : QPalette::Text));
        const QRectF inner =
            qobject_cast<QCheckBox*>(&w) != nullptr ? box.adjusted(20, 0, 0, 0) : box.adjusted(4, 0, -4, 0);
        painter.drawText(inner, (button ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine,
                         text);
    }
    painter.restore();
}

// The window as the user sees it: the screen's own paint (its drawing as vectors on a vector device), then each
// control in its stacking order.  Pictures are left out where only vectors are wanted.
void paintWindow(Screen& screen, QPainter& painter, bool pictures) {
    painter.fillRect(screen.rect(), screen.surface().background());
    screen.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    for (QObject* o : screen.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isWindow() || w->isHidden()) continue;
        if (w->objectName() == QLatin1String(kReadoutName)) continue;
        if (!pictures && isPicture(w)) continue;
        if (!pictures && qobject_cast<Label*>(w) == nullptr) {
            // The style paints buttons, fields and lists from cached bitmaps: in a vector file each is its box
            // and its text instead.
            paintControlOutline(*w, painter);
            continue;
        }
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawChildren);
    }
}

}  // namespace

std::optional<Format> formatNamed(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("png")) return Format::Png;
    if (n == QLatin1String("svg")) return Format::Svg;
    if (n == QLatin1String("csv")) return Format::Csv;
    if (n == QLatin1String("pdf")) return Format::Pdf;
    return std::nullopt;
}

QString extensionOf(Format f) {
    switch (f) {
        case Format::Png:
            return QStringLiteral("png");
        case Format::Svg:
            return QStringLiteral("svg");
        case Format::Csv:
            return QStringLiteral("csv");
        case Format::Pdf:
            return QStringLiteral("pdf");
    }
    return {};
}

bool paintsVectors(const QPainter& painter) {
    const QPaintEngine* e = painter.paintEngine();
    if (e == nullptr) return false;
    switch (e->type()) {
        case QPaintEngine::SVG:
        case QPaintEngine::Pdf:
        case QPaintEngine::Picture:
            return true;
        default:
            return false;
    }
}

void paintVectors(const Surface& surface, QPainter& painter) {
    const double s = twips::scale();  // logical pixels per twip
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Points are gathered by colour into one path each while they follow one another, a quarter pixel apart at
    // least (closer ones fall on the same spot of the window), and each is a square of one pixel.
    std::map<QRgb, QPainterPath> dots;
    std::map<QRgb, std::pair<double, double>> last;
    auto flushDots = [&] {
        for (auto& [colour, path] : dots) {
            QPen pen(QColor::fromRgb(colour), 1, Qt::SolidLine, Qt::FlatCap);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
        }
        dots.clear();
        last.clear();
    };
    surface.forEach([&](const Primitive& p) {
        if (p.kind == Primitive::Point) {
            const double x = std::floor(p.x1 * s * 4 + 0.5) / 4;
            const double y = std::floor(p.y1 * s * 4 + 0.5) / 4;
            auto [it, fresh] = last.try_emplace(p.colour, x, y);
            if (!fresh) {
                if (it->second.first == x && it->second.second == y) return;
                it->second = {x, y};
            }
            QPainterPath& path = dots[p.colour];
            path.moveTo(x - 0.5, y);
            path.lineTo(x + 0.5, y);
            return;
        }
        flushDots();
        painter.setPen(QPen(QColor::fromRgb(p.colour), 1));
        painter.setBrush(Qt::NoBrush);
        switch (p.kind) {
            case Primitive::Line:
                painter.drawLine(QPointF(p.x1 * s, p.y1 * s), QPointF(p.x2 * s, p.y2 * s));
                break;
            case Primitive::Circle:
                painter.drawEllipse(QPointF(p.x1 * s, p.y1 * s), p.x2 * s, p.x2 * s);
                break;
            case Primitive::Text: {
                painter.setFont(surface.font());
                const QFontMetricsF fm(surface.font());
                painter.drawText(QPointF(p.x1 * s, p.y1 * s + fm.ascent()), surface.textOf(p));
                break;
            }
            default:
                break;
        }
    });
    flushDots();
    painter.restore();
}

// ---- The writers ------------------------------------------------------------------------------------------------

QByteArray png(Screen& screen) {
    screen.ensurePainted();
    QWidget* readout = screen.findChild<QWidget*>(QLatin1String(kReadoutName), Qt::FindDirectChildrenOnly);
    const bool shown = readout != nullptr && !readout->isHidden();
    if (shown) readout->hide();
    // The window at its pixel ratio: a grab is as many device pixels as the window shows.
    const QPixmap picture = screen.grab();
    if (shown) readout->show();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(Screen& screen) {
    screen.ensurePainted();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(screen.size());
    generator.setViewBox(QRect(QPoint(0, 0), screen.size()));
    generator.setTitle(screen.windowTitle());
    generator.setDescription(QStringLiteral("PELAGONIX"));
    QPainter painter(&generator);
    paintWindow(screen, painter, false);
    painter.end();
    return bytes;
}

namespace {
// The window fitted on one page of the device, centred, as large as the page allows.
void paintOnPage(Screen& screen, QPainter& painter, QRect page) {
    const double sx = static_cast<double>(page.width()) / screen.width();
    const double sy = static_cast<double>(page.height()) / screen.height();
    const double k = std::min(sx, sy);
    painter.translate(page.left() + (page.width() - screen.width() * k) / 2,
                      page.top() + (page.height() - screen.height() * k) / 2);
    painter.scale(k, k);
    paintWindow(screen, painter, true);
}

QPageLayout::Orientation orientationOf(const Screen& screen) {
    return screen.width() >= screen.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}
}  // namespace

QByteArray pdf(Screen& screen) {
    screen.ensurePainted();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(screen.windowTitle());
    writer.setCreator(QStringLiteral("PELAGONIX"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientationOf(screen), QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    paintOnPage(screen, painter, QRect(0, 0, writer.width(), writer.height()));
    painter.end();
    return bytes;
}

QByteArray csv(Screen& screen) {
    const results::Table& t = results::filled(screen);
    QByteArray out;
    if (t.all.empty() && t.report) {
        // A printed report: its text as it stands.
        return t.report().toUtf8();
    }
    std::size_t cells = 0;
    for (const results::Series& s : t.all)
        cells += s.cells.size();
    out.reserve(static_cast<qsizetype>(cells * 20 + 1024));
    out += "# " + screen.windowTitle().toUtf8() + '\n';
    // A calculator without a drawing gives its inputs and results, as "Copia dati e risultati" does.
    const QStringList lines = t.all.empty() && t.inputs.isEmpty() ? inputsOf(screen, true) : t.inputs;
    for (const QString& line : lines)
        out += "# " + line.toUtf8() + '\n';
    bool first = true;
    for (const results::Series& s : t.all) {
        if (!first) out += '\n';
        first = false;
        if (t.all.size() > 1 || !s.name.isEmpty()) out += "# " + s.name.toUtf8() + '\n';
        for (qsizetype c = 0; c < s.columns.size(); ++c) {
            if (c > 0) out += ',';
            out += csvField(s.columns[c]);
        }
        out += '\n';
        const std::size_t n = static_cast<std::size_t>(s.columns.size());
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            appendNumber(out, s.cells[i]);
            out += (i + 1) % n == 0 ? '\n' : ',';
        }
    }
    return out;
}

QByteArray bytesOf(Screen& screen, Format f) {
    switch (f) {
        case Format::Png:
            return png(screen);
        case Format::Svg:
            return svg(screen);
        case Format::Csv:
            return csv(screen);
        case Format::Pdf:
            return pdf(screen);
    }
    return {};
}

QString save(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    if (out.write(bytes) != bytes.size()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return reason.isEmpty() ? QCoreApplication::translate("Export", "scrittura incompleta") : reason;
    }
    if (!out.commit()) {
        const QString reason = out.errorString();
        return reason.isEmpty() ? QCoreApplication::translate("Export", "scrittura incompleta") : reason;
    }
    return {};
}

QString write(Screen& screen, Format f, const QString& file) { return save(file, bytesOf(screen, f)); }

QString proposedName(const Screen& screen, Format f) {
    QString name = screen.windowTitle().simplified();
    static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (kRefused.contains(c) || c.unicode() < 32) c = QLatin1Char('_');
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty()) name = screen.name();
    return name + QLatin1Char('.') + extensionOf(f);
}

QString failureMessage(const QString& file, const QString& reason) {
    return QCoreApplication::translate("Export", "Impossibile scrivere il file \"%1\": %2")
        .arg(QDir::toNativeSeparators(file), reason);
}

void setFailureSink(FailureSink sink) { failureSink() = std::move(sink); }

void setFileChooser(FileChooser chooser) { fileChooser() = std::move(chooser); }

// ---- The readout ------------------------------------------------------------------------------------------------

namespace {
QString brief(double v) { return QString::number(v, 'g', 5); }

QString quantity(const results::Axis& a, double v) {
    QString s = a.name + QStringLiteral(" = ") + brief(v);
    if (!a.unit.isEmpty()) s += QLatin1Char(' ') + a.unit;
    return s;
}

// The nearest drawn value of a series to a point in twips: its row, its column and the square of the distance.
struct Nearest {
    const results::Series* series = nullptr;
    std::size_t row = 0, column = 0;
    double distance = std::numeric_limits<double>::infinity();
};

void nearestIn(const results::Series& s, const results::Plot& plot, QPointF at, Nearest& best) {
    const std::size_t n = static_cast<std::size_t>(s.columns.size());
    const std::size_t rows = s.rows();
    if (n < 2 || rows == 0) return;
    const results::Axis& yAxis = s.y ? *s.y : plot.y;
    auto xOf = [&](std::size_t r) { return plot.x.twipOf(s.cells[r * n]) - at.x(); };
    auto visit = [&](std::size_t r, double dx) {
        for (std::size_t c = 1; c < n; ++c) {
            const double dy = yAxis.twipOf(s.cells[r * n + c]) - at.y();
            const double d = dx * dx + dy * dy;
            if (d < best.distance) best = Nearest{&s, r, c, d};
        }
    };
    // A curve drawn along its abscissa (the usual case) is searched from the row nearest the pointer outwards,
    // while the abscissa alone is nearer than the best point found: a few rows, not the whole curve.
    bool ascending = true;
    for (std::size_t r = 1; r < rows && ascending; ++r)
        ascending = !(s.cells[r * n] < s.cells[(r - 1) * n]);
    if (!ascending || plot.x.per <= 0) {
        for (std::size_t r = 0; r < rows; ++r)
            visit(r, xOf(r));
        return;
    }
    std::size_t lo = 0, hi = rows;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (xOf(mid) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (std::size_t r = lo; r < rows; ++r) {
        const double dx = xOf(r);
        if (dx * dx > best.distance) break;
        visit(r, dx);
    }
    for (std::size_t r = lo; r-- > 0;) {
        const double dx = xOf(r);
        if (dx * dx > best.distance) break;
        visit(r, dx);
    }
}
}  // namespace

QString readout(Screen& screen, QPointF at) {
    results::Table& t = results::filled(screen);
    // A printed report in place of the plot has no axes to read.
    if (t.all.empty() && t.report && !t.report().isEmpty()) return {};
    constexpr double kMargin = 60;
    for (std::size_t pi = 0; pi < t.plots.size(); ++pi) {
        const results::Plot& plot = t.plots[pi];
        if (!plot.area.adjusted(-kMargin, -kMargin, kMargin, kMargin).contains(at)) continue;
        QString text = quantity(plot.x, plot.x.valueAt(at.x())) + QStringLiteral("; ") +
                       quantity(plot.y, plot.y.valueAt(at.y()));
        Nearest best;
        for (const results::Series& s : t.all)
            if (s.readable && s.plot == static_cast<int>(pi)) nearestIn(s, plot, at, best);
        if (best.series != nullptr) {
            const results::Series& s = *best.series;
            const std::size_t n = static_cast<std::size_t>(s.columns.size());
            text += QCoreApplication::translate("Export", " | punto più vicino");
            if (!s.name.isEmpty()) text += QStringLiteral(" (") + s.name + QLatin1Char(')');
            text += QStringLiteral(": ") + s.columns[0] + QStringLiteral(" = ") + shortest(s.cells[best.row * n]) +
                    QStringLiteral(", ") + s.columns[static_cast<qsizetype>(best.column)] + QStringLiteral(" = ") +
                    shortest(s.cells[best.row * n + best.column]);
        }
        return text;
    }
    return {};
}

// ---- The context menu, the shortcuts and the readout of a window ------------------------------------------------

namespace {

void tellFailure(QWidget* parent, const QString& file, const QString& reason) {
    const QString message = failureMessage(file, reason);
    if (failureSink()) {
        failureSink()(message);
        return;
    }
    QMessageBox::warning(parent, QCoreApplication::translate("Export", "Esportazione"), message);
}

QString lastFolder() {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

void exportWithDialog(Screen& screen, const QString& title, const QList<Format>& formats) {
    QStringList filters;
    for (Format f : formats) {
        switch (f) {
            case Format::Png:
                filters << QCoreApplication::translate("Export", "Immagine PNG (*.png)");
                break;
            case Format::Svg:
                filters << QCoreApplication::translate("Export", "Immagine vettoriale SVG (*.svg)");
                break;
            case Format::Csv:
                filters << QCoreApplication::translate("Export", "Dati CSV (*.csv)");
                break;
            case Format::Pdf:
                filters << QCoreApplication::translate("Export", "Documento PDF (*.pdf)");
                break;
        }
    }
    QString chosenFilter = filters.front();
    const QString proposed = QDir(lastFolder()).filePath(proposedName(screen, formats.front()));
    const QString file = fileChooser()
                             ? fileChooser()(proposed)
                             : QFileDialog::getSaveFileName(&screen, title, proposed,
                                                            filters.join(QStringLiteral(";;")), &chosenFilter);
    if (file.isEmpty()) return;
    Format f = formats.front();
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters[i] == chosenFilter) f = formats[i];
    // The extension typed wins over the filter picked.
    if (const auto typed = formatNamed(QFileInfo(file).suffix()); typed && formats.contains(*typed)) f = *typed;
    const QString reason = write(screen, f, file);
    if (!reason.isEmpty()) tellFailure(&screen, file, reason);
}

void copyPicture(Screen& screen) {
    screen.ensurePainted();
    QApplication::clipboard()->setPixmap(screen.grab());
}

void printWindow(Screen& screen) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(screen.windowTitle());
    printer.setPageOrientation(orientationOf(screen));
    QPrintDialog dialog(&printer, &screen);
    dialog.setWindowTitle(QCoreApplication::translate("Export", "Stampa"));
    if (dialog.exec() != QDialog::Accepted) return;
    screen.ensurePainted();
    QPainter painter;
    if (!painter.begin(&printer)) {
        tellFailure(&screen, printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName(),
                    QCoreApplication::translate("Export", "la stampante non risponde"));
        return;
    }
    // The painter's origin is the printable area's corner.
    paintOnPage(screen, painter, QRect(0, 0, printer.width(), printer.height()));
    painter.end();
}

class Attachment : public QObject {
public:
    explicit Attachment(Screen& screen) : QObject(&screen), screen_(screen) {
        screen.setMouseTracking(true);
        screen.installEventFilter(this);
        // A screen with a Ctrl+C of its own (a report, a sheet's page) keeps it.
        for (const QAction* action : screen.actions())
            if (action->shortcut() == QKeySequence(QKeySequence::Copy)) ownCopy_ = true;
        if (!ownCopy_)
            for (QLineEdit* edit : screen.findChildren<QLineEdit*>())
                edit->installEventFilter(this);
        addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyPicture(screen_); });
        addShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveImage(); });
        addShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { saveData(); });
        addShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printWindow(screen_); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ContextMenu:
                if (watched == &screen_) {
                    menu(static_cast<QContextMenuEvent*>(event)->globalPos());
                    return true;
                }
                break;
            case QEvent::MouseMove:
                if (watched == &screen_) show(static_cast<QMouseEvent*>(event)->position());
                break;
            case QEvent::Leave:
                if (watched == &screen_ && readout_ != nullptr) readout_->hide();
                break;
            case QEvent::KeyPress: {
                // Ctrl+C without a selection copies the inputs and results; with one, the field copies it.  A
                // window with nothing of the kind lets the keys go on to where they went before.
                auto* key = static_cast<QKeyEvent*>(event);
                if (!ownCopy_ && key->matches(QKeySequence::Copy)) {
                    auto* edit = qobject_cast<QLineEdit*>(watched);
                    if (edit != nullptr && edit->hasSelectedText()) break;
                    if (!copyResults()) break;
                    return true;
                }
                break;
            }
            default:
                break;
        }
        return false;
    }

private:
    void addShortcut(const QKeySequence& keys, std::function<void()> run) {
        auto* action = new QAction(&screen_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, std::move(run));
        screen_.addAction(action);
    }

    void saveImage() {
        exportWithDialog(screen_, QCoreApplication::translate("Export", "Salva immagine"),
                         {Format::Png, Format::Svg});
    }
    void saveData() {
        exportWithDialog(screen_, QCoreApplication::translate("Export", "Esporta dati"), {Format::Csv});
    }
    // Copies the inputs and results, one "caption value" a line; false when the screen has none.
    bool copyResults() {
        const QString text = inputsOf(screen_, true).join(QLatin1Char('\n'));
        if (text.isEmpty()) return false;
        QApplication::clipboard()->setText(text);
        return true;
    }

    void menu(const QPoint& global) {
        QMenu m(&screen_);
        m.addAction(QCoreApplication::translate("Export", "Copia immagine"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyPicture(screen_); });
        m.addAction(QCoreApplication::translate("Export", "Copia dati e risultati"), QKeySequence::Copy,
                    [this] { copyResults(); });
        m.addSeparator();
        m.addAction(QCoreApplication::translate("Export", "Salva immagine (PNG, SVG)..."),
                    QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveImage(); });
        m.addAction(QCoreApplication::translate("Export", "Esporta dati (CSV)..."),
                    QKeySequence(Qt::CTRL | Qt::Key_E), [this] { saveData(); });
        m.addAction(QCoreApplication::translate("Export", "Esporta PDF..."), [this] {
            exportWithDialog(screen_, QCoreApplication::translate("Export", "Esporta PDF"), {Format::Pdf});
        });
        m.addAction(QCoreApplication::translate("Export", "Stampa..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                    [this] { printWindow(screen_); });
        m.exec(global);
    }

    // The readout follows the pointer over a plot; the drawing is not touched.  It sits in the window's lower left
    // corner, below every plot.
    void show(QPointF pixel) {
        const double s = twips::scale();
        if (results::of(screen_).plots.empty()) return;
        const QString text = readout(screen_, QPointF(pixel.x() / s, pixel.y() / s));
        if (text.isEmpty()) {
            if (readout_ != nullptr) readout_->hide();
            return;
        }
        if (readout_ == nullptr) {
            readout_ = new QLabel(&screen_);
            readout_->setObjectName(QLatin1String(kReadoutName));
            readout_->setAccessibleName(QCoreApplication::translate("Export", "Lettura del grafico"));
            readout_->setAutoFillBackground(true);
            readout_->setFrameStyle(QFrame::Box | QFrame::Plain);
            readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        // Short lines, a quantity each: the pointer's, then the nearest point's.
        readout_->setText(QString(text)
                              .replace(QStringLiteral(" | "), QStringLiteral("\n"))
                              .replace(QStringLiteral("; "), QStringLiteral("\n"))
                              .replace(QStringLiteral(": "), QStringLiteral(":\n"))
                              .replace(QStringLiteral(", "), QStringLiteral("\n")));
        readout_->adjustSize();
        readout_->move(placeFor(readout_->size(), pixel));
        readout_->raise();
        readout_->show();
    }

    // Where the readout goes: the first corner of the window (lower left, upper right, lower right, upper left)
    // clear of every plot, so that it covers no curve; in a window too small for that, the corner farthest from
    // the pointer.
    QPoint placeFor(QSize size, QPointF pointer) const {
        const int w = screen_.width(), h = screen_.height(), m = 4;
        const QPoint corners[] = {{m, h - size.height() - m},
                                  {w - size.width() - m, m},
                                  {w - size.width() - m, h - size.height() - m},
                                  {m, m}};
        const double s = twips::scale();
        const std::vector<results::Plot>& plots = results::of(screen_).plots;
        for (const QPoint& c : corners) {
            const QRectF box{QPointF(c), QSizeF(size)};
            bool clear = true;
            for (const results::Plot& plot : plots) {
                const QRectF area(plot.area.left() * s, plot.area.top() * s, plot.area.width() * s,
                                  plot.area.height() * s);
                if (box.intersects(area.adjusted(-m, -m, m, m))) clear = false;
            }
            if (clear) return QPoint(std::max(0, c.x()), std::max(0, c.y()));
        }
        QPoint far = corners[0];
        double farthest = -1;
        for (const QPoint& c : corners) {
            const QPointF centre = QRectF(QPointF(c), QSizeF(size)).center();
            const double d = std::hypot(centre.x() - pointer.x(), centre.y() - pointer.y());
            if (d > farthest) farthest = d, far = c;
        }
        return QPoint(std::max(0, far.x()), std::max(0, far.y()));
    }

    Screen& screen_;
    QLabel* readout_ = nullptr;
    bool ownCopy_ = false;
};

}  // namespace

QStringList inputsOf(Screen& screen, bool withResults) {
    QStringList lines;
    QString caption;
    for (QObject* o : screen.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isHidden()) continue;
        QString value;
        bool isValue = false;
        if (auto* label = qobject_cast<Label*>(w)) {
            if (label->frameShape() != QFrame::NoFrame) {
                if (!withResults) continue;
                value = label->caption();
                isValue = true;
            } else {
                caption = label->caption().simplified();
            }
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            value = field->text();
            isValue = true;
        } else if (auto* choice = qobject_cast<ChoiceBox*>(w)) {
            value = choice->text();
            isValue = true;
            // A choice without a caption of its own shows its value alone: "Sferica".
            if (caption.isEmpty()) {
                if (!value.isEmpty()) lines << value.simplified();
                continue;
            }
        }
        if (!isValue || caption.isEmpty()) continue;
        lines << caption + QLatin1Char(' ') + value.simplified();
        caption.clear();
    }
    return lines;
}

void attach(Screen& screen) {
    if (screen.property("px_attached").toBool()) return;
    screen.setProperty("px_attached", true);
    new Attachment(screen);
}

}  // namespace exporting

}  // namespace px
