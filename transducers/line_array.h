// Form6: beam pattern, lobe widths and directivity index of a line array.
#pragma once

#include "screen.h"

namespace px {

class Form6 : public Screen {
    Q_OBJECT
public:
    Form6();
    void Command1_Click();
    // Reads frequency and length, draws sin(x)/x over 0.1..100 degrees, writes the widths and the index.
    void dircalc();

    Label *Label5, *Label1, *Label6, *Label2, *Label4, *Label3, *Label8, *Label9, *Label7, *Label10, *Label12,
        *Label13, *Label14, *Label11, *Label16;
    NumericField *Text1, *Text2;
    Button* Command1;
    Picture* Picture1;

protected:
    void Form_Paint() override;
};

}  // namespace px
