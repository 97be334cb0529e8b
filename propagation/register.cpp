#include "propagation.h"

namespace px {
void registerPropagationScreens() {}
}  // namespace px
