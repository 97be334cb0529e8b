// The two noise models: the spectral level of the ambient noise of the sea by sea state, and the spectral source
// level of the noise a vessel radiates, by speed.  Both are straight lines on a logarithmic frequency axis: a slope
// in dB per octave, turned into an exponent k of the frequency, and a level at 1 kHz.  Plain C++: no Qt.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "numbers.h"
#include "translate.h"

namespace px::noise {

// ---- Sea ambient noise ----------------------------------------------------------------------------------------

inline constexpr double kSeaSlope = 5;      // dB per octave
inline constexpr double kSeaStateOne = 55;  // level of sea state 1 at 1 kHz, dB

// A sea state: its item in the choice box and its offset from the sea-state-1 line.  (55 - D) - 10.8 and
// (55 - D) + (-10.8) are the same operation, so the offsets carry their signs.
struct SeaState {
    const char* item;
    double offset;
};
inline constexpr std::array<SeaState, 6> kSeaStates{{
    {"SS=0", -10.8},
    {"SS=1/2", -4.7},
    {"SS=1", 0},
    {"SS=2", 6.8},
    {"SS=4", 11.6},
    {"SS=6", 15},
}};

// ---- Ship radiated noise --------------------------------------------------------------------------------------

inline constexpr double kShipSlope = 6.67;        // the calculator's slope, dB per octave
inline constexpr double kShipGraphSlope = 6.667;  // the slope of the graph's curves

// A speed: its item in the choice box (and its name in the graph's legend), and the level at 1 kHz, dB.  The items
// are words, shown in the context "px::noise::Speed".
struct Speed {
    const char* item;
    double level;
};
inline constexpr std::array<Speed, 4> kSpeeds{{
    {PX_TRANSLATE_NOOP("px::noise::Speed", "10 nodi"), 127.5},
    {PX_TRANSLATE_NOOP("px::noise::Speed", "15 nodi"), 138},
    {PX_TRANSLATE_NOOP("px::noise::Speed", "20 nodi"), 145.4},
    {PX_TRANSLATE_NOOP("px::noise::Speed", "25 nodi"), 151.4},
}};

// ---- Checked forms, for the calculators -----------------------------------------------------------------------

// The exponent of the frequency for a slope in dB per octave: slope / (20 ln 2 / ln 10).
Num exponentFor(Num slope);
// The drop from the 1 kHz level at f kHz: 20 ln(f^k) / ln 10, the power first and its logarithm second.
// f = 0 faults in the logarithm, f < 0 in the power (a negative base with a fractional exponent).
Num octaveDrop(Num f, Num k);
// The sea level (55 - D) + offset, and the ship level, level - D.
Num seaLevel(Num D, const SeaState& state);
Num shipLevel(Num D, const Speed& speed);

// The calculators: the level at f kHz of the case at `index` in its table (kSeaStates, kSpeeds), or no level when
// no case is chosen.  The octave drop comes first, so a zero or negative frequency faults whatever the case.
std::optional<double> seaNoise(Num f, std::optional<std::size_t> state);
std::optional<double> shipNoise(Num f, std::optional<std::size_t> speed);

// ---- Plain forms, for the graphs' sweeps ----------------------------------------------------------------------
//
// The same operations in the same order on plain doubles, for frequencies that cannot fault (0.1 to 100 kHz):
// every result is bit for bit the one of the checked form.  ln10 is ln(10), computed once by the caller.

inline double octaveDrop(double f, double k, double ln10) { return 20 * std::log(std::pow(f, k)) / ln10; }
inline double seaLevel(double D, double offset) { return (kSeaStateOne - D) + offset; }
inline double shipLevel(double D, double level) { return level - D; }

// The curves of a spectrum graph, one a case of a model: the slope of the lines and the level of curve c where the
// octave drop is D.
struct SeaSpectra {
    static constexpr double kSlope = kSeaSlope;
    static constexpr std::size_t kCurves = kSeaStates.size();
    static double level(double D, std::size_t c) { return seaLevel(D, kSeaStates[c].offset); }
};
struct ShipSpectra {
    static constexpr double kSlope = kShipGraphSlope;
    static constexpr std::size_t kCurves = kSpeeds.size();
    static double level(double D, std::size_t c) { return shipLevel(D, kSpeeds[c].level); }
};

}  // namespace px::noise
