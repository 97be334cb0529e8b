#include "level_sweep.h"

namespace px::noise {

const SweepSlices& sweepSlices() {
    static const SweepSlices slices = [] {
        SweepSlices s{0, {}};
        for (double f = kSweepFrom; f <= kSweepTo; f = f + kSweepStep) {
            if (s.count % kSweepSlice == 0) s.starts.push_back(f);
            ++s.count;
        }
        return s;
    }();
    return slices;
}

}  // namespace px::noise
