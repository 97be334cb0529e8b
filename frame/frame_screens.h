#pragma once

namespace px {
// Registers the frame's own screens: the cover, the calculator selector, the glossary,
// the algorithm-sheet selector and the eleven algorithm sheets.
void registerFrameScreens();
}  // namespace px
