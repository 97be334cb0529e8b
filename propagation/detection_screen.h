// What the two detection-range screens (Form15, passive; Form16, active) have alike: the plot frame and its
// scales, the law choice, the controls of the sonar equation's common terms, and the procedure of "Calcolo" —
// clear the plot, draw the frame, let the screen read its fields, compute and draw its curve, then mark the
// solution.  Each screen places its own controls and composes its own model.
#pragma once

#include <optional>

#include "detection_range.h"
#include "export.h"
#include "screen.h"

namespace px {

class DetectionRangeScreen : public Screen {
    Q_OBJECT
public:
    void Command1_Click();
    // The largest allowed loss, the loss curve against it, and the range found by the model's scan.
    void calcoloportata();

    Label *Label11, *Label14, *Label15, *Label6, *Label16, *Label1, *Label2, *Label3, *Label4, *Label5, *Label7,
        *Label8, *Label13, *Label12;
    NumericField *Text1, *Text2, *Text3, *Text4, *Text5, *Text7, *Text8;
    ChoiceBox* Combo1;
    Button* Command1;

protected:
    // The plot in twips: the frame's top edge (the origin lies 4480 below it, at x 500), the twips a km, and the
    // twips a dB of the curve.  The solution's marker is drawn at its one-way loss, 22.4 twips a dB.
    struct Scales {
        int top;
        double perKm, perDb;
    };
    DetectionRangeScreen(const QString& name, const QString& caption, Scales scales);

    static const FontSpec& fieldFont();
    // The law choice: it opens on "Propagazione", which is no item.
    ChoiceBox* lawChoice(Rect r);
    // The law the choice shows, or none when its text is no item.
    std::optional<propagation::Law> law() const;
    // The tool-tips of the law choice and of the fields both screens have (NL, DI, d).
    void commonTips();

    // Reads the fields, computes, draws the curve, writes the result and gives the solution found (none when
    // nothing was computed).
    virtual propagation::Solution compute(results::Table& table) = 0;
    // The sink that draws each step of the curve (loss in blue, limit in red) and keeps it in the series.
    propagation::CurveSink drawing(results::Series& curve);
    // The axis of the solution's series when it is drawn at another scale than the plot's.
    std::optional<results::Axis> solutionAxis;

    void Form_Paint() override;

private:
    // The empty plot: dotted grid, loss axis and range axis.
    void cornice();
    Scales scales_;
};

}  // namespace px
