// Form3: the ship radiated noise calculator, the spectral source level SL of a vessel from the frequency and the
// speed.
#pragma once

#include "screen.h"

namespace px {

class Form3 : public Screen {
    Q_OBJECT
public:
    Form3();
    void Command1_Click();
    void Command2_Click();
    void calcoloct();

    Label *Label5, *Label1, *Label2, *Label4, *Label3, *Label6;
    NumericField* Text1;
    ChoiceBox* Combo1;
    Button *Command1, *Command2;
    Picture* Picture1;
};

}  // namespace px
