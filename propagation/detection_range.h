// The detection range of a passive and of an active sonar under the propagation-loss model.  Plain C++, no Qt.
//
// Each model is built from its inputs, which computes the absorption and the largest loss the sonar equation
// allows (a step that faults throws px::Fault there, before any point); it then hands the curve drawn against
// that limit to a sink, step by step, and scans range for the solution.  The arithmetic keeps the order of every
// sum and product of the screens' procedures; mapping the losses to twips is the screen's business.
#pragma once

#include <functional>
#include <optional>

#include "loss_model.h"
#include "numbers.h"

namespace px::propagation {

// One step of a drawn curve: its range in km, the loss drawn there and the limit it is compared with, in dB.
using CurveSink = std::function<void(double R, Num loss, Num limit)>;

// The range a scan found and its loss, or nothing when the loss never meets the limit.
struct Solution {
    std::optional<double> range, loss;
};

// A passive sonar: the band F1…F2 in Hz, the target's spectrum level SL, the sea's noise level NL and the
// directivity index DI in dB, the detector's time constant RC in s and the detection index d.
struct PassiveInputs {
    double k = kSpherical;
    Num F1, F2, SL, NL, DI, RC, d;
    // Without a band edge or a time constant nothing is computed.
    bool complete() const { return F1 != 0 && F2 != 0 && RC != 0; }
};

class PassiveRange {
public:
    explicit PassiveRange(const PassiveInputs& in);
    // The largest one-way loss the sonar equation allows, TLmax = (((SL + DI) − NL) − DT) + BT.
    Num limit() const { return TLmax_; }
    // The one-way loss from 0.1 to 100 km in steps of 0.1 km, clamped at 200 dB (the top of the plot).
    void curve(const CurveSink& sink) const;
    // The unclamped loss from 0.1 to 500 km in steps of 0.1 km, against the limit in whole decibels.
    Solution solve() const;

private:
    double k_;
    Num alpha_, TLmax_;
};

// An active sonar: its frequency Ftx and receiving bandwidth Bwrx in Hz, its source level LI, the sea's noise
// level NL, the directivity index DI and the target strength TS in dB, the pulse length tTx in s and the
// detection index d.
struct ActiveInputs {
    double k = kSpherical;
    Num Ftx, Bwrx, LI, NL, DI, tTx, d, TS;
    // Without a frequency, a bandwidth or a pulse length nothing is computed.
    bool complete() const { return Ftx != 0 && Bwrx != 0 && tTx != 0; }
};

class ActiveRange {
public:
    explicit ActiveRange(const ActiveInputs& in);
    // The largest two-way loss the sonar equation allows, T2max = (((LI + TS) − NL) + DI) − DT.
    Num limit() const { return T2max_; }
    // The two-way loss from 0.1 to 50 km in steps of 0.1 km, not clamped.
    void curve(const CurveSink& sink) const;
    // The two-way loss as (one-way loss)·2 from 0.1 to 50 km in steps of one metre, against the limit in whole
    // decibels; the loss kept with the range is the one-way loss.
    Solution solve() const;

private:
    double k_;
    Num alpha_, T2max_;
};

}  // namespace px::propagation
