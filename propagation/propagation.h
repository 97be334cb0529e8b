#pragma once

namespace px {
// Registers the propagation-loss calculator, its graph and the detection-range screens.
void registerPropagationScreens();
}  // namespace px
