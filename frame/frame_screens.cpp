#include "frame_screens.h"

#include "cover.h"
#include "selector.h"

namespace px {
void registerFrameScreens() {
    screens::add(QStringLiteral("Form1"), [] { return new Form1; });
    screens::add(QStringLiteral("Form13"), [] { return new Form13; });
}
}  // namespace px
