// Form3: the ship radiated noise calculator, the spectral source level SL of a vessel from the frequency and the
// speed.
#pragma once

#include "level_calculator.h"

namespace px {

class Form3 : public noise::SpectrumCalculator {
    Q_OBJECT
public:
    Form3();
};

}  // namespace px
