// Form6: beam pattern, lobe widths and directivity index of a line array.
#pragma once

#include "directivity_screen.h"

namespace px {

class Form6 : public DirectivityScreen {
    Q_OBJECT
public:
    Form6();
};

}  // namespace px
