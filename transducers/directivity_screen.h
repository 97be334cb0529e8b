// The two directivity screens, circular transducer (Form5) and line array (Form6), share one procedure: read the
// frequency and the size, draw the pattern over 0.1..100 degrees on the directivity plot, write the two lobe widths
// and the directivity index.  Each screen gives its layout and its model; the procedure is here.
#pragma once

#include <optional>

#include "directivity_model.h"
#include "screen.h"

namespace px {

class DirectivityScreen : public Screen {
    Q_OBJECT
public:
    void Command1_Click();
    // Reads frequency (Text1) and size (Text2), draws the pattern, writes the widths and the index.
    void dircalc();

    Label *Label5, *Label1, *Label6, *Label2, *Label4, *Label3, *Label8, *Label9, *Label7, *Label10, *Label12,
        *Label13, *Label14, *Label11, *Label16;
    NumericField *Text1, *Text2;
    Button* Command1;
    Picture* Picture1;

protected:
    // The pattern of the face, handed on point by point, and its index.
    struct Model {
        std::optional<transducers::LobeWidths> (*pattern)(const transducers::Aperture&,
                                                          const transducers::CurveSink&);
        double (*index)(const transducers::Aperture&);
    };
    DirectivityScreen(const QString& name, const QString& caption, Model model);
    // Once the layout is placed: the button's handler, the plot for the readout and the tab order.
    void connectLayout();
    void Form_Paint() override;

private:
    Model model_;
};

}  // namespace px
