// Form14: the fixed chart of the propagation-loss model: spreading loss against range for both laws, and
// Thorp's absorption coefficient against frequency.
#pragma once

#include "screen.h"

namespace px {

class Form14 : public Screen {
    Q_OBJECT
public:
    Form14();
    void Label4_Click();

    Label *Label6, *Label10, *Label3, *Label4, *Label5, *Label11, *Label1, *Label7, *Label9, *Label2, *Label12,
        *Label8;

protected:
    void Form_Paint() override;
};

}  // namespace px
