#pragma once

namespace px {
// Registers the directivity, Doppler and bottom-reflection screens.
void registerTransducerScreens();
}  // namespace px
