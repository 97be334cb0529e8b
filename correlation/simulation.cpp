// "SIMULAZIONE DINAMICA": the animated nine-channel digital correlator.  Each cycle synthesizes 101 samples,
// integrates the nine channels and draws the correlogram as 33 marks of five circles inside Shape2; the run of
// 1000 cycles goes on from the event loop, one cycle a step, so the user watches it and the window stays live.
#include <cmath>

#include "export.h"
#include "numbers.h"
#include "workbench.h"

namespace px {

namespace {

// The run lasts about five seconds: one cycle every 5 ms.
constexpr int kCycleMs = 5;
// The band of the window that the marks fall in, in twips: from the outer circle of the first channel to that
// of the last.
constexpr double kBandLeft = 6780 + 100 * kFirstMark - 60;
constexpr double kBandWidth = 100 * (kLastMark - kFirstMark) + 120;

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

void showCycle(Form12& f, const CycleOutput& out) {
    if (out.p) f.txtdigits4->setText(QString::fromStdString(Str(*out.p / 100.0)));
    if (out.peak) f.txtdigits5->setText(QString::fromStdString(StrSingle(*out.peak)));
    if (out.cleared) f.surface().Clear();
    if (out.expected) f.txtdigits3->setText(QString::fromStdString(StrSingle(*out.expected)));
    if (out.autoGain) f.txtdigits6->setText(QString::fromStdString(StrSingle(*out.autoGain)));
}

// One cycle of the run: synthesis, lag values and the marks in blue.  False once the run is over, or when the
// user has picked another process.
bool runCycle(Form12& f) {
    if (f.process() != Form12::Simulation) return false;
    const Form12Quiet quiet(f);
    SimulationState& sim = f.sim;
    if (sim.y0 == 0) sim.y0 = 8000;
    try {
        f.OUTSYNINP();
        f.calcolo();
    } catch (const Fault&) {
        f.setHint(QStringLiteral("Simulazione interrotta dall'errore al ciclo %1").arg(sim.cycle + 1));
        throw;
    }
    const QColor blue(0, 0, 255);
    // The correlogram of the last cycle, for export: the value of each channel's mark.
    results::Table& table = results::of(f);
    std::erase_if(table.all, [](const results::Series& s) { return s.name == QLatin1String("correlogramma"); });
    results::Series& marks =
        table.series(QStringLiteral("correlogramma"), {QStringLiteral("canale"), QStringLiteral("Pk")});
    marks.readable = false;
    for (int k = kFirstMark; k <= kLastMark; ++k) {
        const MarkCentre c = markCentre(sim, k);
        for (int r : kMarkRadii)
            f.surface().Circle(c.x, c.y, r, blue);
        marks.add({static_cast<double>(k), static_cast<double>(sim.Pk[static_cast<std::size_t>(k)])});
    }
    if (sim.y0 == 0) sim.y0 = 8000;
    // The marks, this cycle's and the last one's, lie in the band of the nine channels.
    const QRect band = twips::toPixels(kBandLeft, 0, kBandWidth, 0);
    f.update(band.left() - f.scrollOffset().x(), 0, band.width() + 1, f.height());
    if (++sim.cycle < kSimulationCycles) return true;
    f.setHint(QStringLiteral("Simulazione finita: %1 cicli").arg(kSimulationCycles));
    return false;
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

void synthesizeCycle(SimulationState& sim, WorkingValues& wv, const CycleFields& fields, TimeOfDay& clock,
                     Uniform& random, CycleOutput& out) {
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
    wv.D = Y;
    wv.Valim = 2;
    const Num rho = Num(1) / (Num(1) / pw(pw(10, Num(Y) / 20), 2) + 1);
    if (Num(1) - pw(rho, 2) > 0) {
        wv.Sux = CSng((Num(wv.Valim) / 3.14 * atn(rho / sqrt(Num(1) - pw(rho, 2)))).value());
        const float whole = std::floor(wv.Sux);
        const float thousandths = std::floor(single((wv.Sux - whole) * 1000.0f));
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

// ---- The procedures of the workbench ---------------------------------------------------------------------------

void Form12::simdpredisp() {
    cancellaTEXTBOX();
    for (QWidget* w : std::initializer_list<QWidget*>{Image1, Image2, Image3})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, Label10, Label11, Label12, Label13})
        w->hide();
    Label14->show();
    Label15->show();
    List1->hide();
    Shape2->show();
    Check1->hide();
    const char* captions[6] = {"Si/Ni(db)",     "RC(Sec.)",       "Sux (atteso)",
                               "Sux(dinamico)", "Nux(Picco)/100", "G.autom."};
    for (int n = 1; n <= 6; ++n)
        caption(n)->setCaption(QString::fromLatin1(captions[n - 1]));
}

void Form12::tabella() { buildCoincidenceTable(sim); }

void Form12::prova() {
    // A second "Calcolo" while the run goes on stops it, as Esc does.
    if (repeating()) {
        stopSimulation();
        return;
    }
    surface().Clear();
    sim.cycle = 0;
    setHint(QStringLiteral("Simulazione in corso: Calcolo o Esc la ferma"));
    every(kCycleMs, [this] { return runCycle(*this); });
}

void Form12::OUTSYNINP() {
    const CycleFields fields{field(1)->utf8(), field(2)->utf8(), field(7)->utf8()};
    CycleOutput out;
    try {
        synthesizeCycle(sim, wv, fields, clock(), random(), out);
    } catch (const Fault&) {
        showCycle(*this, out);  // what the cycle wrote before its fault stays
        throw;
    }
    showCycle(*this, out);
}

void Form12::calcolo() {
    computeLags(sim);
    surface().Clear();
}

}  // namespace px
