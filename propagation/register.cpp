#include "propagation.h"

#include "active_range.h"
#include "loss_calculator.h"
#include "loss_graph.h"
#include "passive_range.h"
#include "screen.h"

namespace px {
void registerPropagationScreens() {
    screens::add(QStringLiteral("Form4"), [] { return new Form4; });
    screens::add(QStringLiteral("Form14"), [] { return new Form14; });
    screens::add(QStringLiteral("Form15"), [] { return new Form15; });
    screens::add(QStringLiteral("Form16"), [] { return new Form16; });
}
}  // namespace px
