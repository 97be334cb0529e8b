// Form8: the range of an active target from the height above the bottom and the depression angle of its signal
// after one reflection from the bottom, with a diagram of the range against the angle.
#pragma once

#include "screen.h"

namespace px {

class Form8 : public Screen {
    Q_OBJECT
public:
    Form8();
    void Command1_Click();
    // Draws the range over 1..50 degrees at the height typed, then writes the range at the angle typed.
    void calcolodist();

    Label *Label5, *Label1, *Label6, *Label2, *Label4, *Label3, *Label9, *Label10, *Label8, *Label7, *Label11,
        *Label12;
    NumericField *Text1, *Text2;
    Button* Command1;
    Picture *Picture1, *Picture2;

protected:
    void Form_Paint() override;

private:
    void drawFrame();
};

}  // namespace px
