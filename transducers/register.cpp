#include "bottom_reflection.h"
#include "circular_transducer.h"
#include "doppler.h"
#include "line_array.h"
#include "rectangular_source.h"
#include "transducers.h"

namespace px {

void registerTransducerScreens() {
    screens::add(QStringLiteral("Form5"), [] { return new Form5; });
    screens::add(QStringLiteral("Form6"), [] { return new Form6; });
    screens::add(QStringLiteral("Form7"), [] { return new Form7; });
    screens::add(QStringLiteral("Form8"), [] { return new Form8; });
    screens::add(QStringLiteral("Form9"), [] { return new Form9; });
}

}  // namespace px
