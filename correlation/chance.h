// The time of day and the pseudo-random generator that the noisy curve and the simulation draw from.  Both are
// injected into the workbench, so that a test can replay a run draw for draw; the application uses the real clock.
#pragma once

#include <cstdint>

namespace px {

// Seconds since midnight, in single precision.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual float seconds() = 0;
};

// A uniform generator in [0, 1) that can be seeded from a number.
class Uniform {
public:
    virtual ~Uniform() = default;
    virtual void seed(float value) = 0;
    virtual float next() = 0;
};

// A 24-bit linear congruential generator: the seed's bits set the state, each draw is state / 2^24.
class LinearUniform : public Uniform {
public:
    void seed(float value) override;
    float next() override;

private:
    std::uint32_t state_ = 0x50000;
};

}  // namespace px
