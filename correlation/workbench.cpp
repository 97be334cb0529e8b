#include "workbench.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <cmath>

#include "accessibility.h"
#include "export.h"
#include "numbers.h"
#include "reading.h"
#include "system_clock.h"

namespace px {

namespace {
const FontSpec kBold{Face::SansSerif, 8.0, true};
// The data fields, relative to Frame1: caption label and box of each row, at a pitch of about 500 twips for the
// first four.  txtdigits7 stands outside the frame at its own place, a row below field 6: fields 5 and 6 share the
// room between field 4 and txtdigits7 evenly, so that the boxes of fields 5, 6 and 7 are 130 twips apart and none
// touches the next.  A caption label reaches from its left to its box, two lines high: the captions the processes
// set ("F.scala(microS.)", "s/n ingresso (db)") need more than the 435 twips of a "Dato" caption.
struct FieldRow {
    const char* label;
    const char* box;
    Rect caption, field;
};
constexpr FieldRow kRows[6] = {
    {"Label1", "txtdigits1", {510, 240, 1140, 450}, {1680, 240, 735, 285}},
    {"Label3", "txtdigits2", {480, 740, 1170, 450}, {1680, 750, 735, 285}},
    {"Label4", "txtdigits3", {480, 1240, 1170, 450}, {1680, 1245, 735, 285}},
    {"Label5", "txtdigits4", {480, 1740, 1170, 450}, {1680, 1755, 735, 285}},
    {"Label6", "txtdigits5", {480, 2160, 1170, 400}, {1680, 2170, 735, 285}},
    {"Label8", "txtdigits6", {480, 2575, 1170, 400}, {1680, 2585, 735, 285}},
};
// A diagram with words on it, in the reading's language: the English ones stand beside the catalogue.
QString diagram(const char* name) {
    return reading::current() == reading::Reading::English
               ? QStringLiteral(":/i18n/%1_en.svg").arg(QLatin1String(name))
               : QStringLiteral(":/%1.svg").arg(QLatin1String(name));
}
// At most six characters in each field of the frame.
constexpr int kFieldLength = 6;

// The setup of each curve process: the captions of fields 1 … 6, the picture shown, Label10's caption, and
// whether Label2 is shown.
struct CurveSetup {
    Form12::Process process;
    const char* captions[6];
    int picture;  // 1, 2 or 3: Image1, Image2, Image3
    const char* axis;
    bool example;
};
const CurveSetup kCurveSetups[] = {
    {Form12::AnalFtc,
     {QT_TRANSLATE_NOOP("px::Form12", "F  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"),
      QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato5"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     2,
     ">t",
     true},
    {Form12::AnalF1F2tc,
     {QT_TRANSLATE_NOOP("px::Form12", "F1  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F2  (Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"), QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"), "", ""},
     2,
     ">t",
     true},
    {Form12::AnalFad,
     {QT_TRANSLATE_NOOP("px::Form12", "F  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "Fondo scala (X°)"),
      QT_TRANSLATE_NOOP("px::Form12", "BRQ  (a°)"), QT_TRANSLATE_NOOP("px::Form12", "Base d(mt)"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato5"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     1,
     ">a°",
     true},
    {Form12::AnalF1F2ad,
     {QT_TRANSLATE_NOOP("px::Form12", "F1  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F2  (Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "Fondo scala (x°)"), QT_TRANSLATE_NOOP("px::Form12", "BRQ  (a°)"),
      QT_TRANSLATE_NOOP("px::Form12", "Base d(mt)"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     1,
     ">a°",
     false},
    {Form12::DigFtc,
     {QT_TRANSLATE_NOOP("px::Form12", "F  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"),
      QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato5"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     2,
     ">t",
     false},
    {Form12::DigF1F2tc,
     {QT_TRANSLATE_NOOP("px::Form12", "F1  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F2  (Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"), QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato5"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     2,
     ">t",
     false},
    {Form12::DigNoisy,
     {QT_TRANSLATE_NOOP("px::Form12", "F1  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F2  (Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"), QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"),
      QT_TRANSLATE_NOOP("px::Form12", "s/n ingresso (db)"), QT_TRANSLATE_NOOP("px::Form12", "rc(Sec.)")},
     2,
     ">t",
     false},
    {Form12::DigQuadrature,
     {QT_TRANSLATE_NOOP("px::Form12", "F1  (Hz)"), QT_TRANSLATE_NOOP("px::Form12", "F2  (Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "F.scala(microS.)"), QT_TRANSLATE_NOOP("px::Form12", "tc (microS.)"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato5"), QT_TRANSLATE_NOOP("px::Form12", "Dato6")},
     2,
     ">t",
     false},
};

bool isCurve(Form12::Process p) { return p >= Form12::AnalFtc && p <= Form12::DigQuadrature; }

// The process list from the keyboard.  The keys (arrows, Home, End, Page Up and Down, a letter) and the wheel pass
// over the entries of the closed list: each entry passed over becomes the process and runs its setup as a pick
// does, but opens no window.  An entry that opens a window ("CORR.PANORAMICA") does so when it is chosen: with
// Enter or Space on the closed list, a click in the open list, Enter in it, or a choice through the accessibility
// bus.
const char* const kPassing = "pxPassing";    // bool: the list is being passed over
const char* const kWithheld = "pxWithheld";  // int: the entry passed over whose window was not opened

class ProcessKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QComboBox*>(watched);
        if (box == nullptr || resending_ || box->view()->isVisible()) return false;
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool choose =
                key->modifiers() == Qt::NoModifier &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
            const QVariant withheld = box->property(kWithheld);
            if (choose && withheld.isValid() && withheld.toInt() == box->currentIndex()) {
                box->setProperty(kWithheld, QVariant());
                emit box->activated(box->currentIndex());
                return true;
            }
            // Tab, Enter, Escape and Alt with a key (Alt+Down opens the list) are no passing: they go their usual
            // way, to the window when the list takes none of them.
            switch (key->key()) {
                case Qt::Key_Tab:
                case Qt::Key_Backtab:
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Escape:
                    return false;
                default:
                    if (key->modifiers() & Qt::AltModifier) return false;
            }
        } else if (event->type() != QEvent::Wheel) {
            return false;
        }
        resending_ = true;
        box->setProperty(kPassing, true);
        QCoreApplication::sendEvent(box, event);
        box->setProperty(kPassing, false);
        resending_ = false;
        return true;
    }

private:
    bool resending_ = false;
};

// A data field takes no Ctrl+C of its own unless text is selected in it: the keys then copy the report.
class CopyPassThrough : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            auto* edit = qobject_cast<QLineEdit*>(watched);
            if (key->matches(QKeySequence::Copy) && edit != nullptr && !edit->hasSelectedText()) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

// The lists hold the layout's own entries; the window shows them in the reading of the day (translated()).
const QStringList& Form12::processNames() {
    static const QStringList names = {
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "ANAL. C = f(F,tc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "ANAL. C = f(F1,F2,tc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "ANAL. C = f(F,a°,d)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "DIG. C = f(F,tc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "DIG. C = f(F1,F2,tc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "ANAL. C = f(F1,F2,a°,d)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "DIG. C = f(F1,F2,tc,s/n,rc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "DIG. HC = f(F1,F2,tc)")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "CORR.PANORAMICA")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "ALGORITMI SISTEMI DIG.")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "SIMULAZIONE DINAMICA")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "CORR. BLOCCHI  NUMERICI")),
    };
    return names;
}

const QStringList& Form12::algorithmNames() {
    static const QStringList names = {
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "Si/Ni(dB) = f[Sux(Vcc.);Ving.(Veff)]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "Si/Ni(dB) = f[d(roc); RC(Sec.);BW(Hz)]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "Sux(Vcc) = f[(Si/Ni)dB]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "Nux(Veff) = f[RC(Sec.);BW(Hz)]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "Sux/Nux(dB) = f[Si/Ni(dB); RC(Sec.);BW(Hz)]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "RC(Sec.) = f[Nux(Veff.);BW(Hz)]")),
        QStringLiteral(QT_TRANSLATE_NOOP("px::Form12", "d(roc) = f[RC(Sec.);Si/Ni(dB);BW(Hz)]")),
    };
    return names;
}

QString Form12::translated(const QString& entry) { return tr(entry.toUtf8().constData()); }

QStringList Form12::translated(const QStringList& entries) {
    QStringList shown;
    shown.reserve(entries.size());
    for (const QString& entry : entries)
        shown << translated(entry);
    return shown;
}

Form12::Form12()
    : Screen(QStringLiteral("Form12"), tr("Metodi di correlazione per l'acustica subacquea")),
      clock_(systemTimeOfDay()),
      random_(std::make_unique<LinearUniform>()) {
    Look grey;
    grey.back = colour::lightGrey;
    Look white;
    white.back = colour::white;
    white.fore = colour::black;
    // clang-format off
    Picture1 = logo("Picture1", 2295, 1095);
    Label11  = label("Label11", "C = +1", {6015, 0, 465, 195}, transparent());
    Label14  = label("Label14", "C = f(Si/Ni)", {5520, 480, 1320, 300}, kBold);
    Image1   = picture("Image1", diagram("diagram_angle"), {6720, 1200, 3216, 3972});
    Image2   = picture("Image2", diagram("diagram_delay"), {6720, 1200, 3468, 3804});
    Image3   = picture("Image3", diagram("diagram_digital"), {6720, 1200, 3648, 4248});
    Shape2   = new Shape(this, "Shape2", {6840, -120, 4500, 6615});
    Label10  = label("Label10", ">x", {6120, 2130, 165, 195}, transparent());
    Label12  = label("Label12", "C =  -1", {6015, 4395, 570, 195}, transparent());
    Label7   = label("Label7", tr("  SELEZIONE    PROCESSO"), {2640, 4680, 3945, 360}, kBold, grey);
    Frame1   = new GroupFrame(this, "Frame1", tr("Ingresso dati"), {0, 4800, 2535, 3735}, kDialogFont);
    Combo1   = choice("Combo1", QString(), translated(processNames()), {2640, 5160, 3945, 360}, kDialogFont, false);
    Command2 = button("Command2", tr("Convalida dati"), {2640, 5640, 1215, 495}, kDialogFont);
    Command1 = button("Command1", tr("Calcolo"), {4200, 5640, 1215, 495}, kDialogFont);
    Check1   = new CheckBox(this, "Check1", tr("Compara   grafici"), {5520, 6120, 1815, 375}, kDialogFont);
    Label2   = label("Label2", tr("Esempio di calcolo:                     Per un segnale in banda                F1 = 1000 Hz; F2 = 3000 Hz  ed un ritardo tc = 500 microSec.               si seleziona la funzione                     ANAL.C = f(F1,F2,tc) ;  si imposta un fondo scala ad un tempo pari a:  Fs = 1/F1 = 1/1000 =  1000 microSec."), {2640, 6360, 2535, 1815}, inColour(colour::blue));
    Label13  = label("Label13", tr("SELEZIONE ALGORITMI PER SISTEMI DIGITALI"), {5280, 6840, 5400, 240}, FontSpec{Face::Courier, 12, true});
    List1    = new ListBox(this, "List1", translated(algorithmNames()), {5400, 7080, 5655, 1392}, kDialogFont);
    Label15  = label("Label15", " t  ", {10560, 7320, 330, 300}, kBold);
    txtdigits7 = field("txtdigits7", QString(), {1680, 7800, 735, 285}, kBold, kWorkbenchKeys);
    // clang-format on
    for (std::size_t i = 0; i < 6; ++i) {
        const FieldRow& row = kRows[i];
        // Transparent, so that a caption shows on the frame's own background.
        captions_[i] =
            new Label(Frame1, row.label, tr("Dato%1").arg(i + 1), row.caption, kDialogFont, transparent());
        fields_[i] = new NumericField(Frame1, row.box, QString(), row.field, kBold, kWorkbenchKeys, kFieldLength);
    }
    fields_[6] = txtdigits7;
    Label1 = captions_[0], Label3 = captions_[1], Label4 = captions_[2];
    Label5 = captions_[3], Label6 = captions_[4], Label8 = captions_[5];
    txtdigits1 = fields_[0], txtdigits2 = fields_[1], txtdigits3 = fields_[2];
    txtdigits4 = fields_[3], txtdigits5 = fields_[4], txtdigits6 = fields_[5];

    QPalette pal = Combo1->palette();
    pal.setColor(QPalette::Base, colour::white);
    pal.setColor(QPalette::Button, colour::white);
    pal.setColor(QPalette::Text, colour::black);
    pal.setColor(QPalette::ButtonText, colour::black);
    Combo1->setPalette(pal);
    Combo1->setCurrentIndex(-1);  // no process picked at start
    Combo1->installEventFilter(new ProcessKeys(Combo1));
    // No algorithm is current until one is picked: the list taking the focus marks none, and the first Down picks
    // the first algorithm.
    List1->setCurrentIndex(QModelIndex());

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Label14, Image1, Image2, Image3, Shape2, Label13, List1, Label15})
        hidden->hide();

    onClick(Combo1, &Form12::Combo1_Click);
    onClick(List1, &Form12::List1_Click);
    onClick(Command1, &Form12::Command1_Click);
    onClick(Command2, &Form12::Command2_Click);

    copyReportAction = new QAction(tr("Copia rapporto"), this);
    copyReportAction->setShortcut(QKeySequence::Copy);
    copyReportAction->setShortcutContext(Qt::WindowShortcut);
    addAction(copyReportAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyReportAction, &QAction::triggered, this, &Form12::copyReport);
    auto* passThrough = new CopyPassThrough(this);
    for (NumericField* f : fields_)
        f->installEventFilter(passThrough);
    results::Table& table = results::of(*this);
    table.plots = {results::Plot{QRectF(0, 0, 6440, 4480),
                                 {0, 6440, false, tr("ritardo/fondo scala"), QString()},
                                 {2240, -2240, false, QStringLiteral("C"), QString()}}};
    table.report = [this] { return report.plainText(); };
    tabOrder({Combo1, txtdigits1, txtdigits2, txtdigits3, txtdigits4, txtdigits5, txtdigits6, txtdigits7, Command2,
              Command1, Check1, List1});
    // Each data field is named by its own caption, whichever process set it; the gain field has no caption on the
    // window, and a screen reader names it after what it holds.
    for (int n = 1; n <= 6; ++n)
        captionOf(field(n), caption(n));
    Image1->setAccessibleName(tr("Schema: correlazione in funzione dell'angolo a°, di F e della base d"));
    Image2->setAccessibleName(tr("Schema: correlazione in funzione di F e del ritardo tc"));
    Image3->setAccessibleName(tr("Schema del sistema digitale: elaboratore, ingressi, predisposizioni e uscite"));
    Shape2->setAccessibleName(tr("Riquadro del correlogramma"));
    captionOf(txtdigits7, tr("K, fattore di guadagno"));
    // The two lists are named by their headings, which the setups may hide.
    captionOf(Combo1, Label7);
    captionOf(List1, Label13);
    describeDrawing(this, [this] { return drawingInWords(); });
    setUpGuidance();
    simulationFamily.listen();
}

QString Form12::drawingInWords() const {
    const QString printed = report.plainText();
    if (!printed.isEmpty()) return tr("Rapporto:\n") + printed;
    // The curves, by colour: how many points, and where each reaches its highest and lowest value of C.
    struct Extent {
        long points = 0;
        float top = 0, topX = 0, bottom = 0, bottomX = 0;
    };
    Extent blue, red;
    long circles = 0;
    surface().forEach([&](const Primitive& p) {
        if (p.kind == Primitive::Circle) ++circles;
        if (p.kind != Primitive::Point) return;
        const QRgb c = p.colour & 0xffffffu;
        Extent* e = c == (colour::blue.rgb() & 0xffffffu)  ? &blue
                    : c == (colour::red.rgb() & 0xffffffu) ? &red
                                                           : nullptr;
        if (e == nullptr) return;
        if (e->points == 0 || p.y1 < e->top) e->top = p.y1, e->topX = p.x1;
        if (e->points == 0 || p.y1 > e->bottom) e->bottom = p.y1, e->bottomX = p.x1;
        ++e->points;
    });
    if (circles > 0) return tr("Correlogramma dei nove canali del correlatore digitale");
    auto words = [this](const QString& name, const Extent& e) {
        // The plot maps C to y = 2240 - 2240 C and the full scale to x = 6440.
        auto c = [](float y) { return QString::number((2240.0 - y) / 2240.0, 'f', 3); };
        auto at = [](float x) { return QString::number(std::lround(100.0 * x / 6440.0)); };
        return tr("Curva %1 di %2 punti: C massimo %3 al %4% del fondo scala, C minimo %5 al %6% del "
                  "fondo scala.")
            .arg(name)
            .arg(e.points)
            .arg(c(e.top), at(e.topX), c(e.bottom), at(e.bottomX));
    };
    QStringList parts;
    if (blue.points > 0) parts << words(tr("blu"), blue);
    if (red.points > 0) parts << words(tr("rossa"), red);
    if (parts.isEmpty()) return tr("Riquadro del grafico di C, senza curve.");
    return parts.join(QLatin1Char(' '));
}

Form12::~Form12() = default;

void Form12::setChance(std::unique_ptr<TimeOfDay> clock, std::unique_ptr<Uniform> random) {
    clock_ = std::move(clock);
    random_ = std::move(random);
}

Form12::Process Form12::process() const {
    // By position: the entries' texts follow the reading.
    const int i = Combo1->currentIndex();
    return i < 0 || i >= processNames().size() ? None : static_cast<Process>(i + 1);
}

int Form12::algorithm() const {
    const int i = List1->currentItem() != nullptr ? List1->currentRow() : -1;
    return i < static_cast<int>(algorithmNames().size()) ? i : -1;
}

double Form12::value(int n) const { return Val(field(n)->utf8()); }

void Form12::Form_Paint() { drawPlotFrame(); }

// With no report on the window the clipboard keeps what it holds, and the hint says so.
void Form12::copyReport() {
    const QString text = report.plainText();
    if (text.isEmpty()) {
        setHint(tr("Nessun rapporto da copiare: gli appunti non cambiano"));
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    setHint(tr("Rapporto copiato negli appunti: %1 righe").arg(text.count(QLatin1Char('\n'))));
}

void Form12::drawPlotFrame() {
    drawDottedGrid(surface(), DottedGrid{0, 0, 6440, 4480, 322, 28, 224, 42});
    surface().Line(0, 2240, 6600, 2240);
    surface().Line(0, 0, 0, 4480);
}

void Form12::cancellaTEXTBOX() {
    if (!comparing()) surface().Clear();
    if (!comparing()) drawPlotFrame();
    for (int n = 1; n <= 4; ++n)
        field(n)->setText(QString());
}

void Form12::cancellaTEXTBOX1() {
    surface().Clear();
    if (!comparing()) surface().Clear();
    for (int n = 1; n <= 4; ++n)
        field(n)->setText(QString());
}

// ---- Dispatch -------------------------------------------------------------------------------------------------

void Form12::Combo1_Click() {
    // Each handler lets the first paint draw the frame before it draws: a window never painted yet would
    // otherwise draw a second frame over what the handler drew.
    ensurePainted();
    const Form12Aftermath after(*this, 0);
    const Process p = process();
    if (isCurve(p)) {
        setupCurve(p);
        if (p != DigQuadrature) txtdigits7->show();
    } else if (p == Panorama) {
        // Passed over with the keys, the entry opens its window only when chosen.
        if (Combo1->property(kPassing).toBool())
            Combo1->setProperty(kWithheld, Combo1->currentIndex());
        else
            screens::show(QStringLiteral("Form2"));
    } else if (p == Algorithms) {
        setupAlgorithmMode();
    } else if (p == Simulation) {
        simulationFamily.setup();
    }
}

void Form12::Command2_Click() {
    ensurePainted();
    const Form12Aftermath after(*this, 1);
    const Process p = process();
    if (isCurve(p)) curveFamily.takeOver(p);
    // The selected algorithm takes its fields over whatever the process.
    if (const int a = algorithm(); a >= 0) algorithmFamily.takeOver(a);
    if (process() == Simulation) simulationFamily.takeOver();
    if (process() == Blocks) blockFamily.takeOver();
}

void Form12::Command1_Click() {
    ensurePainted();
    const Form12Aftermath after(*this, 2);
    const Process p = process();
    if (isCurve(p)) {
        curveFamily.compute(p);
    } else if (p == Algorithms) {
        if (const int a = algorithm(); a >= 0) algorithmFamily.compute(a);
    } else if (p == Simulation) {
        simulationFamily.compute();
    } else if (p == Blocks) {
        blockFamily.compute();
    }
}

void Form12::List1_Click() {
    ensurePainted();
    const Form12Aftermath after(*this, 3);
    if (process() != Algorithms) return;
    if (const int a = algorithm(); a >= 0) algorithmFamily.setup(a);
}

// ---- Setups ----------------------------------------------------------------------------------------------------

void Form12::setupCurve(Process p) {
    cancellaTEXTBOX();
    for (const CurveSetup& s : kCurveSetups) {
        if (s.process != p) continue;
        for (int n = 1; n <= 6; ++n)
            caption(n)->setCaption(tr(s.captions[n - 1]));
        for (Label* l : {Label10, Label11, Label12})
            l->show();
        Label10->setCaption(QString::fromUtf8(s.axis));
        Label11->setCaption(QStringLiteral("C = +1"));
        Label12->setCaption(QStringLiteral("C = -1"));
        List1->hide();
        Label13->hide();
        Shape2->hide();
        Check1->show();
        Label14->hide();
        Label15->hide();
        if (s.example) Label2->show();
        Image1->setVisible(s.picture == 1);
        Image2->setVisible(s.picture == 2);
        Image3->setVisible(s.picture == 3);
    }
}

void Form12::setupAlgorithmMode() {
    cancellaTEXTBOX1();
    for (int n = 1; n <= 6; ++n)
        caption(n)->setCaption(tr("Dato%1").arg(n));
    for (Label* l : {Label10, Label11, Label12})
        l->setCaption(QStringLiteral("   "));
    surface().Clear();
    List1->show();
    Label13->show();
    Image1->hide();
    Image2->hide();
    Image3->show();
    Label14->hide();
    Label15->hide();
}

}  // namespace px
