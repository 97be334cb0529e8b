#include "plot_frames.h"

namespace px {

void drawDirectivityFrame(Surface& s) {
    for (double x = 0; x <= 6440; x = x + 322)
        for (double y = 0; y <= 4480; y = y + 28)
            s.Point(x + 500, y + 500);
    for (double y = 0; y <= 4480; y = y + 224)
        for (double x = 0; x <= 6440; x = x + 42)
            s.Point(x + 500, y + 500);
    s.Line(500, 2740, 7100, 2740);
    s.Line(500, 500, 500, 4980);
}

void drawDiagramGrid(Surface& s) {
    for (double x = 0; x <= 3220; x = x + 161)
        for (double y = 6000; y <= 8240; y = y + 14)
            s.Point(x + 500, y);
    for (double y = 6000; y <= 8240; y = y + 112)
        for (double x = 0; x <= 3220; x = x + 21)
            s.Point(x + 500, y);
}

void drawDiagramHorizontalAxis(Surface& s) { s.Line(500, 8240, 3880, 8240); }

void drawDiagramVerticalAxis(Surface& s) { s.Line(500, 6000, 500, 8240); }

}  // namespace px
