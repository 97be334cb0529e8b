#include "geometry_model.h"

#include "numbers.h"

namespace px::transducers {

double dopplerShift(double frequency, double speedKnots) {
    const Num f = frequency;
    const Num v = speedKnots;
    return (f * (v * 0.69)).value();
}

void dopplerDiagram(double speedKnots, const CurveSink& sink) {
    const Num v = speedKnots;
    for (double F = 0; F <= 100; F = F + 0.001) {
        Num fd = Num(F) * (v * 0.69);
        if (fd > kDopplerCeiling) fd = kDopplerCeiling;
        sink(F, fd.value());
    }
}

namespace {
Num rangeAt(Num h, Num angle) { return Num(2) * h / tan(Num(3.14159) * angle / 180); }
}  // namespace

double bottomReflectionRange(double heightM, double angleDeg) { return rangeAt(heightM, angleDeg).value(); }

void bottomReflectionDiagram(double heightM, const CurveSink& sink) {
    const Num h = heightM;
    for (double a = 1; a <= 50; a = a + 0.01) {
        Num d = rangeAt(h, a);
        if (d > kRangeCeiling) d = kRangeCeiling;
        sink(a, d.value());
    }
}

}  // namespace px::transducers
