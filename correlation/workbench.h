// Form12, the correlation workbench: one screen, twelve processes picked from a list, a panel of data fields that
// "Convalida dati" takes over into the shared working values, and "Calcolo" that draws a correlation curve on the
// dotted plot frame, prints a report, animates the digital correlator or correlates two blocks of numbers.
//
// The screen (layout, dispatch, the curves' setups, the two clearing operations, the plot frame) lives in
// workbench.cpp; each family of processes is an object the screen owns (families.h), and the families compute with
// plain functions that know no screen: curves.h, algorithms.h, simulation.h, blocks.h.
#pragma once

#include <array>
#include <memory>
#include <utility>

#include "chance.h"
#include "families.h"
#include "report.h"
#include "screen.h"
#include "working_values.h"

class QAction;
class QScrollBar;
class QShortcut;

namespace px {

class Form12 : public Screen {
    Q_OBJECT
public:
    // The processes of the list, numbered as the handlers know them (0: none picked).
    enum Process {
        None = 0,
        AnalFtc = 1,        // "ANAL. C = f(F,tc)"
        AnalF1F2tc = 2,     // "ANAL. C = f(F1,F2,tc)"
        AnalFad = 3,        // "ANAL. C = f(F,a°,d)"
        DigFtc = 4,         // "DIG. C = f(F,tc)"
        DigF1F2tc = 5,      // "DIG. C = f(F1,F2,tc)"
        AnalF1F2ad = 6,     // "ANAL. C = f(F1,F2,a°,d)"
        DigNoisy = 7,       // "DIG. C = f(F1,F2,tc,s/n,rc)"
        DigQuadrature = 8,  // "DIG. HC = f(F1,F2,tc)"
        Panorama = 9,       // "CORR.PANORAMICA"
        Algorithms = 10,    // "ALGORITMI SISTEMI DIG."
        Simulation = 11,    // "SIMULAZIONE DINAMICA"
        Blocks = 12,        // "CORR. BLOCCHI  NUMERICI"
    };
    // The entries of the two lists as the layout writes them, in order; the window shows them translated.
    static const QStringList& processNames();
    static const QStringList& algorithmNames();
    static QString translated(const QString& entry);
    static QStringList translated(const QStringList& entries);

    Form12();
    ~Form12() override;

    // Handlers.
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void List1_Click();

    // The process whose name the list shows now, and the algorithm (0 … 6) the algorithm list shows, or -1.
    Process process() const;
    int algorithm() const;

    // The clearing operations: with the frame drawn again unless comparing, and without a frame.
    void cancellaTEXTBOX();
    void cancellaTEXTBOX1();
    // The dotted plot frame and its two axes, in the foreground colour.
    void drawPlotFrame();

    // The setups of a curve and of the algorithm mode.
    void setupCurve(Process p);
    void setupAlgorithmMode();

    // The clock and the generator of the noisy curve and of the simulation; the system clock by default.
    void setChance(std::unique_ptr<TimeOfDay> clock, std::unique_ptr<Uniform> random);
    TimeOfDay& clock() { return *clock_; }
    Uniform& random() { return *random_; }

    // The working values all processes share; only the screen and its families write them.
    WorkingValues wv;
    // The families of processes, each with its own state.
    CurveFamily curveFamily{*this};
    AlgorithmFamily algorithmFamily{*this};
    SimulationFamily simulationFamily{*this};
    BlockFamily blockFamily{*this};
    // The simulation's run and the blocks typed, as their families keep them.
    const SimulationState& sim = simulationFamily.state;
    const BlockState& blocks = blockFamily.state;
    // The printer of the reports; it keeps the plain text of the report on the window.
    ReportPrinter report{surface()};
    // "Copia rapporto" (Ctrl+C and the context menu): the report on the window, as plain text, to the clipboard.
    QAction* copyReportAction = nullptr;
    void copyReport();

    // The hint beside the buttons: what the last step did with the data, which a screen reader hears.  It says
    // nothing the drawing says, and draws nothing on the drawing.
    Label* Label16 = nullptr;
    void setHint(const QString& text);
    QString hint() const;
    // Enter in a data field: "Convalida dati", then "Calcolo" (for the number blocks, "Convalida dati" alone).
    void enterInField();
    // Esc, or a second "Calcolo": stops the simulation that runs.
    void stopSimulation();

    // The printed report, when it runs below the top of the controls: it is read in the band above them, which
    // scrolls over it (the wheel, Page Up and Page Down, Ctrl+Home and Ctrl+End, its scroll bar).  The display
    // list is the same; only the part of it in view changes.
    QScrollBar* reportScroll = nullptr;
    bool reportScrolls() const;
    // The report's lines in view, from 1: first and last.
    std::pair<int, int> reportLinesInView() const;
    int reportLineCount() const;
    void scrollReport(int pixels);
    void scrollReportTo(bool end);

    // Controls, by their layout names.
    Picture *Picture1, *Image1, *Image2, *Image3;
    Label *Label11, *Label14, *Label10, *Label12, *Label7, *Label2, *Label13, *Label15;
    Shape* Shape2;
    GroupFrame* Frame1;
    ChoiceBox* Combo1;
    Button *Command2, *Command1;
    CheckBox* Check1;
    ListBox* List1;
    // The data fields: caption labels Label1, Label3, Label4, Label5, Label6, Label8 and boxes txtdigits1 … 6 in
    // Frame1; txtdigits7 outside it.
    Label *Label1, *Label3, *Label4, *Label5, *Label6, *Label8;
    NumericField *txtdigits1, *txtdigits2, *txtdigits3, *txtdigits4, *txtdigits5, *txtdigits6, *txtdigits7;

    // Field n (1 … 7) and the caption of field n (1 … 6).
    NumericField* field(int n) const { return fields_[static_cast<std::size_t>(n - 1)]; }
    Label* caption(int n) const { return captions_[static_cast<std::size_t>(n - 1)]; }
    // Val of field n.
    double value(int n) const;
    // What the window shows, in words, for screen readers: the report printed, or the curves drawn.
    QString drawingInWords() const;
    // "Compara   grafici", read afresh at every call.
    bool comparing() const { return Check1->isChecked(); }

protected:
    void Form_Paint() override;
    void paintDrawing(QPainter& painter, QSize size) override;
    // A long report is read in its own band: the window scrolls over its controls only.
    QSize layoutSize() const override;
    void wheelEvent(QWheelEvent* event) override;
    // The layout helpers, beside the accessor `field` of the same name.
    using Screen::field;
    using Screen::label;

private:
    friend struct Form12Aftermath;
    friend struct Form12Quiet;
    // Set up in the constructor: the hint, Enter in the fields, Esc, the tool-tips, the report's view.
    void setUpGuidance();
    // After each handler, also one a fault ended: the tool-tips, "Copia rapporto" and the report's view follow
    // what it did.
    void afterHandler();
    void describeFields();
    void followReport();
    void fieldEdited();

    int quiet_ = 0;                     // while a procedure writes the fields: no edit of the user's
    bool edited_ = false;               // data typed since the last "Convalida dati"
    bool validatedOnce_ = false;        // some data taken over since the window opened
    QShortcut* copyNothing_ = nullptr;  // Ctrl+C while no report is shown

    std::array<NumericField*, 7> fields_{};
    std::array<Label*, 6> captions_{};
    std::unique_ptr<TimeOfDay> clock_;
    std::unique_ptr<Uniform> random_;
};

// Around each handler of the workbench: the fields it writes are none of the user's edits, and afterwards (also
// after a fault) the hint, the tool-tips, "Copia rapporto" and the report's view follow what it did.  `pressed`:
// 0 a pick in the process list, 1 "Convalida dati", 2 "Calcolo", 3 a pick in the algorithm list.
struct Form12Aftermath {
    Form12Aftermath(Form12& form, int pressed);
    ~Form12Aftermath();
    Form12Aftermath(const Form12Aftermath&) = delete;
    Form12Aftermath& operator=(const Form12Aftermath&) = delete;

private:
    void say();
    Form12& f;
    int pressed;
    bool wasRunning;
};

// While a procedure outside a handler (a cycle of the simulation) writes the fields.
struct Form12Quiet {
    explicit Form12Quiet(Form12& form);
    ~Form12Quiet();
    Form12Quiet(const Form12Quiet&) = delete;
    Form12Quiet& operator=(const Form12Quiet&) = delete;

private:
    Form12& f;
};

}  // namespace px
