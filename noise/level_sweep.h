// The frequency sweep of the spectrum graphs, 0.1 to 100 kHz, and the octave drop at each of its frequencies.
// Plain C++: no Qt.
#pragma once

#include <cstddef>
#include <vector>

#include "noise_models.h"
#include "parallel.h"

namespace px::noise {

// The frequencies, kHz: from 0.1 while not beyond 100, by repeated addition of 0.001.
inline constexpr double kSweepFrom = 0.1;
inline constexpr double kSweepTo = 100;
inline constexpr double kSweepStep = 0.001;

// The count of frequencies of the sweep (the last about 99.999).
inline constexpr std::size_t kSweepPoints = 99900;

// Frequencies computed together on one core.
inline constexpr std::size_t kSweepSlice = 2048;

// The sweep cut into slices of kSweepSlice frequencies: how many frequencies, and the frequency each slice starts
// from, as the repeated addition reaches it.  Accumulated once, in order.
struct SweepSlices {
    std::size_t count;
    std::vector<double> starts;
};
const SweepSlices& sweepSlices();

// Calls each(i, f, D) for every frequency f of the sweep, i = 0 .. sweepSlices().count - 1, with the octave drop
// D = 20 ln(f^k) / ln 10 there.  Within a slice each frequency is the one before plus 0.001, as in the sweep
// itself; the slices are independent of one another and run on all cores, so `each` writes what it makes of
// frequency i into the place of i, and every result is the same bit for bit as one after the other.  ln10 is
// ln(10), computed once by the caller.
template <class Each>
void sweepSpectra(double k, double ln10, const Each& each) {
    const SweepSlices& slices = sweepSlices();
    parallel::forSlices(slices.count, kSweepSlice, [&](std::size_t from, std::size_t to) {
        double f = slices.starts[from / kSweepSlice];
        for (std::size_t i = from; i < to; ++i) {
            each(i, f, octaveDrop(f, k, ln10));
            f = f + kSweepStep;
        }
    });
}

}  // namespace px::noise
