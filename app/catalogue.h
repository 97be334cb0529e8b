// The catalogue of every screen, and the application's start-up.
#pragma once

namespace px {
// Registers every screen of the catalogue (app/catalogue.cpp), in its order.
void registerAllScreens();
// The start-up shared by the application and the driver: style, colours, regional separator, the twips scale
// of the display at hand, the catalogue; then shows the cover.
void startUp();
}  // namespace px
