// Form16: the detection range of an active sonar, solved graphically (the two-way loss curve against the
// largest allowed two-way loss) and by a scan of range in steps of one metre.
#pragma once

#include "detection_screen.h"

namespace px {

class Form16 : public DetectionRangeScreen {
    Q_OBJECT
public:
    Form16();

    Label *Label18, *Label20, *Label21, *Label19;
    NumericField* Text6;

protected:
    propagation::Solution compute(results::Table& table) override;
};

}  // namespace px
