#include "plot_frames.h"

namespace px {

void drawDirectivityFrame(Surface& s) {
    drawDottedGrid(s, {500, 500, 6440, 4480, 322, 28, 224, 42});
    s.Line(500, 2740, 7100, 2740);
    s.Line(500, 500, 500, 4980);
}

void drawDiagramGrid(Surface& s) { drawDottedGrid(s, {500, 6000, 3220, 2240, 161, 14, 112, 21}); }

void drawDiagramHorizontalAxis(Surface& s) { s.Line(500, 8240, 3880, 8240); }

void drawDiagramVerticalAxis(Surface& s) { s.Line(500, 6000, 500, 8240); }

}  // namespace px
