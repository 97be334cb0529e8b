#include "glossary.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>

#include "accessibility.h"

namespace px {

// Each text begins with one blank; the blanks at the ends of the first and the third line leave room for the
// root sign of "Hz" beside them, and the texts in brackets hold two blanks after the semicolon.  The English
// lines keep all of that, "dB/microPa/" and the blanks after it included.
// clang-format off
const std::array<const char*, 26> kGlossaryLines = {
    QT_TRANSLATE_NOOP("px::Form17", " NL = livello spettrale di rumore generato dal mare: espresso in dB/microPa/         "),
    QT_TRANSLATE_NOOP("px::Form17", " SS = stato del mare: espresso con numeri quali ( 0; 1/2; 1; 2; 4; 6 )"),
    QT_TRANSLATE_NOOP("px::Form17", " SL = livello spettrale di rumore emesso da una sorgente acustica: in dB/microPa/          ad 1 m."),
    QT_TRANSLATE_NOOP("px::Form17", " TL = attenuazione dei raggi acustici per divergenza: espressa in dB"),
    QT_TRANSLATE_NOOP("px::Form17", " alfa = attenuazione dei raggi acustici per assorbimento: espressa in dB/Km"),
    QT_TRANSLATE_NOOP("px::Form17", " DI = indice di direttività (guadagno di direttività): espresso in dB"),
    QT_TRANSLATE_NOOP("px::Form17", " F1; F2 = esterimi inferiore e superiore della banda di ricezione di un sonar passivo; in Hz"),
    QT_TRANSLATE_NOOP("px::Form17", " Ftx = frequenza di emissione di un sonar attivo: espressa in Hz o KHz"),
    QT_TRANSLATE_NOOP("px::Form17", " tTx = durata dell'impulso di emissione di un sonar attivo: espressa in Sec."),
    QT_TRANSLATE_NOOP("px::Form17", " Bwrx = banda di ricezione del ricevitore sonar attivo per i segnali acustici impulsivi: espressa in Hz"),
    QT_TRANSLATE_NOOP("px::Form17", " TS = forza del bersaglio: espressa in dB"),
    QT_TRANSLATE_NOOP("px::Form17", " RC = valore della costante di tempo del rivelatore dei segnali acustici: esperessa in Sec. "),
    QT_TRANSLATE_NOOP("px::Form17", " d = indice della probabilità di scoperta e di falso allarme: espresso in numeri puri (vedi curve ROC)"),
    "",
    QT_TRANSLATE_NOOP("px::Form17", " ANAL.C=f(F,tc)= indice di selezione per funzione di correlazione analogica distinta da:"),
    QT_TRANSLATE_NOOP("px::Form17", " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo del suono in acqua in microSec.]"),
    QT_TRANSLATE_NOOP("px::Form17", " ANAL.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione analogica distinta da:"),
    QT_TRANSLATE_NOOP("px::Form17", " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo del suono in acqua microSec.]"),
    QT_TRANSLATE_NOOP("px::Form17", " ANAL.C=f(F,a°,d)= indice di selezione per funzione di correlazione analogica distinta da:"),
    QT_TRANSLATE_NOOP("px::Form17", " [F = estremo superiore della banda 0-f in Hz;  a° = angolo di provenienza suono rispetto asse base"),
    QT_TRANSLATE_NOOP("px::Form17", " [ d = lunghezza della base in metri]"),
    "",
    QT_TRANSLATE_NOOP("px::Form17", " DIG.C=f(F,tc)= indice di selezione per funzione di correlazione digitale distinta da:"),
    QT_TRANSLATE_NOOP("px::Form17", " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo percorso suono in acqua in microSec.]"),
    QT_TRANSLATE_NOOP("px::Form17", " DIG.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione digitale distinta da:"),
    QT_TRANSLATE_NOOP("px::Form17", " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo percorso suono in acqua in microSec.]"),
};
// clang-format on

QString glossaryLine(std::size_t line) {
    const char* text = kGlossaryLines.at(line);
    return text[0] == '\0' ? QString() : QCoreApplication::translate("px::Form17", text);
}

namespace {

QStringList glossaryLines() {
    QStringList lines;
    for (std::size_t i = 0; i < kGlossaryLines.size(); ++i)
        lines << glossaryLine(i);
    return lines;
}

// The lines as they read: without the blanks at their ends, and with the root sign that the picture shows beside
// "dB/microPa/" written out.
QString readingOf(QStringList lines) {
    static const QRegularExpression beforeSign(QStringLiteral("dB/microPa/ +"));
    for (QString& line : lines)
        line = line.replace(beforeSign, QStringLiteral("dB/microPa/√Hz ")).trimmed();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

Form17::Form17()
    : Screen(QStringLiteral("Form17"), tr("Glossario dei termini impiegati in PELAGONIX"), sans(10.8)),
      lines_(glossaryLines()),
      text_(readingOf(lines_)) {
    // The root sign of "Hz" stands after "dB/microPa/" of the first line, in the blanks left for it there, as
    // tall as a line and in the shape of its 47 x 33 pixels.  (The layout's box, at 10080, 480, was placed for
    // the widths of the original face; with any other face it falls beside the third line's "ad 1 m.".)
    const QFontMetricsF metrics(surface().font());
    const QString& first = lines_.front();
    const double left = metrics.horizontalAdvance(first.left(first.indexOf(QLatin1String("microPa/")) + 8));
    const double line = metrics.height() / twips::scale();
    Image2 = picture("Image2", ":/sqrt_hz.svg", {left / twips::scale(), 0, line * 47.0 / 33.0, line});
    Image2->setAccessibleName(tr("radice quadrata di Hz"));
    // The printed text is no control: a screen reader reads it as the window's text, and Ctrl+C copies it.
    setAccessibleDescription(text_);
    showsText(this, tr("Glossario"), [this] { return text_; });
    setFocusPolicy(Qt::StrongFocus);
}

void Form17::Form_Paint() {
    // From the top-left corner, whatever was printed before.
    surface().Clear();
    for (const QString& line : lines_)
        surface().Print(line);
}

void Form17::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text_);
        event->accept();
        return;
    }
    Screen::keyPressEvent(event);
}

}  // namespace px
