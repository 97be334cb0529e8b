#include "selector.h"

namespace px {

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
    // The workbench and the two reference screens, in a column of their own at the right, under the logo.
    Command12 = button("Command12", "Metodi di correlazione per l'acustica subacquea", {9240, 2220, 2535, 1092}, screenFont());
    Command13 = button("Command13", "Glossario dei termini impiegati", {9240, 3480, 2535, 1092}, screenFont());
    Command14 = button("Command14", "Algoritmi di acustica subacquea", {9240, 4740, 2535, 1092}, screenFont());
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
    onClick(Command12, &Form13::Command12_Click);
    onClick(Command13, &Form13::Command13_Click);
    onClick(Command14, &Form13::Command14_Click);
    tabOrder({Command8, Command7, Command6, Command5, Command4, Command3, Command1, Command2, Command10, Command11,
              Command12, Command13, Command14});
}

// Each button opens the screen whose catalogue row names it as its opener; a button whose screen is not part of
// this build does nothing (the show operation ignores an empty name).
namespace {
void openFrom(const char* button) {
    screens::show(screens::openedBy(QStringLiteral("Form13.") + QLatin1String(button)));
}
}  // namespace

void Form13::Command1_Click() { openFrom("Command1"); }
void Form13::Command2_Click() { openFrom("Command2"); }
void Form13::Command3_Click() { openFrom("Command3"); }
void Form13::Command4_Click() { openFrom("Command4"); }
void Form13::Command5_Click() { openFrom("Command5"); }
void Form13::Command6_Click() { openFrom("Command6"); }
void Form13::Command7_Click() { openFrom("Command7"); }
void Form13::Command8_Click() { openFrom("Command8"); }
void Form13::Command10_Click() { openFrom("Command10"); }
void Form13::Command11_Click() { openFrom("Command11"); }
void Form13::Command12_Click() { mostracorrelazione(); }
void Form13::Command13_Click() { mostraglossario(); }
void Form13::Command14_Click() { mostraalgoritmi(); }
void Form13::mostraglossario() { openFrom("Command13"); }
void Form13::mostraalgoritmi() { openFrom("Command14"); }
void Form13::mostracorrelazione() { openFrom("Command12"); }

}  // namespace px
