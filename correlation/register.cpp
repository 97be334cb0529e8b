#include "correlation.h"
#include "workbench.h"

namespace px {

void registerCorrelationScreens() {
    screens::add(QStringLiteral("Form12"), [] { return new Form12; });
}

}  // namespace px
