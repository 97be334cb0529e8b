// The seven algorithms of the digital (one-bit) correlation receiver, as plain functions over the workbench's
// working values.  Each stores its result into the working values as the receiver's other algorithms read it, and
// returns what its report prints, or nothing when its guard ends it without a report.  Arithmetic faults are
// thrown at the step that faults.
//
// The receiver: ρ = R/(1 + R) with R = (10^(Si/Ni/20))²; Sux = (Valim/3.14)·arcsin ρ;
// Nux = Valim/(3.14·√((6/7)·4·RC·BW)); Sux/Nux = arcsin ρ·√((6/7)·4·RC·BW); d(roc) = 2·BW·RC·(10^(Si/Ni/20))⁴.
#pragma once

#include <optional>

#include "working_values.h"

namespace px::algo {

// x floored to k decimals: Int(x) + Int((x − Int(x))·10^k)/10^k; a negative value moves down (−0.0024 → −0.1).
double floorTo(double x, int k);
// The same, every step in single precision.
float floorToSingle(float x, int k);

// Si/Ni from the output signal and the input voltage: SN stored; the report's SN1, Ni and Si.
struct SiNiReport {
    double SN1, Ni, Si;
};
std::optional<SiNiReport> siNiFromOutput(WorkingValues& wv);
// The output signal from the Si/Ni in D: Sux stored; the report's Sux3.
std::optional<float> outputSignal(WorkingValues& wv);
// The output noise from RC and BW: Nux stored; the report's Nux3.
double outputNoise(WorkingValues& wv);
// Si/Ni from the detection index in D: SN stored; the report's SN1.
std::optional<double> siNiFromIndex(WorkingValues& wv);
// The time constant from Nux and BW: RC stored; the report's RC2.
std::optional<double> timeConstant(WorkingValues& wv);
// The output signal-to-noise ratio in dB from SNs, RC and BW (Sux holds the arcsine); the report's Q1.
std::optional<double> outputRatio(WorkingValues& wv);
// The detection index from SN, RC and BW; the report's d1.
double detectionIndex(const WorkingValues& wv);

}  // namespace px::algo
