#include "chance.h"

#include <bit>

namespace px {

void LinearUniform::seed(float value) {
    // The seed's bits, folded into 24: nearby seeds give unrelated sequences.
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    state_ = ((bits >> 8) ^ (bits << 8) ^ bits) & 0xffffffu;
}

float LinearUniform::next() {
    state_ = (state_ * 1140671485u + 12820163u) & 0xffffffu;
    return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace px
