// Form11: the ship radiated-noise spectra of all four speeds on a logarithmic frequency axis, 0.1 to 100 kHz, and
// a level axis from 0 to 200 dB, over the dotted grid of the sea-noise graph, with a colour legend.
#pragma once

#include "screen.h"

namespace px {

namespace noise {
class DecadeCaption;
}

class Form11 : public Screen {
    Q_OBJECT
public:
    Form11();

    Label *Label9, *Label10, *Label7, *Label8, *Label6, *Label2, *Label3, *Label4, *Label5;
    noise::DecadeCaption* Label1;
    Picture* Picture1;

protected:
    void Form_Paint() override;
};

}  // namespace px
