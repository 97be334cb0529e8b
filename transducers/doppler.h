// Form7: the Doppler shift of an echo, with its diagram against the operating frequency.
#pragma once

#include "screen.h"

namespace px {

class Form7 : public Screen {
    Q_OBJECT
public:
    Form7();
    void Command1_Click();
    // Reads frequency and speed, writes the shift, draws the shift from 0 to 100 kHz at that speed.
    void calcoldopp();

    Label *Label5, *Label1, *Label6, *Label4, *Label3, *Label2, *Label10, *Label8, *Label11, *Label7, *Label12;
    NumericField *Text1, *Text2;
    Button* Command1;
    Picture* Picture1;

protected:
    void Form_Paint() override;

private:
    void drawFrame();
};

}  // namespace px
