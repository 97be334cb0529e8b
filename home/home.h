#pragma once

namespace px {
// Registers the application's own screens: the cover, the calculator selector, the glossary,
// the algorithm-sheet selector and the eleven algorithm sheets.
void registerHomeScreens();
}  // namespace px
