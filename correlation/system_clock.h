// The time of day the workbench draws from outside a test: the system's clock.
#pragma once

#include <memory>

#include "chance.h"

namespace px {

// The system's clock: local time of day, to the millisecond.
std::unique_ptr<TimeOfDay> systemTimeOfDay();

}  // namespace px
