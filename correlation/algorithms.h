// The seven algorithms of the digital (one-bit) correlation receiver, as plain functions over the workbench's
// working values.  Each gives back the value it sets for the receiver's other algorithms to read (the screen
// stores it into the working values), and returns what its report prints, or nothing when its guard ends it
// without a report.  Arithmetic faults are thrown at the step that faults.
//
// The receiver: ρ = R/(1 + R) with R = (10^(Si/Ni/20))²; Sux = (Valim/3.14)·arcsin ρ;
// Nux = Valim/(3.14·√((6/7)·4·RC·BW)); Sux/Nux = arcsin ρ·√((6/7)·4·RC·BW); d(roc) = 2·BW·RC·(10^(Si/Ni/20))⁴.
#pragma once

#include <optional>

#include "report_lines.h"
#include "working_values.h"

namespace px::algo {

// x floored to k decimals: Int(x) + Int((x − Int(x))·10^k)/10^k; a negative value moves down (−0.0024 → −0.1).
double floorTo(double x, int k);
// The same, every step in single precision.
float floorToSingle(float x, int k);

// The entries of the algorithm list, in its order.
enum Entry { SiNiOutput = 0, SiNiIndex, OutputSignal, OutputNoise, OutputRatio, TimeConstant, DetectionIndex };

// Si/Ni from the output signal and the input voltage: SN given back; the report's SN1, Ni and Si.
struct SiNiReport {
    double SN1, Ni, Si;
};
std::optional<SiNiReport> siNiFromOutput(const WorkingValues& wv, WorkingChanges& out);
// The output signal from the Si/Ni in D: Sux given back; the report's Sux3.
std::optional<float> outputSignal(const WorkingValues& wv, WorkingChanges& out);
// The output noise from RC and BW: Nux given back; the report's Nux3.
double outputNoise(const WorkingValues& wv, WorkingChanges& out);
// Si/Ni from the detection index in D: SN given back; the report's SN1.
std::optional<double> siNiFromIndex(const WorkingValues& wv, WorkingChanges& out);
// The time constant from Nux and BW: RC given back; the report's RC2.
std::optional<double> timeConstant(const WorkingValues& wv, WorkingChanges& out);
// The output signal-to-noise ratio in dB from SNs, RC and BW (Sux holds the arcsine); the report's Q1.
std::optional<double> outputRatio(const WorkingValues& wv, WorkingChanges& out);
// The detection index from SN, RC and BW; the report's d1.
double detectionIndex(const WorkingValues& wv);

// The report of an entry of the algorithm list: each line handed to the sink as it is complete; no line when the
// entry's guard ends it.  The values it sets are given back in `out`.
void report(int entry, const WorkingValues& wv, WorkingChanges& out, const lines::LineSink& sink);

}  // namespace px::algo
