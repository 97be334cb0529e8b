// The dynamic simulation's computations: the coincidence table, one cycle of synthesis and integration, the lag
// values and the marks.
#include "simulation.h"

#include <cmath>

#include "numbers.h"

namespace px {

namespace {

// A single-precision result: beyond single range is an overflow.
float single(float value) {
    if (!std::isfinite(value)) throw Fault(FaultKind::Overflow);
    return value;
}

// A single-precision quotient, checked.
float quotient(float a, float b) {
    if (b == 0) throw Fault(FaultKind::DivisionByZero);
    return single(a / b);
}

// One random index into the table: Int(Rnd·100).
std::int16_t tableDraw(const SimulationState& sim, Uniform& random) {
    return sim.T[tableIndex(Int(static_cast<double>(random.next()) * 100), sim.T.size())];
}

// One integrator step with its own table draw: α·I + T(e).
void integrate(SimulationState& sim, int channel, Uniform& random) {
    float& I = sim.I[static_cast<std::size_t>(channel)];
    I = single(sim.alpha * I + static_cast<float>(tableDraw(sim, random)));
}

}  // namespace

// ---- The computations ------------------------------------------------------------------------------------------

void buildCoincidenceTable(SimulationState& sim) {
    for (int i = 0; i <= 255; ++i) {
        const int lo = i & 15;
        const int hi = (i & 240) / 16;
        const int r = 8 * (hi & 1) + 2 * (hi & 2) + (hi & 4) / 2 + (hi & 8) / 8;
        const int m = std::abs((r ^ lo) - 15);
        sim.T[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>((m & 1) + (m & 2) / 2 + (m & 4) / 4 + (m & 8) / 8);
    }
}

void synthesizeCycle(SimulationState& sim, const CycleFields& fields, TimeOfDay& clock, Uniform& random,
                     CycleOutput& out) {
    const double X = Val(fields.rc);
    if (X == 0) return;
    sim.alpha = CSng((Num(1) - Num(1) / (Num(7000) * X)).value());
    sim.H = CSng((Num(10480) * X).value());
    sim.L0 = CSng((Num(14000) * X).value());
    sim.RCs = CSng(X);
    random.seed(clock.seconds());
    const double Y = Val(fields.si);
    const Num a = pw(10, Num(Y) / 20);
    // Below -20 dB the correlator's output is lost in its noise: the run stops here with a message.
    if (Y < -20) throw Fault(FaultKind::InvalidArgument, kSiNiBelowMinus20dB);

    const Num L1 = Num(sim.RCs) * 1400 / 0.1;
    for (int j = 0; j < kSimulationSamples; ++j) {
        sim.w1 = random.next() - 0.5f;
        sim.w2 = random.next() - 0.5f;
        sim.s = random.next() - 0.5f;
        sim.x1 = CSng((Num(sim.w1) + a * sim.s).value());
        sim.x2 = CSng((Num(sim.w2) + a * sim.s).value());
        const int b1 = sim.x1 < 0 ? 1 : 0;
        const int b2 = sim.x2 < 0 ? 1 : 0;
        const int q = 1 - (b1 ^ b2);
        out.p = CInt((Num(100) * (Num(sim.I[4]) - L1) / L1).value());
        for (float& I : sim.I)
            if (I < sim.L0) I = sim.L0;
        integrate(sim, 0, random);  // I1
        integrate(sim, 7, random);  // I8
        integrate(sim, 2, random);  // I3
        integrate(sim, 6, random);  // I7
        sim.I[4] = single(sim.I[4] * sim.alpha + static_cast<float>(4 * q));
        integrate(sim, 3, random);  // I4
        integrate(sim, 5, random);  // I6
        integrate(sim, 1, random);  // I2
        integrate(sim, 8, random);  // I9
    }
    out.peak = quotient(std::fabs(single(sim.I[2] - sim.L0)), sim.L0);
    out.cleared = true;
    const float Valim = 2;
    out.values.D = Y;
    out.values.Valim = Valim;
    const Num rho = Num(1) / (Num(1) / pw(pw(10, Num(Y) / 20), 2) + 1);
    if (Num(1) - pw(rho, 2) > 0) {
        const float Sux = CSng((Num(Valim) / 3.14 * atn(rho / sqrt(Num(1) - pw(rho, 2)))).value());
        out.values.Sux = Sux;
        const float whole = std::floor(Sux);
        const float thousandths = std::floor(single((Sux - whole) * 1000.0f));
        const float S3 = single(whole + thousandths / 1000.0f);
        out.expected = S3;
        out.autoGain = std::floor(quotient(1.0f, S3));
        const double K = Val(fields.gain);
        sim.G = K == 0 ? S3 : CSng((Num(1) / K).value());
        sim.H = single(sim.H * sim.G);
    }
}

void computeLags(SimulationState& sim) {
    const float L = sim.RCs == 0 ? 1310.0f : 0.0f;
    auto& Z = sim.Z;
    Z[4] = -L;
    Z[8] = -L;
    for (std::size_t c = 0; c < sim.I.size(); ++c)
        Z[12 + 4 * c] = single(sim.I[c] - L);
    Z[48] = -L;
    for (std::size_t i = 0; i <= 140; i += 4) {
        const double d = single(Z[i + 4] - Z[i]);
        Z[i + 1] = CSng(Z[i] + 0.25 * d);
        Z[i + 2] = CSng(Z[i] + 0.5 * d);
        Z[i + 3] = CSng(Z[i] + 0.75 * d);
    }
    if (sim.H == 0) sim.H = 1048;
    for (std::size_t k = kFirstMark; k <= kLastMark; ++k)
        sim.Pk[k] = CSng(2.8 - quotient(single(5.0f * Z[k]), sim.H));
    sim.y0 = checked(6000 - (2.8 - quotient(single(5.0f * sim.L0), sim.H)) * 500);
}

MarkCentre markCentre(const SimulationState& sim, int k) {
    const float lift = single(500.0f * sim.Pk[static_cast<std::size_t>(k)]);
    return {static_cast<float>(6780 + 100 * k), CSng(lift + sim.y0)};
}

}  // namespace px
