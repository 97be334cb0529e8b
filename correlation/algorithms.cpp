// The digital-system algorithms: the setup, validation and computation of each entry of the algorithm list, and
// the receiver's formulas as plain functions.
#include "algorithms.h"

#include <cmath>

#include "numbers.h"
#include "workbench.h"

namespace px::algo {

double floorTo(double x, int k) {
    const Num scale = pw(Num(10), Num(k));
    const Num whole = Int(Num(x));
    return (whole + Int((Num(x) - whole) * scale) / scale).value();
}

float floorToSingle(float x, int k) {
    const auto scale = static_cast<float>(std::pow(10.0, k));
    const float whole = std::floor(x);
    const float fraction = x - whole;
    const float shifted = fraction * scale;
    return whole + std::floor(shifted) / scale;
}

namespace {
// (6/7)·4, formed before it multiplies RC and BW.
Num gainFactor() { return Num(6) / Num(7) * Num(4); }
// BW·2, a single-precision product.
Num twiceBandwidth(float BW) { return Num(CSng(static_cast<double>(BW) * 2)); }
// The input correlation coefficient of an Si/Ni in dB: R = (10^(dB/20))², ρ = 1/(1/R + 1).
Num inputCorrelation(double dB) {
    const Num R = pw(pw(Num(10), Num(dB) / Num(20)), Num(2));
    return Num(1) / (Num(1) / R + Num(1));
}
Num decibels(Num ratio) { return Num(20) * ln(ratio) / ln(Num(10)); }
}  // namespace

std::optional<SiNiReport> siNiFromOutput(WorkingValues& wv) {
    if (CSng(static_cast<double>(wv.Valim) / 2) < wv.Sux || wv.Valim == 0 || wv.Sux == 0) return std::nullopt;
    const Num x = Num(wv.Sux) * Num(3.14) / Num(wv.Valim);
    const Num a = Num(1) / sin(x) - Num(1);
    const Num s = Num(1) / sqrt(abs(a));
    const Num SN = decibels(s);
    wv.SN = SN.value();
    const Num r = pw(Num(10), SN / Num(20));
    const Num Ni = Num(wv.Vin) / sqrt(Num(1) + pw(r, Num(2)));
    const Num Si = Num(wv.Vin) * sqrt(Num(1) / (Num(1) + Num(1) / pw(r, Num(2))));
    return SiNiReport{floorTo(wv.SN, 1), floorTo(Ni.value(), 3), floorTo(Si.value(), 3)};
}

std::optional<float> outputSignal(WorkingValues& wv) {
    const Num rho = inputCorrelation(wv.D);
    const Num q = Num(1) + rho * (-rho);
    if (CSng(q.value()) <= 0) return std::nullopt;
    wv.Sux = CSng((Num(wv.Valim) / Num(3.14) * atn(rho / sqrt(q))).value());
    return floorToSingle(wv.Sux, 3);
}

double outputNoise(WorkingValues& wv) {
    const Num product = gainFactor() * Num(wv.RC) * Num(wv.BW);
    wv.Nux = CSng((Num(wv.Valim) / (sqrt(product) * Num(3.14))).value());
    return floorTo(wv.Nux, 3);
}

std::optional<double> siNiFromIndex(WorkingValues& wv) {
    const Num b = Num(wv.D) / (twiceBandwidth(wv.BW) * Num(wv.RC));
    const Num v = pw(b, Num(0.25));
    if (v <= Num(0)) return std::nullopt;
    wv.SN = decibels(v).value();
    return floorTo(wv.SN, 1);
}

std::optional<double> timeConstant(WorkingValues& wv) {
    if (!(wv.BW > 0) || wv.Nux == 0) return std::nullopt;
    const Num RC = pw(Num(wv.Valim) / Num(3.14), Num(2)) / (pw(Num(wv.Nux), Num(2)) * (gainFactor() * Num(wv.BW)));
    wv.RC = RC.value();
    return floorTo(wv.RC, 2);
}

std::optional<double> outputRatio(WorkingValues& wv) {
    const Num rho = inputCorrelation(wv.SNs);
    const Num q = Num(1) + rho * (-rho);
    if (CSng(q.value()) <= 0) return std::nullopt;
    wv.Sux = CSng(atn(rho / sqrt(q)).value());
    const Num Q = decibels(Num(wv.Sux) * sqrt(gainFactor() * Num(wv.RC) * Num(wv.BW)));
    return floorTo(Q.value(), 1);
}

double detectionIndex(const WorkingValues& wv) {
    const Num d = pw(pw(Num(10), Num(wv.SN) / Num(20)), Num(4)) * (twiceBandwidth(wv.BW) * Num(wv.RC));
    return floorTo(d.value(), 1);
}

}  // namespace px::algo

namespace px {

namespace {

// The entries of the algorithm list, as algorithmNames() orders them.
enum Entry { SiNiOutput = 0, SiNiIndex, OutputSignal, OutputNoise, OutputRatio, TimeConstant, DetectionIndex };

struct AlgorithmSetup {
    const char* captions[4];
    bool hidesCompare;  // whether the setup hides "Compara   grafici"
};
constexpr AlgorithmSetup kSetups[7] = {
    {{"V.alim.(Vcc.)", "Sux(Vcc.)", "V.eff.ingr.", "Dato4"}, true},  // Si/Ni = f[Sux; Ving]
    {{"BW(Hz)", "RC(Sec.)", "d(roc)", "Dato4"}, true},               // Si/Ni = f[d(roc); RC; BW]
    {{"V.alim.(Vcc.)", "Si/Ni(dB)", "Dato3", "Dato4"}, true},        // Sux = f[Si/Ni]
    {{"V.alim.(Vcc.)", "RC(Sec.)", "BW(Hz)", "Dato4"}, true},        // Nux = f[RC; BW]
    {{"Si/Ni(dB)", "BW(Hz)", "RC(Sec.)", "Dato4"}, false},           // Sux/Nux = f[Si/Ni; RC; BW]
    {{"V.alim.(Vcc.)", "Nux(Veff.)", "BW(Hz)", "Dato4"}, true},      // RC = f[Nux; BW]
    {{"Si/Ni(dB)", "RC(Sec.)", "BW(Hz)", "Dato4"}, false},           // d(roc) = f[RC; Si/Ni; BW]
};

float single(double v) { return CSng(v); }

}  // namespace

void Form12::setupAlgorithm(int index) {
    if (index < 0 || index >= 7) return;
    const AlgorithmSetup& s = kSetups[index];
    cancellaTEXTBOX1();
    surface().Clear();
    for (int n = 1; n <= 4; ++n)
        caption(n)->setCaption(QString::fromUtf8(s.captions[n - 1]));
    caption(5)->setCaption(QStringLiteral("Dato5"));
    caption(6)->setCaption(QStringLiteral("Dato6"));
    Shape2->hide();
    if (s.hidesCompare) Check1->hide();
}

void Form12::validateAlgorithm(int index) {
    switch (index) {
        case SiNiOutput:
            wv.Valim = single(value(1)), wv.Sux = single(value(2)), wv.Vin = single(value(3));
            break;
        case SiNiIndex:
            wv.BW = single(value(1)), wv.RC = value(2), wv.D = value(3);
            break;
        case OutputSignal:
            wv.Valim = single(value(1)), wv.D = value(2);
            break;
        case OutputNoise:
            wv.Valim = single(value(1)), wv.RC = value(2), wv.BW = single(value(3));
            break;
        case OutputRatio:
            wv.SNs = single(value(1)), wv.BW = single(value(2)), wv.RC = value(3);
            break;
        case TimeConstant:
            wv.Valim = single(value(1)), wv.Nux = single(value(2)), wv.BW = single(value(3));
            break;
        case DetectionIndex:
            wv.SN = value(1), wv.RC = value(2), wv.BW = single(value(3));
            break;
        default:
            break;
    }
}

void Form12::computeAlgorithm(int index) {
    switch (index) {
        case SiNiOutput:
            calcolosini();
            break;
        case SiNiIndex:
            algo4c();
            break;
        case OutputSignal:
            algo2c();
            break;
        case OutputNoise:
            algo3c();
            break;
        case OutputRatio:
            algo6c();
            break;
        case TimeConstant:
            algo5c();
            break;
        case DetectionIndex:
            algo7c();
            break;
        default:
            break;
    }
}

namespace {
// The four fixed lines that open every report: the inputs named, an empty line, the heading of the results.
void heading(ReportPrinter& report, const char* inputs, const char* results) {
    report.line({txt(" VARIABILI DI INGRESSO:")});
    report.line({txt(inputs)});
    report.line();
    report.line({txt(results)});
}
}  // namespace

void Form12::calcolosini() {
    surface().Clear();
    const auto r = algo::siNiFromOutput(wv);
    if (!r) return;
    heading(report, " Sux(Vcc.); V.ingr.(Veff.)", " DATI IN USCITA:");
    report.line({txt(" Ni(Veff.)= "), num(r->Ni)});
    report.line({txt(" Si(Veff.)= "), num(r->Si)});
    report.line({txt(" Raporto Si/Ni(db)= "), num(r->SN1)});
}

void Form12::algo2c() {
    surface().Clear();
    const auto Sux3 = algo::outputSignal(wv);
    if (!Sux3) return;
    heading(report, " Si/Ni(dB)", " DATI IN USCITA:");
    report.line({txt(" Sux(Vcc.)= "), num(*Sux3)});
}

void Form12::algo3c() {
    surface().Clear();
    const double Nux3 = algo::outputNoise(wv);
    heading(report, " RC(Sec.); BW(Hz)", " DATI IN USCITA: ");
    report.line({txt(" Nux(Veff.)= "), num(Nux3)});
}

void Form12::algo4c() {
    surface().Clear();
    const auto SN1 = algo::siNiFromIndex(wv);
    if (!SN1) return;
    heading(report, " RC(Sec.); BW(Hz); d(roc)", " DATI IN USCITA: ");
    report.line({txt(" (Si/Ni)dB= "), num(*SN1)});
}

void Form12::algo5c() {
    surface().Clear();
    const auto RC2 = algo::timeConstant(wv);
    if (!RC2) return;
    heading(report, " Nux(Veff.); BW(Hz)", " DATI IN USCITA:");
    report.line({txt(" RC(Sec.)= "), num(*RC2)});
}

void Form12::algo6c() {
    surface().Clear();
    const auto Q1 = algo::outputRatio(wv);
    if (!Q1) return;
    heading(report, " RC(Sec.); BW(Hz); Si/Ni(dB) ", " DATI IN USCITA:");
    report.line({txt(" (Sux/Nux)dB= "), num(*Q1)});
}

void Form12::algo7c() {
    surface().Clear();
    const double d1 = algo::detectionIndex(wv);
    heading(report, " RC(Sec.); BW(Hz); Si/Ni(dB)", " DATI DI USCITA:");
    report.line({txt(" d(roc)= "), num(d1)});
}

}  // namespace px
