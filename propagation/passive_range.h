// Form15: the detection range of a passive sonar, solved graphically (the loss curve against the largest
// allowed loss) and by a scan of range.
#pragma once

#include "detection_screen.h"

namespace px {

class Form15 : public DetectionRangeScreen {
    Q_OBJECT
public:
    Form15();

    Label *Label19, *Label18, *Label10;

protected:
    propagation::Solution compute(results::Table& table) override;
};

}  // namespace px
