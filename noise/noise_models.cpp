#include "noise_models.h"

namespace px::noise {

Num exponentFor(Num slope) { return slope / (Num(20) * ln(Num(2)) / ln(Num(10))); }

Num octaveDrop(Num f, Num k) { return Num(20) * ln(pw(f, k)) / ln(Num(10)); }

Num seaLevel(Num D, const SeaState& state) { return (Num(kSeaStateOne) - D) + Num(state.offset); }

Num shipLevel(Num D, const Speed& speed) { return Num(speed.level) - D; }

std::optional<double> seaNoise(Num f, std::optional<std::size_t> state) {
    const Num k = exponentFor(kSeaSlope);
    const Num D = octaveDrop(f, k);
    if (!state || *state >= kSeaStates.size()) return std::nullopt;
    return seaLevel(D, kSeaStates[*state]).value();
}

std::optional<double> shipNoise(Num f, std::optional<std::size_t> speed) {
    const Num k = exponentFor(kShipSlope);
    const Num D = octaveDrop(f, k);
    if (!speed || *speed >= kSpeeds.size()) return std::nullopt;
    return shipLevel(D, kSpeeds[*speed]).value();
}

}  // namespace px::noise
