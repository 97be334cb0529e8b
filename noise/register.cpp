#include "noise.h"

#include "screen.h"
#include "sea_graph.h"
#include "sea_noise.h"
#include "ship_graph.h"
#include "ship_noise.h"

namespace px {
void registerNoiseScreens() {
    screens::add(QStringLiteral("Form2"), [] { return new Form2; });
    screens::add(QStringLiteral("Form3"), [] { return new Form3; });
    screens::add(QStringLiteral("Form10"), [] { return new Form10; });
    screens::add(QStringLiteral("Form11"), [] { return new Form11; });
}
}  // namespace px
