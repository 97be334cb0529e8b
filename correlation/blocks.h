// The number-block correlation: two blocks A and B of at most 64 numbers, typed one pair at a time, and Pearson's
// coefficient of the two for one or every circular shift of B against A.  The state lives as long as the
// workbench; the computations are plain functions over it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "report_lines.h"

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

// The index the captions of fields 2 and 3 announce next (a block of length 0 is taken as 100 long), or nothing
// past the end of the block.
std::optional<int> nextLabel(BlockState& b);
// A fresh entry of the blocks: from index 1, announced.
std::optional<int> startEntry(BlockState& b);

// The values of the fields 1 … 4 as typed: the length n, the pair A, B and the mode.
struct PairFields {
    double n = 0, a = 0, b = 0, mode = 0;
};
// What taking a pair over did, as far as it got before it faulted: the index announced (labelled), and whether
// the fields of the pair are emptied.
struct PairTaken {
    bool labelled = false;
    std::optional<int> label;
    bool emptied = false;
};
// Takes the pair over at the next index (from 1 again past the end of the block) with the length and the mode.
// A 65th index faults.
void takePair(BlockState& b, const PairFields& typed, PairTaken& out);

// How a report ended: complete, stopped by a block with no spread (no more lines), or with no block to correlate.
enum class BlockReportEnd { Finished, Stopped, Empty };
// The report: one of shift 0 with the means, the deviations and every pair, or (mode 1) the coefficient of every
// circular shift of B against A.  Each line is handed to the sink as it is complete.
BlockReportEnd blockReport(BlockState& b, const lines::LineSink& sink);

}  // namespace px
