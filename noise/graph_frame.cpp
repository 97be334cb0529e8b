#include "graph_frame.h"

#include "controls.h"
#include "numbers.h"

namespace px::noise {

void drawSpectrumFrame(Surface& surface) {
    for (int y = 200; y <= 6600; y += 40)
        for (int k = 0; k <= 2; ++k)
            for (int m = 1; m <= 10; ++m) {
                const Num x = Num(kLeft) + Num(kDecade) * k + Num(kDecade) * ln(Num(m)) / ln(Num(10));
                surface.Point(x.value(), y, colour::black);
            }
    for (int y = 200; y <= 6600; y += 320)
        for (int x = 400; x <= 9600; x += 60)
            surface.Point(x, y);
    surface.Line(kLeft, kBottom, kRight, kBottom, colour::black);
    surface.Line(kLeft, kTop, kLeft, kBottom, colour::black);
}

}  // namespace px::noise
