// Form2: the sea ambient noise calculator, the spectral level NL from the frequency and the sea state.
#pragma once

#include "screen.h"

namespace px {

class Form2 : public Screen {
    Q_OBJECT
public:
    Form2();
    void Command1_Click();
    void Command2_Click();
    void calcolomare();

    Label *Label5, *Label1, *Label2, *Label4, *Label3, *Label6;
    NumericField* Text1;
    ChoiceBox* Combo1;
    Button *Command1, *Command2;
    Picture* Picture1;
};

}  // namespace px
