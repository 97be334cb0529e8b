#include "glossary.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>

#include "accessibility.h"

namespace px {

// Each text begins with one blank; the blanks at the ends of the first and the third line leave room for the
// root sign of "Hz" beside them, and the texts in brackets hold two blanks after the semicolon.
const std::array<const char*, 26> kGlossaryLines = {
    " NL = livello spettrale di rumore generato dal mare: espresso in dB/microPa/         ",
    " SS = stato del mare: espresso con numeri quali ( 0; 1/2; 1; 2; 4; 6 )",
    " SL = livello spettrale di rumore emesso da una sorgente acustica: in dB/microPa/          ad 1 m.",
    " TL = attenuazione dei raggi acustici per divergenza: espressa in dB",
    " alfa = attenuazione dei raggi acustici per assorbimento: espressa in dB/Km",
    " DI = indice di direttività (guadagno di direttività): espresso in dB",
    " F1; F2 = esterimi inferiore e superiore della banda di ricezione di un sonar passivo; in Hz",
    " Ftx = frequenza di emissione di un sonar attivo: espressa in Hz o KHz",
    " tTx = durata dell'impulso di emissione di un sonar attivo: espressa in Sec.",
    " Bwrx = banda di ricezione del ricevitore sonar attivo per i segnali acustici impulsivi: espressa in Hz",
    " TS = forza del bersaglio: espressa in dB",
    " RC = valore della costante di tempo del rivelatore dei segnali acustici: esperessa in Sec. ",
    " d = indice della probabilità di scoperta e di falso allarme: espresso in numeri puri (vedi curve ROC)",
    "",
    " ANAL.C=f(F,tc)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo del suono in acqua in microSec.]",
    " ANAL.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo del suono in acqua microSec.]",
    " ANAL.C=f(F,a°,d)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  a° = angolo di provenienza suono rispetto asse base",
    " [ d = lunghezza della base in metri]",
    "",
    " DIG.C=f(F,tc)= indice di selezione per funzione di correlazione digitale distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo percorso suono in acqua in microSec.]",
    " DIG.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione digitale distinta da:",
    " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo percorso suono in acqua in microSec.]",
};

Form17::Form17()
    : Screen(QStringLiteral("Form17"), QStringLiteral("Glossario dei termini impiegati in PELAGONIX"), sans(10.8)) {
    // The root sign of "Hz" stands after "dB/microPa/" of the first line, in the blanks left for it there, as
    // tall as a line and in the shape of its 47 x 33 pixels.  (The layout's box, at 10080, 480, was placed for
    // the widths of the original face; with any other face it falls beside the third line's "ad 1 m.".)
    const QFontMetricsF metrics(surface().font());
    const QString first = QString::fromUtf8(kGlossaryLines[0]);
    const double left = metrics.horizontalAdvance(first.left(first.indexOf(QLatin1String("microPa/")) + 8));
    const double line = metrics.height() / twips::scale();
    Image2 = picture("Image2", ":/sqrt_hz.svg", {left / twips::scale(), 0, line * 47.0 / 33.0, line});
    Image2->setAccessibleName(QStringLiteral("radice quadrata di Hz"));
    // The printed text is no control: a screen reader reads it as the window's text, and Ctrl+C copies it.
    setAccessibleDescription(glossaryText());
    showsText(this, QStringLiteral("Glossario"), [] { return glossaryText(); });
    setFocusPolicy(Qt::StrongFocus);
}

void Form17::Form_Paint() {
    // From the top-left corner, whatever was printed before.
    surface().Clear();
    for (const char* line : kGlossaryLines)
        surface().Print(QString::fromUtf8(line));
}

QString glossaryText() {
    // Each line as it reads: without the blanks at its ends, and with the root sign that the picture shows beside
    // "dB/microPa/" written out.
    static const QRegularExpression beforeSign(QStringLiteral("dB/microPa/ +"));
    QStringList lines;
    for (const char* line : kGlossaryLines)
        lines << QString::fromUtf8(line).replace(beforeSign, QStringLiteral("dB/microPa/√Hz ")).trimmed();
    return lines.join(QLatin1Char('\n'));
}

void Form17::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(glossaryText());
        event->accept();
        return;
    }
    Screen::keyPressEvent(event);
}

}  // namespace px
