// The dynamic simulation of a nine-channel polarity-coincidence correlator: its state, kept as long as the
// workbench so that a new run continues from the last one, and the plain computations of one cycle, which the
// workbench's simulation calls in order and a test or a benchmark can call alone.
//
// Precision: the working values are single precision except y0.  An operation between single values (or a single
// value and a whole number) is carried out in single precision; one that involves a double value or a decimal
// constant is carried out in double precision and its result rounded to single where it is stored.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "chance.h"
#include "translate.h"
#include "working_values.h"

namespace px {

// What the simulation says of an input Si/Ni below -20 dB, where the correlator's output is lost in its noise.
inline constexpr const char* kSiNiBelowMinus20dB =
    PX_TRANSLATE_NOOP("Fault", "Il rapporto Si/Ni di ingresso non deve essere inferiore a -20 dB");

inline constexpr int kSimulationCycles = 1000;
inline constexpr int kSimulationSamples = 101;
// The marks of a cycle: the nine channels and three interpolated points between each pair, k = 12 … 44.
inline constexpr int kFirstMark = 12;
inline constexpr int kLastMark = 44;
inline constexpr int kMarkRadii[5] = {50, 40, 30, 20, 10};

struct SimulationState {
    std::array<std::int16_t, 256> T{};  // coincidence table
    float alpha = 0;                    // decay factor of the integrators
    float L0 = 0;                       // zero-correlation level
    float H = 0;                        // scale of the display, times the gain
    float RCs = 0;                      // the time constant RC
    float G = 0;                        // gain applied to H
    float w1 = 0, w2 = 0, s = 0;        // the three draws of a sample
    float x1 = 0, x2 = 0;               // the two input samples
    std::array<float, 9> I{};           // the integrators I1 … I9; I5 (I[4]) is the correlated channel
    std::array<float, 146> Z{};         // lag values and their interpolation
    std::array<float, 146> Pk{};        // plot values of the marks
    double y0 = 0;                      // vertical position of the zero-correlation level
    int cycle = 0;                      // cycles of the current run done so far
};

// The texts of the fields a cycle reads: field 1 (Si/Ni, dB), field 2 (RC, s) and txtdigits7 (gain K).  Each is
// read with Val at the step that needs it.
struct CycleFields {
    std::string si;
    std::string rc;
    std::string gain;
};

// What a cycle of synthesis gave the screen, as far as it got before it returned or faulted.
struct CycleOutput {
    std::optional<std::int16_t> p;  // field 4 shows p/100
    std::optional<float> peak;      // field 5: |I3 - L0|/L0
    bool cleared = false;           // the drawing is cleared
    std::optional<float> expected;  // field 3: the expected output floored to three decimals (S3)
    std::optional<float> autoGain;  // field 6: Int(1/S3)
    WorkingChanges values;          // D (the input Si/Ni), Valim (2) and Sux (the expected output)
};

// The coincidence table: T(i) counts the agreeing bits of the low four bits of i and its high four bits reversed.
void buildCoincidenceTable(SimulationState& sim);

// One cycle of input synthesis and integration: 101 samples of two noisy inputs with a common signal, the middle
// channel driven by their sign coincidence, the eight others by random table entries.  Gives back D, Valim and Sux
// for the working values.
// Throws a fault that says so (kSiNiBelowMinus20dB) for an input Si/Ni below -20 dB, and the arithmetic faults of
// its steps.
void synthesizeCycle(SimulationState& sim, const CycleFields& fields, TimeOfDay& clock, Uniform& random,
                     CycleOutput& out);

// The lag values, their interpolation and the plot values of the marks, and the zero level y0.
void computeLags(SimulationState& sim);

// The centre of mark k (12 … 44) in twips, rounded to single precision.
struct MarkCentre {
    float x, y;
};
MarkCentre markCentre(const SimulationState& sim, int k);

}  // namespace px
