// The working values of the correlation workbench: what "Convalida dati" takes over from the data fields and what
// the processes compute, shared by every process of the screen and kept as long as its window.  Each value is in
// the precision the processes use; all start at 0.
#pragma once

#include <optional>

namespace px {

struct WorkingValues {
    double F = 0;   // band upper frequency, Hz
    double F1 = 0;  // band edges, Hz
    double F2 = 0;
    double FS = 0;    // full scale of the time axis, microseconds
    double tc = 0;    // delay, microseconds
    double FSa = 0;   // full scale of the angle axis, degrees
    double BRQ = 0;   // bearing of the source, degrees
    double D = 0;     // base length d (m), or an Si/Ni in dB, or the detection index d(roc)
    double SN = 0;    // Si/Ni, dB
    double RC = 0;    // integration time constant, s
    double K = 0;     // gain factor
    float Valim = 0;  // supply voltage, V
    float Sux = 0;    // output signal, V
    float Vin = 0;    // effective input voltage, V
    float BW = 0;     // bandwidth, Hz
    float Nux = 0;    // output noise, V rms
    float SNs = 0;    // Si/Ni of the output signal-to-noise algorithm, dB
};

// What a computation gives back to the working values: each value it set, in the order of its steps, so that a
// computation a fault ends gives what it had set before.  The screen stores them.
struct WorkingChanges {
    std::optional<double> D, SN, RC;
    std::optional<float> Valim, Sux, Nux;
};

// The screen's storing of a computation's changes.
inline void store(const WorkingChanges& c, WorkingValues& wv) {
    if (c.D) wv.D = *c.D;
    if (c.SN) wv.SN = *c.SN;
    if (c.RC) wv.RC = *c.RC;
    if (c.Valim) wv.Valim = *c.Valim;
    if (c.Sux) wv.Sux = *c.Sux;
    if (c.Nux) wv.Nux = *c.Nux;
}

}  // namespace px
