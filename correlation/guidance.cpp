// What the workbench tells its user beside the drawing: the hint line under "Compara   grafici" (data taken over
// or not, the pair stored, the simulation running, stopped or ended, a report copied or none to copy), Enter in a
// data field, Esc, the tool-tip of every field after the process that set its caption, and the view of a printed
// report longer than the room above the controls.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QWheelEvent>
#include <cmath>
#include <exception>

#include "workbench.h"

#include "accessibility.h"

namespace px {

namespace {

// The band above the controls where a long report is read, in twips: from the top of the window to the top of
// "SELEZIONE    PROCESSO", as wide as the plot; its scroll bar stands just right of it.
constexpr double kReportWidth = 6600;
constexpr double kReportHeight = 4680;

// The hint line: under the check box "Compara   grafici", above the algorithm list's title, where no process
// shows anything (the simulation's rectangle ends above it).
constexpr Rect kHintPlace{5520, 6510, 5820, 300};

// What each caption a process sets means, and in which unit.  A caption is matched in the reading shown.
struct FieldTip {
    const char* caption;
    const char* tip;
};
const FieldTip kTips[] = {
    {"F  (Hz)", QT_TRANSLATE_NOOP("px::Form12", "Frequenza superiore F della banda 0-F, in Hz")},
    {"F1  (Hz)", QT_TRANSLATE_NOOP("px::Form12", "Frequenza inferiore F1 della banda, in Hz")},
    {"F2  (Hz)", QT_TRANSLATE_NOOP("px::Form12", "Frequenza superiore F2 della banda, in Hz")},
    {"F.scala(microS.)", QT_TRANSLATE_NOOP("px::Form12", "Fondo scala dell'asse dei tempi, in microsecondi")},
    {"tc (microS.)", QT_TRANSLATE_NOOP("px::Form12", "Ritardo tc fra i due segnali, in microsecondi")},
    {"Fondo scala (X°)", QT_TRANSLATE_NOOP("px::Form12", "Fondo scala dell'asse degli angoli, in gradi")},
    {"Fondo scala (x°)", QT_TRANSLATE_NOOP("px::Form12", "Fondo scala dell'asse degli angoli, in gradi")},
    {"BRQ  (a°)", QT_TRANSLATE_NOOP("px::Form12", "Angolo di provenienza BRQ della sorgente, in gradi")},
    {"Base d(mt)", QT_TRANSLATE_NOOP("px::Form12", "Lunghezza d della base, in metri")},
    {"s/n ingresso (db)", QT_TRANSLATE_NOOP("px::Form12", "Rapporto segnale/rumore d'ingresso, in dB")},
    {"rc(Sec.)", QT_TRANSLATE_NOOP("px::Form12", "Costante di tempo d'integrazione RC, in secondi")},
    {"V.alim.(Vcc.)", QT_TRANSLATE_NOOP("px::Form12", "Tensione di alimentazione Valim, in volt continui")},
    {"Sux(Vcc.)", QT_TRANSLATE_NOOP("px::Form12", "Tensione d'uscita Sux, in volt continui")},
    {"V.eff.ingr.", QT_TRANSLATE_NOOP("px::Form12", "Tensione efficace d'ingresso Ving = Si + Ni, in volt")},
    {"Si/Ni(dB)", QT_TRANSLATE_NOOP("px::Form12", "Rapporto segnale/rumore d'ingresso Si/Ni, in dB")},
    {"RC(Sec.)", QT_TRANSLATE_NOOP("px::Form12", "Costante di tempo d'integrazione RC, in secondi")},
    {"BW(Hz)", QT_TRANSLATE_NOOP("px::Form12", "Banda di ricezione BW, in Hz")},
    {"d(roc)", QT_TRANSLATE_NOOP("px::Form12", "Indice di scoperta d(roc), numero puro")},
    {"Nux(Veff.)", QT_TRANSLATE_NOOP("px::Form12", "Rumore d'uscita Nux, in volt efficaci")},
    {"Si/Ni(db)", QT_TRANSLATE_NOOP("px::Form12", "Rapporto segnale/rumore d'ingresso, in dB (non sotto -20 dB)")},
    {"Sux (atteso)", QT_TRANSLATE_NOOP("px::Form12", "Uscita attesa del correlatore, in volt (risultato)")},
    {"Sux(dinamico)", QT_TRANSLATE_NOOP("px::Form12", "Uscita simulata del correlatore, in volt (risultato)")},
    {"Nux(Picco)/100",
     QT_TRANSLATE_NOOP("px::Form12", "Scarto relativo di un canale non correlato, numero puro (risultato)")},
    {"G.autom.", QT_TRANSLATE_NOOP("px::Form12", "Guadagno automatico del correlogramma, numero puro (risultato)")},
    {"n", QT_TRANSLATE_NOOP("px::Form12", "Lunghezza n dei due blocchi: al più 64 coppie")},
    {"mult.=1",
     QT_TRANSLATE_NOOP("px::Form12",
                       "Modo: 1 correla B con A a ogni scorrimento; un altro valore dà il rapporto singolo")},
};

// The keys that scroll a long report pass over a data field, which would take Ctrl+Home and Ctrl+End itself.
class ReportKeysPassThrough : public QObject {
public:
    ReportKeysPassThrough(Form12* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && form_->reportScrolls()) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::MoveToStartOfDocument) ||
                key->matches(QKeySequence::MoveToEndOfDocument) || key->matches(QKeySequence::MoveToNextPage) ||
                key->matches(QKeySequence::MoveToPreviousPage))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Form12* form_;
};

// The scroll bar of a long report: it reads, for a test or a driver, the lines in view.
class ReportScrollBar : public QScrollBar, public Control {
public:
    ReportScrollBar(Form12* form) : QScrollBar(Qt::Vertical, form), form_(form) {}
    Reading reading() const override {
        Reading r;
        const auto [first, last] = form_->reportLinesInView();
        r.text = Form12::tr("righe %1-%2 di %3").arg(first).arg(last).arg(form_->reportLineCount()).toStdString();
        r.visible = !isHidden();
        return r;
    }

private:
    Form12* form_;
};

double lineHeight(const Surface& surface) { return QFontMetricsF(surface.font()).height() / twips::scale(); }

}  // namespace

// ---- Set-up
// --------------------------------------------------------------------------------------------------------

void Form12::setUpGuidance() {
    Label16 = new Label(this, QStringLiteral("Label16"), QString(), kHintPlace, kDialogFont, transparent());
    Label16->setFocusPolicy(Qt::NoFocus);
    // The hint is named by what it is, not by the worked example that happens to stand above it.
    captionOf(Label16, tr("Suggerimento"));
    // Each new hint is heard, as a new result is.
    accessibility::announcesItsText(Label16);

    // Enter in a data field takes the data over and computes.
    for (NumericField* f : fields_) {
        auto* enter = new QAction(f);
        enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        enter->setShortcutContext(Qt::WidgetShortcut);
        f->addAction(enter);
        connect(enter, &QAction::triggered, this, [this] { guard([this] { enterInField(); }); });
        connect(f, &QLineEdit::textChanged, this, [this] {
            if (quiet_ == 0) fieldEdited();
        });
    }

    // Esc stops the simulation that runs (a shortcut of the window, not an entry of its context menu).
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, &Form12::stopSimulation);

    // Ctrl+C without a report: nothing is copied, and the hint says so.
    copyNothing_ = new QShortcut(QKeySequence::Copy, this);
    copyNothing_->setContext(Qt::WindowShortcut);
    connect(copyNothing_, &QShortcut::activated, this,
            [this] { setHint(tr("Nessun rapporto da copiare: gli appunti non cambiano")); });

    // The report's view.
    auto* bar = new ReportScrollBar(this);
    reportScroll = bar;
    bar->setObjectName(QStringLiteral("VScroll1"));
    bar->setAccessibleName(tr("Scorrimento del rapporto"));
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { update(); });
    struct Key {
        QKeySequence keys;
        int direction;  // -2 to the start, -1 a page up, 1 a page down, 2 to the end
    };
    for (const Key& k : {Key{QKeySequence::MoveToStartOfDocument, -2}, Key{QKeySequence::MoveToEndOfDocument, 2},
                         Key{QKeySequence::MoveToPreviousPage, -1}, Key{QKeySequence::MoveToNextPage, 1}}) {
        auto* s = new QShortcut(k.keys, this);
        s->setContext(Qt::WindowShortcut);
        s->setEnabled(false);
        s->setObjectName(QStringLiteral("pxReportKey"));
        connect(s, &QShortcut::activated, this, [this, d = k.direction] {
            if (d == -2 || d == 2)
                scrollReportTo(d == 2);
            else
                scrollReport(d * reportScroll->pageStep());
        });
    }
    auto* pass = new ReportKeysPassThrough(this);
    for (NumericField* f : fields_)
        f->installEventFilter(pass);

    // The simulation's rectangle: the layout starts it 120 twips above the window, where its top edge cannot be
    // seen; it starts at the window's top instead, with the same bottom.  Where it meets the logo it passes
    // behind it.
    const QRect shape = twips::toPixels(6840, 0, 4500, 6615 - 120);
    Shape2->setGeometry(shape);
    Shape2->setMask(QRegion(Shape2->rect()) - QRegion(Picture1->geometry().translated(-shape.topLeft())));

    afterHandler();  // the fields' descriptions and the report's view, as after every handler
}

// ---- The hint --------------------------------------------------------------------------------------------------

void Form12::setHint(const QString& text) {
    if (Label16 == nullptr || Label16->caption() == text) return;
    Label16->setCaption(text);
}

QString Form12::hint() const { return Label16 != nullptr ? Label16->caption() : QString(); }

void Form12::fieldEdited() {
    const Process p = process();
    const bool takesData =
        (p >= AnalFtc && p <= DigQuadrature) || p == Blocks || (p == Algorithms && algorithm() >= 0);
    if (!takesData) return;
    edited_ = true;
    setHint(p == Blocks ? tr("Coppia non memorizzata: premere Convalida dati (o Invio)")
                        : tr("Dati non convalidati: premere Convalida dati (o Invio)"));
}

// What the hint says after each handler.  `pressed` is 0 for a pick in the process list, 1 for "Convalida dati",
// 2 for "Calcolo", 3 for a pick in the algorithm list.
Form12Aftermath::Form12Aftermath(Form12& form, int button)
    : f(form), pressed(button), wasRunning(form.repeating()) {
    ++f.quiet_;
}

Form12Aftermath::~Form12Aftermath() {
    --f.quiet_;
    f.afterHandler();
    if (std::uncaught_exceptions() == 0) say();
}

void Form12Aftermath::say() {
    const Form12::Process p = f.process();
    const bool curve = p >= Form12::AnalFtc && p <= Form12::DigQuadrature;
    if (wasRunning && p != Form12::Simulation) {
        f.setHint(Form12::tr("Simulazione fermata al ciclo %1: processo cambiato").arg(f.sim.cycle));
        return;
    }
    if (pressed == 3 && p != Form12::Algorithms) return;
    if (pressed == 0 || pressed == 3) {
        f.edited_ = false;
        if (curve)
            f.setHint(f.validatedOnce_ ? Form12::tr("Campi vuoti: Calcolo usa i dati convalidati in precedenza")
                                       : Form12::tr("Scrivere i dati, poi Convalida dati e Calcolo (o Invio)"));
        else if (p == Form12::Algorithms)
            f.setHint(f.algorithm() < 0 ? Form12::tr("Scegliere un algoritmo nell'elenco")
                                        : Form12::tr("Scrivere i dati, poi Convalida dati e Calcolo (o Invio)"));
        else if (p == Form12::Simulation)
            f.setHint(Form12::tr("Convalida dati prepara la tabella, Calcolo avvia la simulazione"));
        else if (p == Form12::Blocks)
            f.setHint(Form12::tr("Premere Calcolo per predisporre i blocchi (al più 64 coppie)"));
        else
            f.setHint(QString());
        return;
    }
    if (p == Form12::None || p == Form12::Panorama) {
        f.setHint(p == Form12::None ? Form12::tr("Scegliere prima un processo") : QString());
        return;
    }
    if (pressed == 1) {
        if (p == Form12::Algorithms && f.algorithm() < 0) {
            f.setHint(Form12::tr("Scegliere un algoritmo nell'elenco"));
            return;
        }
        f.edited_ = false;
        f.validatedOnce_ = true;
        if (p == Form12::Simulation) {
            f.setHint(Form12::tr("Tabella delle coincidenze pronta: premere Calcolo"));
        } else if (p == Form12::Blocks) {
            const BlockState& b = f.blocks;
            QString said = b.n > 0 ? Form12::tr("Coppia %1 di %2 memorizzata").arg(b.counter).arg(b.n)
                                   : Form12::tr("Coppia memorizzata all'indice 1: scrivere n");
            if (b.n > 64)
                said += Form12::tr(" (i blocchi tengono al più 64 coppie)");
            else if (b.n > 0 && b.counter == b.n)
                said += Form12::tr(": premere Calcolo");
            f.setHint(said);
        } else {
            f.setHint(Form12::tr("Dati convalidati"));
        }
        return;
    }
    // "Calcolo".
    if (p == Form12::Simulation) return;  // the run says it
    if (f.edited_) {
        f.setHint(p == Form12::Blocks
                      ? Form12::tr("Coppia scritta non memorizzata: premere Convalida dati")
                      : Form12::tr("Calcolato con i dati convalidati prima: premere Convalida dati"));
        return;
    }
    if (p == Form12::DigNoisy && f.wv.K == 0) {
        f.setHint(Form12::tr("K vale 0: la curva, moltiplicata per K, resta sull'asse"));
        return;
    }
    const int lines = f.reportLineCount();
    if (p == Form12::Blocks && f.blocks.counter == 0 && f.blocks.labelcount == 1 && lines == 0) {
        f.setHint(Form12::tr("Scrivere n (al più 64) e la coppia 1, poi Convalida dati (o Invio)"));
    } else if ((p == Form12::Blocks || p == Form12::Algorithms) && lines == 0) {
        f.setHint(Form12::tr("Nessun rapporto con questi dati"));
    } else if (f.reportScrolls()) {
        f.setHint(Form12::tr("Rapporto di %1 righe: rotella, PagGiù o Ctrl+Fine per leggerlo").arg(lines));
    } else {
        f.setHint(QString());
    }
}

Form12Quiet::Form12Quiet(Form12& form) : f(form) { ++f.quiet_; }
Form12Quiet::~Form12Quiet() { --f.quiet_; }

// ---- Enter, Esc and the simulation's end
// -------------------------------------------------------------------------

void Form12::enterInField() {
    const Process p = process();
    if (p == None || p == Panorama) {
        setHint(tr("Scegliere prima un processo"));
        return;
    }
    Command2_Click();
    if (p != Blocks) Command1_Click();
}

void Form12::stopSimulation() {
    if (!repeating()) return;
    stopRepeating();
    setHint(tr("Simulazione fermata al ciclo %1").arg(sim.cycle));
}

// ---- Tool-tips
// -------------------------------------------------------------------------------------------------------

void Form12::describeFields() {
    static const QRegularExpression pair(QStringLiteral("^(\\d+) +([AB])$"));
    for (int n = 1; n <= 6; ++n) {
        const QString caption = this->caption(n)->caption().trimmed();
        QString tip;
        for (const FieldTip& t : kTips)
            if (caption == tr(t.caption).trimmed()) tip = tr(t.tip);
        if (const auto m = pair.match(caption); m.hasMatch())
            tip = tr("Valore del blocco %1 all'indice %2").arg(m.captured(2), m.captured(1));
        if (tip.isEmpty())
            tip = process() == None ? tr("Dato %1: scegliere prima un processo").arg(n)
                                    : tr("Non usato da questo processo");
        field(n)->setToolTip(tip);
    }
    switch (process()) {
        case DigNoisy:
            txtdigits7->setToolTip(
                tr("Fattore di guadagno K, numero puro: la curva è moltiplicata per K "
                   "(vuoto o 0: la curva resta sull'asse)"));
            break;
        case Simulation:
            txtdigits7->setToolTip(
                tr("Guadagno K del correlogramma, numero puro (vuoto o 0: guadagno automatico)"));
            break;
        default:
            txtdigits7->setToolTip(
                tr("Fattore di guadagno K, numero puro: moltiplica la curva di "
                   "DIG. C = f(F1,F2,tc,s/n,rc) (vuoto o 0: curva sull'asse)"));
            break;
    }
}

// ---- After each handler
// --------------------------------------------------------------------------------------------

void Form12::afterHandler() {
    describeFields();
    const bool shown = reportLineCount() > 0;
    copyReportAction->setEnabled(shown);
    copyNothing_->setEnabled(!shown);
    followReport();
}

// ---- The report's view
// -----------------------------------------------------------------------------------------------

int Form12::reportLineCount() const { return static_cast<int>(report.plainText().count(QLatin1Char('\n'))); }

bool Form12::reportScrolls() const { return reportScroll != nullptr && !reportScroll->isHidden(); }

void Form12::followReport() {
    const bool scrolls = reportLineCount() > 0 && surface().currentY() > kReportHeight;
    const QRect area = twips::toPixels(0, 0, kReportWidth, kReportHeight);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int line = std::max(1, static_cast<int>(std::lround(lineHeight(surface()) * twips::scale())));
    const int height = static_cast<int>(std::ceil(surface().currentY() * twips::scale()));
    reportScroll->setGeometry(QRect(area.topRight() + QPoint(1, 0) - scrollOffset(), QSize(extent, area.height())));
    reportScroll->setRange(0, scrolls ? std::max(0, height - area.height()) : 0);
    reportScroll->setPageStep(std::max(1, area.height() - line));
    reportScroll->setSingleStep(line);
    if (!scrolls) reportScroll->setValue(0);
    reportScroll->setVisible(scrolls);
    if (scrolls) reportScroll->raise();
    for (QShortcut* s : findChildren<QShortcut*>(QStringLiteral("pxReportKey"), Qt::FindDirectChildrenOnly))
        s->setEnabled(scrolls);
    update();
}

std::pair<int, int> Form12::reportLinesInView() const {
    const int count = reportLineCount();
    if (count == 0) return {0, 0};
    const double line = lineHeight(surface());
    const double top = reportScrolls() ? reportScroll->value() / twips::scale() : 0;
    const double bottom = top + (reportScrolls() ? kReportHeight : height() / twips::scale());
    // A line is in view when the whole of it is.
    const int first = static_cast<int>(std::ceil(top / line - 1e-6)) + 1;
    const int last = std::min(count, static_cast<int>(std::floor(bottom / line + 1e-6)));
    return {std::min(first, count), last};
}

void Form12::scrollReport(int pixels) {
    if (reportScrolls()) reportScroll->setValue(reportScroll->value() + pixels);
}

void Form12::scrollReportTo(bool end) {
    if (reportScrolls()) reportScroll->setValue(end ? reportScroll->maximum() : reportScroll->minimum());
}

void Form12::paintDrawing(QPainter& painter, QSize size) {
    if (!reportScrolls()) {
        Screen::paintDrawing(painter, size);
        return;
    }
    // The report alone is drawn (it cleared the window first), in the band above the controls, moved up by the
    // scroll bar's value; below the band the window's background.
    const QRect area = twips::toPixels(0, 0, kReportWidth, kReportHeight);
    painter.fillRect(QRect(QPoint(0, 0), size), surface().background());
    painter.save();
    painter.setClipRect(area);
    painter.translate(0, -reportScroll->value());
    const int height = static_cast<int>(std::ceil(surface().currentY() * twips::scale())) + area.height();
    surface().paint(painter, QSize(area.width(), height), devicePixelRatioF());
    painter.restore();
}

QSize Form12::layoutSize() const { return controlsSize(); }

void Form12::wheelEvent(QWheelEvent* event) {
    if (!reportScrolls()) {
        Screen::wheelEvent(event);
        return;
    }
    const int notches = event->angleDelta().y() / 120;
    scrollReport(-notches * 3 * reportScroll->singleStep());
    event->accept();
}

}  // namespace px
