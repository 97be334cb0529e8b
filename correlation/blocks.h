// The number-block correlation: two blocks A and B of at most 64 numbers, typed one pair at a time, and Pearson's
// coefficient of the two for one or every circular shift of B against A.  The state lives as long as the
// workbench; the computations are plain functions over it.
#pragma once

#include <array>
#include <cstdint>

namespace px {

struct BlockState {
    // The two blocks; indices 1 … 64 are used, a 65th faults.
    std::array<double, 65> A{}, B{};
    std::int16_t n = 0;           // block length, from field 1
    std::int16_t mode = 0;        // 1: every shift; anything else: one report of shift 0
    std::int16_t counter = 0;     // index of the last pair stored
    std::int16_t labelcount = 0;  // index the captions of fields 2 and 3 announce
    // B as aligned with A at the current shift.
    std::array<float, 5001> Bs{};
    // Sums and results of one correlation, in single precision.
    float sumA = 0, sumB = 0, meanA = 0, meanB = 0, dA = 0, dB = 0, sAB = 0, sAA = 0, sBB = 0, r = 0;

    void resetSums();
};

// The deviations of each index, kept for a report of shift 0 (indices 1 … 64).
using Deviations = std::array<double, 65>;

// B aligned with A at shift s (index s + i, taken round to the start past n) and the sums of both blocks.
void alignAndSum(BlockState& b, int shift);
// The means, the deviations from them and their sums of products; the square roots SA = √sAA and SB = √sBB.
// With dAk and dBk given, each index's deviations are kept there too.
struct Spread {
    double SA, SB;
};
Spread spreadOf(BlockState& b, Deviations* dAk = nullptr, Deviations* dBk = nullptr);
// r = sAB/(SA·SB), in single precision; SA and SB not 0.
float coefficientOf(BlockState& b, Spread spread);

}  // namespace px
