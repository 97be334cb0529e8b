#include "selector.h"

#include <QEvent>

#include "reading.h"

namespace px {

Form13::Form13() : Screen(QStringLiteral("Form13"), QString(), sans(7.8)) {
    Look heading;
    heading.border = true;
    heading.fore = colour::menuText();
    // The captions are written by captions(), in the reading in force, and again whenever it changes.
    // clang-format off
    Label1    = label("Label1", QString(), {0, 240, 8415, 495}, sans(10.8), heading);
    Picture2  = picture("Picture2", ":/logo.svg", {9600, 0, 1812, 972});
    Command1  = button("Command1",  QString(), {2760, 960, 2655, 1092}, screenFont());
    Command2  = button("Command2",  QString(), {2760, 2220, 2655, 1092}, screenFont());
    Command3  = button("Command3",  QString(), {2760, 3480, 2655, 1092}, screenFont());
    Command4  = button("Command4",  QString(), {2760, 4740, 2655, 1092}, screenFont());
    Command5  = button("Command5",  QString(), {2760, 6000, 2655, 1092}, screenFont());
    Command7  = button("Command7",  QString(), {6240, 960, 2655, 1092}, screenFont());
    Command8  = button("Command8",  QString(), {6240, 2220, 2655, 1092}, screenFont());
    Command6  = button("Command6",  QString(), {6240, 3480, 2655, 1092}, screenFont());
    Command10 = button("Command10", QString(), {6240, 4740, 2655, 1092}, screenFont());
    Command11 = button("Command11", QString(), {6240, 6000, 2655, 1092}, screenFont());
    // The workbench and the two reference screens, in a column of their own at the right, under the logo.
    Command12 = button("Command12", QString(), {9240, 2220, 2535, 1092}, screenFont());
    Command13 = button("Command13", QString(), {9240, 3480, 2535, 1092}, screenFont());
    Command14 = button("Command14", QString(), {9240, 4740, 2535, 1092}, screenFont());
    // The reading of the interface, under that column; its two entries are each in its own language.
    Label2    = label("Label2", QString(), {9240, 6120, 2535, 255});
    Combo1    = choice("Combo1", QString(), {QStringLiteral("Italiano"), QStringLiteral("English")}, {9240, 6420, 2535, 330}, screenFont(), false);
    // clang-format on
    captions();
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
    onClick(Combo1, &Form13::Combo1_Click);
    tabOrder({Command8, Command7, Command6, Command5, Command4, Command3, Command1, Command2, Command10, Command11,
              Command12, Command13, Command14, Combo1});
}

namespace {
// A button's caption is its accessible name too.
void recaption(Button* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(caption);
}
}  // namespace

void Form13::captions() {
    setWindowTitle(tr("Selettore delle funzioni di calcolo"));
    Label1->setCaption(tr(" SELEZIONARE IL TIPO DI CALCOLO CLICCANDO SUL PULSANTE"));
    recaption(Command1, tr("Calcolo del livello spettrale del rumore del mare"));
    recaption(Command2, tr("Calcolo del livello spettrale di rumore emesso da un C.T."));
    recaption(Command3, tr("Calcolo attenuazione per propagazione"));
    recaption(Command4, tr("Calcolo direttività trasduttore circolare"));
    recaption(Command5, tr("Calcolo direttività  base lineare"));
    recaption(Command7, tr("Calcolo  distanza  bersaglio a mezzo riflessione dal fondo"));
    recaption(Command8, tr("Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata"));
    recaption(Command6, tr("Calcolo della frequenza doppler"));
    recaption(Command10, tr("Calcolo della portata di scoperta di un sonar passivo (propagazione normale)"));
    recaption(Command11, tr("Calcolo della portata di scoperta di un sonar attivo (propagazione normale)"));
    recaption(Command12, tr("Metodi di correlazione per l'acustica subacquea"));
    recaption(Command13, tr("Glossario dei termini impiegati"));
    recaption(Command14, tr("Algoritmi di acustica subacquea"));
    Label2->setCaption(tr("Lingua:"));
    Combo1->setAccessibleName(tr("Lingua dell'interfaccia"));
    // The choice shows the reading in force, however it was set.
    Combo1->setCurrentIndex(reading::current() == reading::Reading::English ? 1 : 0);
}

void Form13::changeEvent(QEvent* event) {
    Screen::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) captions();
}

// The pick is remembered and read at once: this selector's captions change with it (the change of translations
// reaches every open window), and every screen opened afterwards reads it.
void Form13::Combo1_Click() {
    const reading::Reading picked =
        Combo1->currentIndex() == 1 ? reading::Reading::English : reading::Reading::Italian;
    reading::choose(picked);
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
