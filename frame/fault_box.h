// The reporter in force: the application's message box, or the one a test or the driver installed.
#pragma once

#include <QString>

#include "fault.h"

namespace px {

// The fault's message as the user reads it, in the reading in force.
QString faultText(const Fault& fault);
// A fault message (an Italian source text, as Fault::what() and the recorder give it) in the reading in force.
QString faultText(const char* message);

// The reporter in force; the message box one unless another was installed.
FaultReporter& faultReporter();
// Installs a reporter (nullptr restores the message box); the caller keeps ownership.
void setFaultReporter(FaultReporter* reporter);

}  // namespace px
