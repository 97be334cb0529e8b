#include "workbench.h"

namespace px {

void Form12::runCurve(Process) {}

}  // namespace px
