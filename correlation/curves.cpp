// The eight correlation curves, as plain computations.
#include "curves.h"

#include "numbers.h"

namespace px {

namespace curves {

namespace {

// The sweep of the abscissa: the counter starts at 1e-7 and advances by U/10000 by repeated addition while it
// does not pass U, downwards for a negative U.  U = 0 sweeps nothing.
template <class Step>
void sweep(double U, Step&& step) {
    const Num end = U;
    const Num by = end / Num(10000);
    if (by.value() < 0) {
        // A negative full scale: the count of steps grows as U shrinks towards 0.
        if ((1e-7 - U) / -by.value() > kMaxSweepSteps) throw Fault(FaultKind::Overflow, kFullScaleTooSmall);
        for (Num t = 1e-7; t >= end; t = t + by)
            if (!step(t)) return;
    } else {
        for (Num t = 1e-7; t <= end; t = t + by)
            if (!step(t)) return;
    }
}

// Hands on the point of abscissa u (of full scale U) and coefficient C, both coordinates in single precision.
void plot(const PointSink& sink, Num u, double U, Num C) {
    const Num x = Num(6440) * u / Num(U);
    const Num y = Num(2240) - Num(2240) * C;
    const float fx = CSng(x.value()), fy = CSng(y.value());
    sink(fx, fy, {u.value() / U, C.value()});
}

// A quantity that depends on the working values alone: computed where the procedure first computes it, at the
// first point of the sweep (so that a fault it raises comes at the same step), and taken again at every later
// point, where the same operations would give the same value.
class Invariant {
public:
    template <class Compute>
    Num operator()(Compute&& compute) {
        if (!ready_) value_ = compute(), ready_ = true;
        return value_;
    }

private:
    Num value_;
    bool ready_ = false;
};

// The angular frequencies of the band F1 … F2, radians per second: half difference and half sum.
struct Band {
    explicit Band(const WorkingValues& values) : wv(values) {}
    const WorkingValues& wv;
    Invariant d, s;
    Num omegaD() {
        return d([this] { return (Num(wv.F2) - Num(wv.F1)) / Num(2) * Num(6.28); });
    }
    Num omegaS() {
        return s([this] { return (Num(wv.F1) + Num(wv.F2)) / Num(2) * Num(6.28); });
    }
};

// The envelope sin(xd)/xd and the carriers, for a delay u in microseconds.
Num envelope(Num u, Num wd) {
    const Num xd = u * wd / Num(1000000);
    return sin(xd) / xd;
}
Num cosineCarrier(Num u, Num ws) { return cos(u * ws / Num(1000000)); }
Num sineCarrier(Num u, Num ws) { return sin(u * ws / Num(1000000)); }

Num arcsine(Num rho, Num epsilon) {
    return Num(2) / Num(3.14) * atn(rho / (sqrt(Num(1) + rho * (-rho)) + epsilon));
}

// sin(x)/x of a band 0 … F at the delay t − tc.
Num bandFromZero(const WorkingValues& wv, Invariant& omega, Num t) {
    const Num u = t - Num(wv.tc);
    const Num x = u * omega([&] { return Num(wv.F) * Num(6.28); }) / Num(1000000);
    return sin(x) / x;
}

// Carrier times envelope of the band F1 … F2 at the delay t − tc.
Num bandF1F2(Band& band, Num t, bool sine) {
    const Num u = t - Num(band.wv.tc);
    const Num S = envelope(u, band.omegaD());
    const Num P = sine ? sineCarrier(u, band.omegaS()) : cosineCarrier(u, band.omegaS());
    return P * S;
}

// The delay, in seconds, between the ends of a base of length D for a source at bearing BRQ seen at angle a.
Num baseDelay(const WorkingValues& wv, Num a) {
    return sin(Num(0.01745) * (a - Num(wv.BRQ))) * Num(wv.D) / Num(1530);
}

}  // namespace

double arcsineLaw(double rho, double epsilon) { return arcsine(rho, epsilon).value(); }

void analFtc(const WorkingValues& wv, const PointSink& sink) {
    Invariant omega;
    sweep(wv.FS, [&](Num t) {
        plot(sink, t, wv.FS, bandFromZero(wv, omega, t));
        return true;
    });
}

void analF1F2tc(const WorkingValues& wv, const PointSink& sink) {
    if (wv.F2 == 0 || wv.FS == 0) return;
    Band band(wv);
    sweep(wv.FS, [&](Num t) {
        plot(sink, t, wv.FS, bandF1F2(band, t, false));
        return true;
    });
}

void analFad(const WorkingValues& wv, const PointSink& sink, WorkingChanges& out) {
    if (wv.F == 0 || wv.FSa == 0) return;
    Invariant omega;
    sweep(wv.FSa, [&](Num a) {
        const Num tau = baseDelay(wv, a);
        if (tau == Num(0)) return false;  // the source on the normal of a base, or no base: the sweep ends
        const Num x = tau * omega([&] { return Num(wv.F) * Num(6.28); });
        const float C = CSng((sin(x) / x).value());
        out.Sux = C;
        plot(sink, a, wv.FSa, Num(C));
        return true;
    });
}

void digFtc(const WorkingValues& wv, const PointSink& sink) {
    Invariant omega;
    sweep(wv.FS, [&](Num t) {
        plot(sink, t, wv.FS, arcsine(bandFromZero(wv, omega, t), 1e-8));
        return true;
    });
}

void digF1F2tc(const WorkingValues& wv, const PointSink& sink) {
    if (wv.F2 == 0 || wv.FS == 0) return;
    Band band(wv);
    sweep(wv.FS, [&](Num t) {
        plot(sink, t, wv.FS, arcsine(bandF1F2(band, t, false), 1e-8));
        return true;
    });
}

void analF1F2ad(const WorkingValues& wv, const PointSink& sink) {
    if (wv.F1 == 0 || wv.F2 == 0 || wv.FSa == 0) return;
    Band band(wv);
    sweep(wv.FSa, [&](Num a) {
        const Num tau = baseDelay(wv, a);
        if (tau == Num(0)) return false;
        const Num x = tau * band.omegaD();
        const Num C = cos(tau * band.omegaS()) * (sin(x) / x);
        plot(sink, a, wv.FSa, C);
        return true;
    });
}

void digNoisy(const WorkingValues& wv, TimeOfDay& clock, Uniform& random, const PointSink& sink,
              WorkingChanges& out) {
    Band band(wv);
    Invariant share, spreadOfOutput;
    sweep(wv.FS, [&](Num t) {
        const Num u = t - Num(wv.tc);
        const Num S = envelope(u, band.omegaD());
        const Num P = cosineCarrier(u, band.omegaS());
        // The share of the input power that is signal.
        const Num g =
            share([&] { return Num(1) / (pw(Num(1) / pw(Num(10), Num(wv.SN) / Num(20)), Num(2)) + Num(1)); });
        const Num rho = g * (P * S);
        // The generator is seeded afresh from the clock for every point: within one tick of the clock the
        // points share their random draw.
        random.seed(clock.seconds());
        const float r = random.next();
        const float spread = r * 2001.0f;
        const Num n = (Int(Num(spread)) - Num(1000)) / Num(1000);
        const Num sigma = spreadOfOutput([&] {
            return Num(2) / Num(3.14) / sqrt(Num(6) / Num(7) * Num(4) * Num(wv.RC) * (Num(wv.F2) - Num(wv.F1)));
        });
        const float Nux = CSng(sigma.value());
        out.Nux = Nux;
        const Num e = Num(Nux) * (n * Num(2.5));
        const Num C = arcsine(rho, 1e-9);
        Num V = (C + e) * Num(wv.K);
        if (V < Num(-1)) V = -1;
        plot(sink, t, wv.FS, V);
        return true;
    });
}

void digQuadrature(const WorkingValues& wv, const PointSink& sink) {
    Band band(wv);
    sweep(wv.FS, [&](Num t) {
        plot(sink, t, wv.FS, arcsine(bandF1F2(band, t, true), 1e-8));
        return true;
    });
}

}  // namespace curves

}  // namespace px
