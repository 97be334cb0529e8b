// Form5: beam pattern, lobe widths and directivity index of a circular transducer.
#pragma once

#include "directivity_screen.h"

namespace px {

class Form5 : public DirectivityScreen {
    Q_OBJECT
public:
    Form5();
};

}  // namespace px
