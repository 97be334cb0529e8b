// The catalogue: every screen of the application, one row a screen.  The application registers its screens from
// this table alone, the selector's buttons open the screens their rows name, the driver lists the rows, and
// docs/architecture.md opens with the same index.  A screen's title here is its window title as the Italian
// layout gives it; the catalogue test holds it equal to the title of the constructed screen.
#include <QtGlobal>
#include <cstddef>

#include "active_range.h"
#include "bottom_reflection.h"
#include "catalogue.h"
#include "circular_transducer.h"
#include "cover.h"
#include "doppler.h"
#include "glossary.h"
#include "line_array.h"
#include "loss_calculator.h"
#include "loss_graph.h"
#include "passive_range.h"
#include "rectangular_source.h"
#include "sea_graph.h"
#include "sea_noise.h"
#include "selector.h"
#include "sheets.h"
#include "ship_graph.h"
#include "ship_noise.h"
#include "workbench.h"

static void initAssets() { Q_INIT_RESOURCE(assets); }

namespace px {

namespace {

template <class S>
Screen* make() {
    return new S;
}

// The algorithm sheet of that row of the sheets' table (the order of the buttons of Form18).
template <std::size_t I>
Screen* sheet() {
    return new AlgorithmSheet(kSheets[I]);
}

struct Row {
    const char* name;
    Screen* (*factory)();
    const char* title;
    const char* subsystem;
    const char* file;
    const char* openedBy;
    const char* purpose;
};

// clang-format off
constexpr Row kCatalogue[] = {
    {"Form1", make<Form1>, " ",
     "home", "home/cover.cpp", "",
     "The cover shown at start-up; a click on the logo opens the selector"},
    {"Form13", make<Form13>, "Selettore delle funzioni di calcolo",
     "home", "home/selector.cpp", "Form1.Picture1",
     "The selector: one button for each calculator, the workbench, the glossary and the algorithm sheets"},
    {"Form2", make<Form2>, "Calcolo del rumore spettrale del mare",
     "noise", "noise/sea_noise.cpp", "Form13.Command1",
     "Sea noise spectrum level (NL) from the sea state and the frequency"},
    {"Form10", make<Form10>, "Grafici del livello spettrale del rumore del mare",
     "noise", "noise/sea_graph.cpp", "Form2.Command2",
     "Graphs of the sea noise spectrum level over frequency for every sea state"},
    {"Form3", make<Form3>, "Calcolo del rumore spettrale irradiato da un C.T.",
     "noise", "noise/ship_noise.cpp", "Form13.Command2",
     "Radiated noise spectrum level (SL) of a surface ship from its speed and the frequency"},
    {"Form11", make<Form11>, "Grafici dell'andamento spettrale del rumore emesso da un C.T.",
     "noise", "noise/ship_graph.cpp", "Form3.Command2",
     "Graphs of a surface ship's radiated noise spectrum level over frequency"},
    {"Form4", make<Form4>, "Calcolo delle perdite per propagazione",
     "propagation", "propagation/loss_calculator.cpp", "Form13.Command3",
     "Propagation loss (TL): spreading and absorption (Thorp) from the range and the frequency"},
    {"Form14", make<Form14>, "Grafico dell'attenuazione per propagazione",
     "propagation", "propagation/loss_graph.cpp", "Form4.Command2",
     "Graph of the propagation loss over range"},
    {"Form15", make<Form15>, "Calcolo della portata di scoperta di un sonar passivo (propagazione normale)",
     "propagation", "propagation/passive_range.cpp", "Form13.Command10",
     "Detection range of a passive sonar from the passive sonar equation"},
    {"Form16", make<Form16>, "Calcolo della portata di scoperta di un sonar attivo (propagazione normale)",
     "propagation", "propagation/active_range.cpp", "Form13.Command11",
     "Detection range of an active sonar from the active sonar equation"},
    {"Form5", make<Form5>, "Calcoli sulla direttività di un trasduttore circolare",
     "transducers", "transducers/circular_transducer.cpp", "Form13.Command4",
     "Beam pattern, beam width and directivity index of a circular transducer"},
    {"Form6", make<Form6>, "Calcolo direttività base lineare",
     "transducers", "transducers/line_array.cpp", "Form13.Command5",
     "Beam pattern, beam width and directivity index of a line array"},
    {"Form7", make<Form7>, "Calcolo della frequenza doppler",
     "transducers", "transducers/doppler.cpp", "Form13.Command6",
     "Doppler frequency from the transmitted frequency and the speed in knots, with its graph"},
    {"Form8", make<Form8>, "Misura della distanza di un bersaglio attivo mediante la riflessione dal fondo",
     "transducers", "transducers/bottom_reflection.cpp", "Form13.Command7",
     "Range of an active target from the depth and the depression angle of the bottom reflection"},
    {"Form9", make<Form9>, "Calcolo del guadagno di direttività di una sorgente rettangolare o quadrata",
     "transducers", "transducers/rectangular_source.cpp", "Form13.Command8",
     "Directivity index (DI) of a rectangular or square source from its width, height and the frequency"},
    {"Form12", make<Form12>, "Metodi di correlazione per l'acustica subacquea",
     "correlation", "correlation/workbench.cpp", "Form13.Command12",
     "The correlation workbench: correlation curves, algorithms, the simulation and numeric block correlation"},
    {"Form17", make<Form17>, "Glossario dei termini impiegati in PELAGONIX",
     "home", "home/glossary.cpp", "Form13.Command13",
     "The glossary of the terms and symbols the program uses"},
    {"Form18", make<Form18>, "Algoritmi di acustica subacquea",
     "home", "home/sheets.cpp", "Form13.Command14",
     "The algorithm-sheet selector: one button for each of the eleven sheets"},
    {"Form19", sheet<0>, "Equazioni del sonar",
     "home", "home/sheets.cpp", "Form18.Command1",
     "Sheet: the passive and active sonar equations"},
    {"Form20", sheet<1>, "Calcolo del TS dei bersagli di confronto",
     "home", "home/sheets.cpp", "Form18.Command2",
     "Sheet: target strength of the reference targets (hollow sphere and cylinder)"},
    {"Form21", sheet<2>, "Calcolo del DT",
     "home", "home/sheets.cpp", "Form18.Command3",
     "Sheet: the detection threshold"},
    {"Form22", sheet<3>, "Algoritmi per il calcolo delle direttività di basi rettilinee",
     "home", "home/sheets.cpp", "Form18.Command4",
     "Sheet: directivity of line arrays (a window without a page)"},
    {"Form23", sheet<4>, "Algoritmi di calcolo direttività basi circolari",
     "home", "home/sheets.cpp", "Form18.Command5",
     "Sheet: directivity of circular arrays"},
    {"Form24", sheet<5>, "Algoritmi generali per il sonar",
     "home", "home/sheets.cpp", "Form18.Command6",
     "Sheet: post-integration and bearing errors of a sonar"},
    {"Form25", sheet<6>, "Algoritmi per il calcolo delle funzioni di correlazione principali",
     "home", "home/sheets.cpp", "Form18.Command7",
     "Sheet: the principal auto- and cross-correlation functions"},
    {"Form26", sheet<7>, "Algoritmi per il calcolo delle funzioni di correlazione analogica",
     "home", "home/sheets.cpp", "Form18.Command8",
     "Sheet: analog correlation functions"},
    {"Form27", sheet<8>, "Algoritmi di calcolo per le funzioni di correlazione digitale",
     "home", "home/sheets.cpp", "Form18.Command9",
     "Sheet: digital correlation functions"},
    {"Form28", sheet<9>, "Algoritmi di calcolo di funzioni di correlazione particolari",
     "home", "home/sheets.cpp", "Form18.Command10",
     "Sheet: particular correlation functions"},
    {"Form29", sheet<10>, "Algoritmi per il calcolo del coefficiente di correlazione",
     "home", "home/sheets.cpp", "Form18.Command11",
     "Sheet: the correlation coefficient"},
};
// clang-format on

}  // namespace

void registerAllScreens() {
    initAssets();
    for (const Row& row : kCatalogue)
        screens::add({QString::fromUtf8(row.name), QString::fromUtf8(row.title), QString::fromUtf8(row.subsystem),
                      QString::fromUtf8(row.file), QString::fromUtf8(row.purpose), QString::fromUtf8(row.openedBy),
                      row.factory});
}

}  // namespace px
