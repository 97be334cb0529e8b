#include "chance.h"

#include <QTime>
#include <bit>

namespace px {

namespace {
class SystemTimeOfDay : public TimeOfDay {
public:
    float seconds() override { return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0); }
};
}  // namespace

std::unique_ptr<TimeOfDay> systemTimeOfDay() { return std::make_unique<SystemTimeOfDay>(); }

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
