// Form15: the detection range of a passive sonar, solved graphically (the loss curve against the largest
// allowed loss) and by a scan of range.
#pragma once

#include "screen.h"

namespace px {

class Form15 : public Screen {
    Q_OBJECT
public:
    Form15();
    void Command1_Click();
    void calcoloportata();

    Label *Label11, *Label14, *Label15, *Label19, *Label18, *Label6, *Label10, *Label16, *Label1, *Label2, *Label3,
        *Label4, *Label5, *Label7, *Label8, *Label13, *Label12;
    NumericField *Text1, *Text2, *Text3, *Text4, *Text5, *Text7, *Text8;
    ChoiceBox* Combo1;
    Button* Command1;

protected:
    void Form_Paint() override;

private:
    // The empty plot: dotted grid, loss axis and range axis.
    void cornice();
};

}  // namespace px
