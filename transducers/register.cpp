#include "transducers.h"

namespace px {
void registerTransducerScreens() {}
}  // namespace px
