#include "sheets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "accessibility.h"
#include "reading.h"

namespace px {

// clang-format off
const std::array<Sheet, 11> kSheets = {{
    {"Form19", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Equazioni del sonar"),
     "Command1", QT_TRANSLATE_NOOP("px::Form18", "Le equazioni del sonar       (funzione passiva-funzione attiva)"),
     {0, 1080, 2655, 855},
     ":/sheets/form19.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "Equazioni del SONAR\n"
     "Per la localizzazione passiva:\n"
     "SL − TL = NL − DI + DT\n"
     "Per la localizzazione attiva:\n"
     "SL − 2TL + TS = NL − DI + DT\n"
     "SL − 2TL + TS = RL + DT\n"
     "Dove:\n"
     "SL = livello della sorgente (es. +180 dB/µPa)\n"
     "TL = TLdiv. + α·R = attenuazione totale per propagazione (R in Km)\n"
     "TLdiv. = 60 + 20·Log R = attenuazione per divergenza sferica\n"
     "TLdiv* = 60 + 10·Log R = attenuazione per divergenza sferica/cilindrica\n"
     "α = 0.2·f + 0.00015·f² = coefficiente di assorbimento (f in KHz)\n"
     "NL = livello spettrale del rumore del mare (es. +62 dB/µPa/Hz^½)\n"
     "DI = 10·Log(2L/λ) = guadagno di direttività di una base lineare lunga L metri\n"
     "λ = c/f (c = velocità del suono in m/s; f in Hz)\n"
     "DT = soglia di rivelazione (es. +12 dB)\n"
     "TS = forza del bersaglio (es. +16 dB)\n"
     "RL = livello di riverberazione (es. +70 dB/µPa/Hz^½)")},
    {"Form20", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Calcolo del TS dei bersagli di confronto"),
     "Command2", QT_TRANSLATE_NOOP("px::Form18", "Algoritmo di alcolo del  TS di bersagli   di riferimento."),
     {0, 2280, 2655, 855},
     ":/sheets/form20.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "Calcolo del TS di bersagli di confronto\n"
     "Bersaglio sferico cavo:\n"
     "TS = 10·Log(r²/4)\n"
     "Dove: r = raggio della sfera in metri.\n"
     "Valida se 2πr/λ >> 1 e D >> r (D = distanza dalla sorgente che illumina il bersaglio); λ = c/f\n"
     "Bersaglio cilindrico cavo:\n"
     "TS = 10·Log[r·L²/(1.67·λ)]\n"
     "Dove: L = lunghezza e r = raggio del cilindro in metri.\n"
     "Valida se 2πr/λ >> 1 e D > L²/λ")},
    {"Form21", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Calcolo del DT"),
     "Command3", QT_TRANSLATE_NOOP("px::Form18", "Algoritmo di calcolo  del DT"),
     {0, 3480, 2655, 855},
     ":/sheets/form21.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "CALCOLO DEL DT\n"
     "(soglia di rivelazione di un sonar)\n"
     "DT = 5·Log(d·w/2t)\n"
     "Dove:\n"
     "d = parametro di probabilità ricavato dalle curve ROC\n"
     "w = banda di lavoro in Hz\n"
     "t = tempo di post-integrazione in secondi")},
    {"Form22", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi per il calcolo delle direttività di basi rettilinee"),
     "Command4", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi di calcolo direttività basi rettilinee"),
     {0, 4680, 2655, 855},
     nullptr, ""},
    {"Form23", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi di calcolo direttività basi circolari"),
     "Command5", QT_TRANSLATE_NOOP("px::Form18", "Algoritmo di calcolo per basi circolari"),
     {0, 5880, 2655, 855},
     ":/sheets/form23.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "Funzione di direttività di una base circolare di n sensori alla frequenza f\n"
     "C(α) = Jo[(2πD/λ)·Sen(α/2)]\n"
     "Dove:\n"
     "D = diametro della base\n"
     "Jo = funzione di Bessel di ordine zero: Jo = (1/π)·∫ da 0 a π di Cos(z·Cos q) dq\n"
     "z = (2πD/λ)·Sen(α/2)·3.14/180\n"
     "λ = c/f\n"
     "α = angolo rispetto all'asse della base\n"
     "Valida solo se n > (2πD/λ) + 2")},
    {"Form24", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi generali per il sonar"),
     "Command6", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi generali per il sonar"),
     {0, 7080, 2655, 855},
     ":/sheets/form24.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "Algoritmi generali per il SONAR\n"
     "Algoritmo di post-integrazione per l'elaborazione numerica:\n"
     "Y(m + 1) = Y + Y(m) − Y(m)/ß\n"
     "Dove: Y = campione che entra nel calcolo in tempo reale; Y(m), Y(m + 1) = accumulatori ai tempi m e m + 1; "
     "ß = coefficiente che fissa il tempo di integrazione.\n"
     "Errori di rilevamento. Errore strumentale di un sonar a fasci preformati:\n"
     "err.str.° = 4 / Exp[(n·3.14/720)²·a² / Log(1/k)]\n"
     "Dove: n = numero dei fasci preformati; k = ordinata dell'ascissa a° sulla curva di direttività del fascio.\n"
     "Errore operativo:\n"
     "err.op° = Δα·0.354·(1 + k)^½ / (k·(B·T)^½)\n"
     "Dove: Δα = ampiezza totale del fascio a −3 dB; B = banda del ricevitore; "
     "T = tempo di integrazione post-rivelazione; k = (S/N)², S/N = rapporto tra le tensioni di segnale e di "
     "rumore all'ingresso del sistema di rivelazione.")},
    {"Form25", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi per il calcolo delle funzioni di correlazione principali"),
     "Command7", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi per il calcolo delle funzioni di correlazione principali"),
     {3480, 1080, 2655, 855},
     ":/sheets/form25.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "ALGORITMI PER LA CORRELAZIONE\n"
     "Funzione di autocorrelazione principale:\n"
     "C(t) = (1/To)·∫ da 0 a To di f(t)·f(t + τ) dt\n"
     "Funzione di correlazione incrociata principale:\n"
     "C(t) = (1/To)·∫ da 0 a To di f1(t)·f2(t) dt\n"
     "Dove: To = tempo di integrazione.")},
    {"Form26", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi per il calcolo delle funzioni di correlazione analogica"),
     "Command8", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi per il calcolo delle funzioni di correlazione analogiche"),
     {3480, 2280, 2655, 855},
     ":/sheets/form26.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "FUNZIONI DI CORRELAZIONE ANALOGICHE\n"
     "Segnale nella banda 0 − f:\n"
     "C(r) = Sen(2πfr)/(2πfr)\n"
     "Dove: f = frequenza superiore della banda; r = ritardo in secondi.\n"
     "Segnale nella banda f1 − f2:\n"
     "C(r) = [Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)\n"
     "Dove: df = (f2 − f1)/2; fo = (f2 + f1)/2")},
    {"Form27", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi di calcolo per le funzioni di correlazione digitale"),
     "Command9", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi per il calcolo delle funzioni di correlazione digitali"),
     {3480, 3480, 2655, 855},
     ":/sheets/form27.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "FUNZIONI DI CORRELAZIONE DIGITALI\n"
     "Segnale nella banda 0 − f:\n"
     "C(r) = (2/π)·Arcsen[Sen(2πfr)/(2πfr)]\n"
     "Dove: f = frequenza superiore della banda; r = ritardo in secondi.\n"
     "Segnale nella banda f1 − f2:\n"
     "C(r) = (2/π)·Arcsen{[Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)}\n"
     "Dove: df = (f2 − f1)/2; fo = (f2 + f1)/2")},
    {"Form28", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi di calcolo di funzioni di correlazione particolari"),
     "Command10", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi per il calcolo di funzioni di correlazione particolari"),
     {3480, 4680, 2655, 855},
     ":/sheets/form28.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "FUNZIONI DI CORRELAZIONE PARTICOLARI\n"
     "Segnale a due stati:\n"
     "C(r) = exp(−2k·|r|)\n"
     "Dove: k = coefficiente caratteristico del segnale.\n"
     "Segnale a banda limitata da un circuito risonante:\n"
     "C(r) = [Cos(ωo·r) − (1/2Q)·Sen(ωo·|r|)]·exp(−ωo·|r|/2Q)\n"
     "Dove: Q = fattore di merito del circuito; ωo = pulsazione di risonanza del circuito.")},
    {"Form29", QT_TRANSLATE_NOOP("px::AlgorithmSheet", "Algoritmi per il calcolo del coefficiente di correlazione"),
     "Command11", QT_TRANSLATE_NOOP("px::Form18", "Algoritmi di calcolo del coefficiente di correlazione"),
     {3480, 5880, 2655, 855},
     ":/sheets/form29.svg",
     QT_TRANSLATE_NOOP("px::AlgorithmSheet",
     "COEFFICIENTE DI CORRELAZIONE DI UNA SERIE DISCRETA DI DATI\n"
     "C = [(A1 − Am)(B1 − Bm) + … + (An − Am)(Bn − Bm)] / (Dα·Dß)\n"
     "Dove:\n"
     "Am, Bm = valori medi delle due serie\n"
     "Dα = [(A1 − Am)² + … + (An − Am)²]^½\n"
     "Dß = [(B1 − Bm)² + … + (Bn − Bm)²]^½")},
}};
// clang-format on

QString sheetCaption(const Sheet& sheet) {
    return QCoreApplication::translate("px::AlgorithmSheet", sheet.caption);
}

QString sheetButtonCaption(const Sheet& sheet) {
    return QCoreApplication::translate("px::Form18", sheet.buttonCaption);
}

QString sheetPage(const Sheet& sheet) {
    if (sheet.page == nullptr) return {};
    QString page = QString::fromUtf8(sheet.page);
    // Each page has an English twin typeset beside it: formNN_en.svg.
    if (reading::current() == reading::Reading::English) page.insert(page.size() - 4, QLatin1String("_en"));
    return page;
}

QString sheetText(const Sheet& sheet) {
    return sheet.text[0] == '\0' ? QString() : QCoreApplication::translate("px::AlgorithmSheet", sheet.text);
}

// ---- Form18, the sheet selector -------------------------------------------------------------------------------

Form18::Form18() : Screen(QStringLiteral("Form18"), tr("Algoritmi di acustica subacquea"), sans(7.8)) {
    Look heading;
    heading.border = true;
    heading.fore = colour::menuText();
    Label1 = label("Label1", tr(" SELEZIONARE IL TIPO DI ALGORITMO CLICCANDO SUL PULSANTE"), {0, 240, 9375, 495},
                   sans(10.8), heading);
    // The logo shows at its own size in the top-left of its 2295 x 1095 box, as on the calculator selector.
    Picture2 = logo("Picture2");
    for (std::size_t i = 0; i < kSheets.size(); ++i) {
        const Sheet& sheet = kSheets[i];
        Command[i] = button(QString::fromUtf8(sheet.button), sheetButtonCaption(sheet), sheet.place, screenFont());
        connect(Command[i], &QPushButton::clicked, this,
                [this, &sheet] { guard([this, &sheet] { Command_Click(sheet); }); });
    }
    // Command9, Command8, ... Command3, then Command1, Command2, Command10, Command11.
    tabOrder({Command[8], Command[7], Command[6], Command[5], Command[4], Command[3], Command[2], Command[0],
              Command[1], Command[9], Command[10]});
}

void Form18::Command_Click(const Sheet& sheet) { screens::show(QString::fromUtf8(sheet.form)); }

// ---- The sheets -------------------------------------------------------------------------------------------------

AlgorithmSheet::AlgorithmSheet(const Sheet& sheet)
    : Screen(QString::fromUtf8(sheet.form), sheetCaption(sheet)), sheet_(sheet), text_(sheetText(sheet)) {
    if (sheet.page != nullptr) renderer_ = new QSvgRenderer(sheetPage(sheet));
    // The page reads as its text, named by its heading, its first line.
    setAccessibleDescription(pageText());
    if (sheet.text[0] != '\0')
        showsText(this, pageText().section(QLatin1Char('\n'), 0, 0), [this] { return pageText(); });
    // A sheet without a page: the window stays empty, and a screen reader hears why.
    if (sheet.page == nullptr)
        describeDrawing(this,
                        [] { return tr("Per questo foglio non c'è una pagina di formule: la finestra è vuota."); });
    // No control takes the focus, so the window itself takes the keys (Ctrl+C).
    setFocusPolicy(Qt::StrongFocus);
}

AlgorithmSheet::~AlgorithmSheet() { delete renderer_; }

QString AlgorithmSheet::pageText() const { return text_; }

void AlgorithmSheet::paintEvent(QPaintEvent* event) {
    Screen::paintEvent(event);
    if (renderer_ == nullptr || !renderer_->isValid()) return;
    // The page is typeset once for the window's scale and pixel ratio, then shown from that image.
    const QRect page = twips::toPixels(0, 0, kPageWidth, kPageHeight);
    const double ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(page.width() * ratio)),
                       static_cast<int>(std::ceil(page.height() * ratio)));
    if (page_.size() != pixels || page_.devicePixelRatio() != ratio) {
        page_ = QImage(pixels, QImage::Format_RGB32);
        page_.setDevicePixelRatio(ratio);
        page_.fill(colour::white);
        QPainter painter(&page_);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&painter, QRectF(0, 0, page.width(), page.height()));
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), page_);
}

void AlgorithmSheet::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (!text_.isEmpty()) QGuiApplication::clipboard()->setText(text_);
        event->accept();
        return;
    }
    Screen::keyPressEvent(event);
}

}  // namespace px
