// Form4: the propagation-loss calculator, spreading and absorption losses of a single path.
#pragma once

#include "screen.h"

namespace px {

class Form4 : public Screen {
    Q_OBJECT
public:
    Form4();
    void Command1_Click();
    void Command2_Click();
    void calcoloatt();

    Label *Label5, *Label1, *Label6, *Label2, *Label7, *Label4, *Label3, *Label8, *Label9;
    NumericField *Text1, *Text2;
    ChoiceBox* Combo1;
    Button *Command1, *Command2;
    Picture* Picture1;
};

}  // namespace px
