// Form16: the detection range of an active sonar, solved graphically (the two-way loss curve against the
// largest allowed two-way loss) and by a scan of range in steps of one metre.
#pragma once

#include "screen.h"

namespace px {

class Form16 : public Screen {
    Q_OBJECT
public:
    Form16();
    void Command1_Click();
    void calcoloportata();

    Label *Label18, *Label11, *Label14, *Label15, *Label20, *Label6, *Label21, *Label16, *Label1, *Label2, *Label3,
        *Label4, *Label5, *Label7, *Label8, *Label19, *Label13, *Label12;
    NumericField *Text1, *Text2, *Text3, *Text4, *Text5, *Text7, *Text8, *Text6;
    ChoiceBox* Combo1;
    Button* Command1;

protected:
    void Form_Paint() override;

private:
    // The empty plot: dotted grid, loss axis and range axis.
    void cornice();
};

}  // namespace px
