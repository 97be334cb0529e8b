// Form10: the sea-noise spectra of all six sea states on a logarithmic frequency axis, 0.1 to 100 kHz, and a
// level axis from 0 to 100 dB, over a dotted grid, with a colour legend.
#pragma once

#include "screen.h"

namespace px {

namespace noise {
class DecadeCaption;
}

class Form10 : public Screen {
    Q_OBJECT
public:
    Form10();

    Label *Label9, *Label12, *Label8, *Label11, *Label10, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    noise::DecadeCaption* Label1;
    Picture* Picture1;

protected:
    void Form_Paint() override;
};

}  // namespace px
