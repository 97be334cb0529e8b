#pragma once

namespace px {
// Registers the frame's own screens: the cover and the calculator selector.
void registerFrameScreens();
}  // namespace px
