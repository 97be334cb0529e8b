#include "cover.h"

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

    // clang-format off
    Label1  = label("Label1",  "PELAGONIX", {240, 0, 11580, 1950}, verdana(80.4), blueText());
    Label2  = label("Label2",  "Calcolatore delle variabili acustiche per il sonar", {360, 2400, 5868, 312}, blueText());
    Label3  = label("Label3",  "*Livello spettrale del rumore del mare in funzione della frequenza e dello stato dell'ambiente", {480, 3480, 9180, 192}, verdana(8.4));
    Label4  = label("Label4",  "*Livello spettrale del rumore emesso da un C.T. in funzione della frequenza e della velocità del mezzo", {480, 3840, 10020, 195}, verdana(8.4));
    Label5  = label("Label5",  "*Livello dell'attenuazione per propagazione in funzione della frequenza e della distanza", {480, 4200, 8640, 195}, verdana(8.4));
    Label6  = label("Label6",  "*Caratteristica di direttività e guadagno di un trasduttore circolare in funzione della frequenza e del diametro", {480, 4560, 10785, 195}, verdana(8.4));
    Label7  = label("Label7",  "*Caratteristica di direttività e guadagno di una base lineare in funzione della frequenza e della lunghezza", {480, 4920, 10365, 195}, verdana(8.4));
    Label13 = label("Label13", "*Valutazione dell'effetto doppler in funzione della frequenza e della velocità del mezzo", {480, 5280, 8550, 195}, verdana(8.4));
    Label8  = label("Label8",  "*Distanza di un bersaglio mediante riflessione dal fondo in funzione dell'angolo di depressione e della profondità", {480, 5604, 11100, 195}, verdana(8.4));
    Label9  = label("Label9",  "*Guadagno di direttività di una sorgente rettangolare/quadrata in funzione della frequenza e delle dimensioni", {480, 5928, 10830, 195}, verdana(8.4));
    Label16 = label("Label16", "* Portata di scoperta di un sonar passivo in funzione di: (Banda-SL-NL-DI-RC-d-Propag.)", {480, 6252, 8712, 216}, verdana(9.0));
    Label17 = label("Label17", "* Portata di scoperta di un sonar attivo in funzione di: (Ftx-BWrx-SL-TS-NL-DI-ti-d-Propag.)", {480, 6600, 9060, 216}, verdana(9.0));
    Label14 = label("Label14", ">>", {9360, 7560, 375, 360}, Look{{}, colour::lightCyan});
    Picture1 = picture("Picture1", ":/logo.svg", {9720, 7200, 1692, 972});
    // clang-format on
    Picture1->setCursor(Qt::PointingHandCursor);
    onClick(Picture1, &Form1::Picture1_Click);
}

void Form1::Picture1_Click() { screens::show(QStringLiteral("Form13")); }

Form13::Form13()
    : Screen(QStringLiteral("Form13"), QStringLiteral("Selettore delle funzioni di calcolo"), sans(7.8)) {
    Look heading;
    heading.border = true;
    heading.fore = colour::menuText();
    // clang-format off
    Label1    = label("Label1", " SELEZIONARE IL TIPO DI CALCOLO CLICCANDO SUL PULSANTE", {0, 240, 8415, 495}, sans(10.8), heading);
    Picture2  = picture("Picture2", ":/logo.svg", {9600, 0, 1812, 972});
    Command1  = button("Command1",  "Calcolo del livello spettrale del rumore del mare", {2760, 960, 2655, 1092}, screenFont());
    Command2  = button("Command2",  "Calcolo del livello spettrale di rumore emesso da un C.T.", {2760, 2220, 2655, 1092}, screenFont());
    Command3  = button("Command3",  "Calcolo attenuazione per propagazione", {2760, 3480, 2655, 1092}, screenFont());
    Command4  = button("Command4",  "Calcolo direttività trasduttore circolare", {2760, 4740, 2655, 1092}, screenFont());
    Command5  = button("Command5",  "Calcolo direttività  base lineare", {2760, 6000, 2655, 1092}, screenFont());
    Command7  = button("Command7",  "Calcolo  distanza  bersaglio a mezzo riflessione dal fondo", {6240, 960, 2655, 1092}, screenFont());
    Command8  = button("Command8",  "Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata", {6240, 2220, 2655, 1092}, screenFont());
    Command6  = button("Command6",  "Calcolo della frequenza doppler", {6240, 3480, 2655, 1092}, screenFont());
    Command10 = button("Command10", "Calcolo della portata di scoperta di un sonar passivo (propagazione normale)", {6240, 4740, 2655, 1092}, screenFont());
    Command11 = button("Command11", "Calcolo della portata di scoperta di un sonar attivo (propagazione normale)", {6240, 6000, 2655, 1092}, screenFont());
    // clang-format on
    onClick(Command1, &Form13::Command1_Click);
    onClick(Command2, &Form13::Command2_Click);
    onClick(Command3, &Form13::Command3_Click);
    onClick(Command4, &Form13::Command4_Click);
    onClick(Command5, &Form13::Command5_Click);
    onClick(Command6, &Form13::Command6_Click);
    onClick(Command7, &Form13::Command7_Click);
    onClick(Command8, &Form13::Command8_Click);
    onClick(Command10, &Form13::Command10_Click);
    onClick(Command11, &Form13::Command11_Click);
    tabOrder(
        {Command8, Command7, Command6, Command5, Command4, Command3, Command1, Command2, Command10, Command11});
}

// A button whose screen is not part of this build does nothing: the show operation ignores unknown names.
void Form13::Command1_Click() { screens::show(QStringLiteral("Form2")); }
void Form13::Command2_Click() { screens::show(QStringLiteral("Form3")); }
void Form13::Command3_Click() { screens::show(QStringLiteral("Form4")); }
void Form13::Command4_Click() { screens::show(QStringLiteral("Form5")); }
void Form13::Command5_Click() { screens::show(QStringLiteral("Form6")); }
void Form13::Command6_Click() { screens::show(QStringLiteral("Form7")); }
void Form13::Command7_Click() { screens::show(QStringLiteral("Form8")); }
void Form13::Command8_Click() { screens::show(QStringLiteral("Form9")); }
void Form13::Command10_Click() { screens::show(QStringLiteral("Form15")); }
void Form13::Command11_Click() { screens::show(QStringLiteral("Form16")); }
void Form13::mostraglossario() { screens::show(QStringLiteral("Form17")); }
void Form13::mostraalgoritmi() { screens::show(QStringLiteral("Form18")); }
void Form13::mostracorrelazione() { screens::show(QStringLiteral("Form12")); }

}  // namespace px
