// The dotted frames the transducer and geometry screens draw before their curves.
#pragma once

#include "surface.h"

namespace px {

// The directivity plot: 21 dotted verticals every 322 twips (5 degrees) and 21 dotted horizontals every 224 twips
// (0.1 of the pattern) over x 500..6940 and y 500..4980, then the angle axis at y 2740 running on to x 7100, then
// the value axis at x 500.
void drawDirectivityFrame(Surface& s);

// The half-size grid of the Doppler and bottom-reflection diagrams: 21 dotted verticals every 161 twips and
// 21 dotted horizontals every 112 twips over x 500..3720 and y 6000..8240.  The axes are drawn by each screen,
// in its own order.
void drawDiagramGrid(Surface& s);
// The diagram's horizontal axis, at y 8240 from x 500 on to x 3880, and its vertical axis at x 500.
void drawDiagramHorizontalAxis(Surface& s);
void drawDiagramVerticalAxis(Surface& s);

}  // namespace px
