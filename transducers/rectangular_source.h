// Form9: directivity index of a rectangular or square face from its two sides and the frequency.
#pragma once

#include "screen.h"

namespace px {

class Form9 : public Screen {
    Q_OBJECT
public:
    Form9();
    void Command1_Click();
    // Reads frequency, width and height, writes the index into Label3 (or leaves it as it is).
    void calcologuad();

    Label *Label5, *Label1, *Label6, *Label2, *Label4, *Label3;
    NumericField *Text1, *Text2, *Text3;
    Button* Command1;
    Picture* Picture1;
};

}  // namespace px
