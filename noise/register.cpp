#include "noise.h"

namespace px {
void registerNoiseScreens() {}
}  // namespace px
