// What the two spectrum graphs share: the dotted grid of three frequency decades (0.1 to 100 kHz) over 6400 twips
// of level, and the two axes.
#pragma once

#include <array>
#include <cstddef>

#include "surface.h"

namespace px::noise {

inline constexpr double kLeft = 400;       // x of 0.1 kHz, and the level axis
inline constexpr double kDecade = 3066.7;  // twips per decade of frequency
inline constexpr double kRight = 9600;     // right end of the frequency axis
inline constexpr double kBottom = 6600;    // y of 0 dB
inline constexpr double kTop = 200;        // top of the grid and of the level axis

// The count of the dots and lines of the frame.
inline constexpr std::size_t kFramePrimitives = 161 * 30 + 21 * 154 + 2;

// The x of the decade lines 0.1, 1, 10 and 100 kHz.
inline constexpr std::array<double, 4> kDecadeLines{kLeft, kLeft + kDecade, kLeft + 2 * kDecade,
                                                    kLeft + 3 * kDecade};

// The vertical grid (black dots every 40 twips at 1 to 10 times 0.1, 1 and 10 kHz), the horizontal grid (21
// lines of dots every 60 twips, in the foreground colour) and the two black axes, in this order.
void drawSpectrumFrame(Surface& surface);

}  // namespace px::noise
