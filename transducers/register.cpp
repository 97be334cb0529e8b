#include "circular_transducer.h"
#include "line_array.h"
#include "transducers.h"

namespace px {

void registerTransducerScreens() {
    screens::add(QStringLiteral("Form5"), [] { return new Form5; });
    screens::add(QStringLiteral("Form6"), [] { return new Form6; });
}

}  // namespace px
