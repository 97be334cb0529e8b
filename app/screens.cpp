#include <QtGlobal>

#include "catalogue.h"
#include "correlation.h"
#include "home.h"
#include "noise.h"
#include "propagation.h"
#include "transducers.h"

static void initAssets() { Q_INIT_RESOURCE(assets); }

namespace px {
void registerAllScreens() {
    initAssets();
    registerHomeScreens();
    registerNoiseScreens();
    registerPropagationScreens();
    registerTransducerScreens();
    registerCorrelationScreens();
}
}  // namespace px
