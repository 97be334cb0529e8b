#pragma once

namespace px {
// Registers the sea-noise and ship-noise calculators and their graphs.
void registerNoiseScreens();
}  // namespace px
