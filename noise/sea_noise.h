// Form2: the sea ambient noise calculator, the spectral level NL from the frequency and the sea state.
#pragma once

#include "level_calculator.h"

namespace px {

class Form2 : public noise::SpectrumCalculator {
    Q_OBJECT
public:
    Form2();
};

}  // namespace px
