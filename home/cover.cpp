#include "cover.h"

#include <QEvent>

namespace px {

namespace {
const FontSpec kCoverFont = sans(13.2);

Look blueText() {
    Look look;
    look.fore = colour::blue;
    return look;
}
}  // namespace

Form1::Form1() : Screen(QStringLiteral("Form1"), QStringLiteral(" "), kCoverFont) {
    setBackground(colour::lightGrey);
    setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));

    // The texts are written by captions(), in the reading in force, and again whenever it changes.
    // clang-format off
    Label1  = label("Label1",  "PELAGONIX", {240, 0, 11580, 1950}, verdana(80.4), blueText());
    Label2  = label("Label2", QString(), {360, 2400, 5868, 312}, blueText());
    Label3  = label("Label3", QString(), {480, 3480, 9180, 192}, verdana(8.4));
    Label4  = label("Label4", QString(), {480, 3840, 10020, 195}, verdana(8.4));
    Label5  = label("Label5", QString(), {480, 4200, 8640, 195}, verdana(8.4));
    Label6  = label("Label6", QString(), {480, 4560, 10785, 195}, verdana(8.4));
    Label7  = label("Label7", QString(), {480, 4920, 10365, 195}, verdana(8.4));
    Label13 = label("Label13", QString(), {480, 5280, 8550, 195}, verdana(8.4));
    Label8  = label("Label8", QString(), {480, 5604, 11100, 195}, verdana(8.4));
    Label9  = label("Label9", QString(), {480, 5928, 10830, 195}, verdana(8.4));
    Label16 = label("Label16", QString(), {480, 6252, 8712, 216}, verdana(9.0));
    Label17 = label("Label17", QString(), {480, 6600, 9060, 216}, verdana(9.0));
    Label14 = label("Label14", ">>", {9360, 7560, 375, 360}, Look{{}, colour::lightCyan});
    Picture1 = picture("Picture1", ":/logo.svg", {9720, 7200, 1692, 972});
    // clang-format on
    Picture1->setCursor(Qt::PointingHandCursor);
    captions();
    onClick(Picture1, &Form1::Picture1_Click);
    tabOrder({Picture1});
}

void Form1::captions() {
    // clang-format off
    Label2->setCaption(tr("Calcolatore delle variabili acustiche per il sonar"));
    Label3->setCaption(tr("*Livello spettrale del rumore del mare in funzione della frequenza e dello stato dell'ambiente"));
    Label4->setCaption(tr("*Livello spettrale del rumore emesso da un C.T. in funzione della frequenza e della velocità del mezzo"));
    Label5->setCaption(tr("*Livello dell'attenuazione per propagazione in funzione della frequenza e della distanza"));
    Label6->setCaption(tr("*Caratteristica di direttività e guadagno di un trasduttore circolare in funzione della frequenza e del diametro"));
    Label7->setCaption(tr("*Caratteristica di direttività e guadagno di una base lineare in funzione della frequenza e della lunghezza"));
    Label13->setCaption(tr("*Valutazione dell'effetto doppler in funzione della frequenza e della velocità del mezzo"));
    Label8->setCaption(tr("*Distanza di un bersaglio mediante riflessione dal fondo in funzione dell'angolo di depressione e della profondità"));
    Label9->setCaption(tr("*Guadagno di direttività di una sorgente rettangolare/quadrata in funzione della frequenza e delle dimensioni"));
    Label16->setCaption(tr("* Portata di scoperta di un sonar passivo in funzione di: (Banda-SL-NL-DI-RC-d-Propag.)"));
    Label17->setCaption(tr("* Portata di scoperta di un sonar attivo in funzione di: (Ftx-BWrx-SL-TS-NL-DI-ti-d-Propag.)"));
    // clang-format on
    // The only way on from the cover: a button for the keyboard and for screen readers too.
    Picture1->setAccessibleName(tr("Apri il selettore delle funzioni di calcolo"));
}

void Form1::changeEvent(QEvent* event) {
    Screen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) captions();
}

void Form1::Picture1_Click() { screens::show(QStringLiteral("Form13")); }

}  // namespace px
