#include "noise_models.h"

namespace px::noise {

Num exponentFor(Num slope) { return slope / (Num(20) * ln(Num(2)) / ln(Num(10))); }

Num octaveDrop(Num f, Num k) { return Num(20) * ln(pw(f, k)) / ln(Num(10)); }

Num seaLevel(Num D, const SeaState& state) { return (Num(kSeaStateOne) - D) + Num(state.offset); }

Num shipLevel(Num D, const Speed& speed) { return Num(speed.level) - D; }

}  // namespace px::noise
