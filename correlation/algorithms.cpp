// The digital-system algorithms: the receiver's formulas and the reports of the algorithm list, as plain
// functions.
#include "algorithms.h"

#include <cmath>

#include "numbers.h"
#include "translate.h"

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

std::optional<SiNiReport> siNiFromOutput(const WorkingValues& wv, WorkingChanges& out) {
    if (CSng(static_cast<double>(wv.Valim) / 2) < wv.Sux || wv.Valim == 0 || wv.Sux == 0) return std::nullopt;
    const Num x = Num(wv.Sux) * Num(3.14) / Num(wv.Valim);
    const Num a = Num(1) / sin(x) - Num(1);
    const Num s = Num(1) / sqrt(abs(a));
    const Num SN = decibels(s);
    out.SN = SN.value();
    const Num r = pw(Num(10), SN / Num(20));
    const Num Ni = Num(wv.Vin) / sqrt(Num(1) + pw(r, Num(2)));
    const Num Si = Num(wv.Vin) * sqrt(Num(1) / (Num(1) + Num(1) / pw(r, Num(2))));
    return SiNiReport{floorTo(*out.SN, 1), floorTo(Ni.value(), 3), floorTo(Si.value(), 3)};
}

std::optional<float> outputSignal(const WorkingValues& wv, WorkingChanges& out) {
    const Num rho = inputCorrelation(wv.D);
    const Num q = Num(1) + rho * (-rho);
    if (CSng(q.value()) <= 0) return std::nullopt;
    out.Sux = CSng((Num(wv.Valim) / Num(3.14) * atn(rho / sqrt(q))).value());
    return floorToSingle(*out.Sux, 3);
}

double outputNoise(const WorkingValues& wv, WorkingChanges& out) {
    const Num product = gainFactor() * Num(wv.RC) * Num(wv.BW);
    out.Nux = CSng((Num(wv.Valim) / (sqrt(product) * Num(3.14))).value());
    return floorTo(*out.Nux, 3);
}

std::optional<double> siNiFromIndex(const WorkingValues& wv, WorkingChanges& out) {
    const Num b = Num(wv.D) / (twiceBandwidth(wv.BW) * Num(wv.RC));
    const Num v = pw(b, Num(0.25));
    if (v <= Num(0)) return std::nullopt;
    out.SN = decibels(v).value();
    return floorTo(*out.SN, 1);
}

std::optional<double> timeConstant(const WorkingValues& wv, WorkingChanges& out) {
    if (!(wv.BW > 0) || wv.Nux == 0) return std::nullopt;
    const Num RC = pw(Num(wv.Valim) / Num(3.14), Num(2)) / (pw(Num(wv.Nux), Num(2)) * (gainFactor() * Num(wv.BW)));
    out.RC = RC.value();
    return floorTo(*out.RC, 2);
}

std::optional<double> outputRatio(const WorkingValues& wv, WorkingChanges& out) {
    const Num rho = inputCorrelation(wv.SNs);
    const Num q = Num(1) + rho * (-rho);
    if (CSng(q.value()) <= 0) return std::nullopt;
    out.Sux = CSng(atn(rho / sqrt(q)).value());
    const Num Q = decibels(Num(*out.Sux) * sqrt(gainFactor() * Num(wv.RC) * Num(wv.BW)));
    return floorTo(Q.value(), 1);
}

double detectionIndex(const WorkingValues& wv) {
    const Num d = pw(pw(Num(10), Num(wv.SN) / Num(20)), Num(4)) * (twiceBandwidth(wv.BW) * Num(wv.RC));
    return floorTo(d.value(), 1);
}

namespace {

// The four fixed lines that open every report: the inputs named, an empty line, the heading of the results.
void heading(const lines::LineSink& sink, const char* inputs, const char* results) {
    sink({lines::txt(PX_TRANSLATE_NOOP("Correlation", " VARIABILI DI INGRESSO:"))});
    sink({lines::txt(inputs)});
    sink({});
    sink({lines::txt(results)});
}

// The reports of one result: the heading, then the result named.  The result is computed first; one its guard
// refuses gives no report.
using OneResult = std::optional<lines::Item> (*)(const WorkingValues&, WorkingChanges&);
template <class T>
std::optional<lines::Item> item(const std::optional<T>& v) {
    if (!v) return std::nullopt;
    return lines::num(*v);
}
struct OneResultReport {
    Entry entry;
    const char* inputs;
    const char* results;
    const char* name;
    OneResult compute;
};
const OneResultReport kOneResult[] = {
    {OutputSignal, PX_TRANSLATE_NOOP("Correlation", " Si/Ni(dB)"),
     PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA:"), PX_TRANSLATE_NOOP("Correlation", " Sux(Vcc.)= "),
     [](const WorkingValues& wv, WorkingChanges& out) { return item(outputSignal(wv, out)); }},
    {OutputNoise, PX_TRANSLATE_NOOP("Correlation", " RC(Sec.); BW(Hz)"),
     PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA: "), PX_TRANSLATE_NOOP("Correlation", " Nux(Veff.)= "),
     [](const WorkingValues& wv, WorkingChanges& out) { return item(std::optional(outputNoise(wv, out))); }},
    {SiNiIndex, PX_TRANSLATE_NOOP("Correlation", " RC(Sec.); BW(Hz); d(roc)"),
     PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA: "), PX_TRANSLATE_NOOP("Correlation", " (Si/Ni)dB= "),
     [](const WorkingValues& wv, WorkingChanges& out) { return item(siNiFromIndex(wv, out)); }},
    {TimeConstant, PX_TRANSLATE_NOOP("Correlation", " Nux(Veff.); BW(Hz)"),
     PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA:"), PX_TRANSLATE_NOOP("Correlation", " RC(Sec.)= "),
     [](const WorkingValues& wv, WorkingChanges& out) { return item(timeConstant(wv, out)); }},
    {OutputRatio, PX_TRANSLATE_NOOP("Correlation", " RC(Sec.); BW(Hz); Si/Ni(dB) "),
     PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA:"), PX_TRANSLATE_NOOP("Correlation", " (Sux/Nux)dB= "),
     [](const WorkingValues& wv, WorkingChanges& out) { return item(outputRatio(wv, out)); }},
    {DetectionIndex, PX_TRANSLATE_NOOP("Correlation", " RC(Sec.); BW(Hz); Si/Ni(dB)"),
     PX_TRANSLATE_NOOP("Correlation", " DATI DI USCITA:"), PX_TRANSLATE_NOOP("Correlation", " d(roc)= "),
     [](const WorkingValues& wv, WorkingChanges&) { return item(std::optional(detectionIndex(wv))); }},
};

}  // namespace

void report(int entry, const WorkingValues& wv, WorkingChanges& out, const lines::LineSink& sink) {
    if (entry == SiNiOutput) {
        const auto r = siNiFromOutput(wv, out);
        if (!r) return;
        heading(sink, PX_TRANSLATE_NOOP("Correlation", " Sux(Vcc.); V.ingr.(Veff.)"),
                PX_TRANSLATE_NOOP("Correlation", " DATI IN USCITA:"));
        sink({lines::txt(PX_TRANSLATE_NOOP("Correlation", " Ni(Veff.)= ")), lines::num(r->Ni)});
        sink({lines::txt(PX_TRANSLATE_NOOP("Correlation", " Si(Veff.)= ")), lines::num(r->Si)});
        sink({lines::txt(PX_TRANSLATE_NOOP("Correlation", " Raporto Si/Ni(db)= ")), lines::num(r->SN1)});
        return;
    }
    for (const OneResultReport& r : kOneResult) {
        if (r.entry != entry) continue;
        const std::optional<lines::Item> result = r.compute(wv, out);
        if (!result) return;
        heading(sink, r.inputs, r.results);
        sink({lines::txt(r.name), *result});
        return;
    }
}

}  // namespace px::algo
