#include "piston.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

#include "parallel.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace px {

namespace {

// t = 0.001 * k and sin(t) for every step, computed once: the same values the sum would compute at each term.
struct Steps {
    std::array<double, kPistonTerms> t;
    std::array<double, kPistonTerms> sinT;
    Steps() {
        for (int k = 0; k < kPistonTerms; ++k) {
            t[static_cast<std::size_t>(k)] = 0.001 * k;
            sinT[static_cast<std::size_t>(k)] = std::sin(t[static_cast<std::size_t>(k)]);
        }
    }
};

const Steps& steps() {
    static const Steps s;
    return s;
}

#if defined(__x86_64__) || defined(__i386__)
// Code that used the wide vector registers (the toolkit's drawing, for one) can leave their upper halves marked as
// in use; every scalar instruction of the sum then waits on them, which makes it half again as slow.  Clearing the
// upper halves changes no value the sum holds: it works in the low halves only.
__attribute__((target("avx"))) void clearUpperHalves() { _mm256_zeroupper(); }

void prepareVectorUnit() {
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    if (avx) clearUpperHalves();
}
#else
void prepareVectorUnit() {}
#endif

// Angles handed to a worker at a time: small enough to balance the load, large enough to keep the counter quiet.
constexpr std::size_t kChunk = 4;

}  // namespace

double pistonIntegral(double x) {
    prepareVectorUnit();
    const Steps& s = steps();
    const double divisor = 1 / 3.14;
    // One loop: the additions of the sum wait for one another, and so run in the shadow of the next cosine.
    double j = 0;
    for (std::size_t k = 0; k < s.t.size(); ++k)
        j = j + 0.001 * (divisor * std::cos(x * s.sinT[k] - s.t[k]));
    return j;
}

namespace {

// pi/2 in three parts, the first two of 33 significant bits: q * part is exact for |q| < 2^20.
constexpr double kHalfPi1 = 1.57079632673412561417e+00;
constexpr double kHalfPi2 = 6.07710050650619224932e-11;
constexpr double kHalfPi3 = 2.02226624879595063154e-21;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
// The largest |x| the estimate is made for with the reduction above: the arguments x sin t - t stay below 2^17
// quarter turns.
constexpr double kEstimateLimit = 1.0e5;

// pi/2 as the sum of three doubles, each the nearest to what the earlier ones leave; the rest is below 1e-49.
constexpr double kHalfPiHigh = 0x1.921fb54442d18p+0;
constexpr double kHalfPiMid = 0x1.1a62633145c07p-54;
constexpr double kHalfPiLow = -0x1.f1976b7ed8fbcp-110;
// The largest |x| the estimate is made for with the reduction of fused products: the arguments stay below 2^40,
// where each step of that reduction is as exact as wideCos says.
constexpr double kWideLimit = 0x1p40;

// The cosine of a reduced argument r, |r| below 0.79, and q, the whole number of quarter turns taken off: sin r or
// cos r by their Taylor series (the first term left off is below 6e-17), chosen and signed by q mod 4.
inline double cosOfReduced(double r, double q) {
    const double z = r * r;
    const double c =
        1 + z * (-1.0 / 2 +
                 z * (1.0 / 24 +
                      z * (-1.0 / 720 +
                           z * (1.0 / 40320 +
                                z * (-1.0 / 3628800 + z * (1.0 / 479001600 + z * (-1.0 / 87178291200 +
                                                                                  z * (1.0 / 20922789888000))))))));
    const double sn =
        r * (1 + z * (-1.0 / 6 +
                      z * (1.0 / 120 +
                           z * (-1.0 / 5040 +
                                z * (1.0 / 362880 + z * (-1.0 / 39916800 +
                                                         z * (1.0 / 6227020800 + z * (-1.0 / 1307674368000))))))));
    const long long n = static_cast<long long>(q) & 3;
    const double value = (n & 1) != 0 ? sn : c;
    return (n == 1 || n == 2) ? -value : value;
}

// cos(a) for |a| below 2^40, within 1e-15.  q is a whole number within 0.5002 of a 2/pi, so a - q pi/2 is below
// 0.786.  a - q H, H the first part of pi/2, is exact: where q is not 0, a and q H are whole multiples of 2^-53 and
// their difference is below 1.  q M, M the second part, is split exactly into its rounded value and the error of
// that rounding.  What is left is rounded twice, each time by at most half a unit in the last place of a number
// below 0.79, so r is within 2e-16 of a - q pi/2.
inline double wideCos(double a) {
    const double q = std::nearbyint(a * kTwoOverPi);
    const double exactPart = std::fma(-q, kHalfPiHigh, a);
    const double mid = q * kHalfPiMid;
    const double midError = std::fma(q, kHalfPiMid, -mid);
    const double r = (exactPart - mid) - (midError + q * kHalfPiLow);
    return cosOfReduced(r, q);
}

// cos(a) for |a| below about 2e5, within 1e-15: the argument is reduced to r in [-pi/4, pi/4] by a whole
// number q of quarter turns, then sin r or cos r by their Taylor series, chosen and signed by q mod 4.
inline double quickCos(double a) {
    const double q = std::nearbyint(a * kTwoOverPi);
    const double r = ((a - q * kHalfPi1) - q * kHalfPi2) - q * kHalfPi3;
    return cosOfReduced(r, q);
}

#if defined(__x86_64__) || defined(__i386__)
constexpr int kNearest = _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC;

// cosOfReduced four at a time.
__attribute__((target("avx"))) inline __m256d cosOfReduced4(__m256d r, __m256d q) {
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d one = _mm256_set1_pd(1), two = _mm256_set1_pd(2), four = _mm256_set1_pd(4);
    const __m256d quarter = _mm256_set1_pd(0.25);
    // The Taylor coefficients of cos and of sin / r, highest first.
    static constexpr double kCos[] = {1.0 / 20922789888000,
                                      -1.0 / 87178291200,
                                      1.0 / 479001600,
                                      -1.0 / 3628800,
                                      1.0 / 40320,
                                      -1.0 / 720,
                                      1.0 / 24,
                                      -1.0 / 2,
                                      1.0};
    static constexpr double kSin[] = {-1.0 / 1307674368000, 1.0 / 6227020800, -1.0 / 39916800, 1.0 / 362880,
                                      -1.0 / 5040,          1.0 / 120,        -1.0 / 6,        1.0};
    const __m256d z = _mm256_mul_pd(r, r);
    __m256d c = _mm256_set1_pd(kCos[0]);
    for (std::size_t j = 1; j < std::size(kCos); ++j)
        c = _mm256_add_pd(_mm256_mul_pd(c, z), _mm256_set1_pd(kCos[j]));
    __m256d sn = _mm256_set1_pd(kSin[0]);
    for (std::size_t j = 1; j < std::size(kSin); ++j)
        sn = _mm256_add_pd(_mm256_mul_pd(sn, z), _mm256_set1_pd(kSin[j]));
    sn = _mm256_mul_pd(sn, r);
    // q mod 4 as -2 .. 2: odd quarters take the sine, the second and third quadrants change the sign.
    const __m256d m = _mm256_sub_pd(q, _mm256_mul_pd(four, _mm256_round_pd(_mm256_mul_pd(q, quarter), kNearest)));
    const __m256d am = _mm256_andnot_pd(signBit, m);
    const __m256d odd = _mm256_cmp_pd(am, one, _CMP_EQ_OQ);
    const __m256d negative = _mm256_or_pd(_mm256_cmp_pd(m, one, _CMP_EQ_OQ), _mm256_cmp_pd(am, two, _CMP_EQ_OQ));
    // The choice by masks, not by a blend: a compiler may turn a blend into a branch for each lane, which
    // mispredicts half the time where the quarter turns vary from term to term.
    const __m256d chosen = _mm256_or_pd(_mm256_and_pd(odd, sn), _mm256_andnot_pd(odd, c));
    return _mm256_xor_pd(chosen, _mm256_and_pd(negative, signBit));
}

// The sum of four lanes, each added up in order, the lanes added in pairs.
__attribute__((target("avx"))) inline double laneSum(__m256d v) {
    alignas(32) double lanes[4];
    _mm256_store_pd(lanes, v);
    return (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
}

// The same estimate four terms at a time, on processors with the wide vector unit.  Its sums differ from the
// narrow one's in their last bits, which the bound covers all the same.
__attribute__((target("avx"))) void quickCosSums(double x, const Steps& s, std::size_t terms, double& total,
                                                 double& size) {
    const __m256d vx = _mm256_set1_pd(x);
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d twoOverPi = _mm256_set1_pd(kTwoOverPi);
    const __m256d p1 = _mm256_set1_pd(kHalfPi1), p2 = _mm256_set1_pd(kHalfPi2), p3 = _mm256_set1_pd(kHalfPi3);
    __m256d sum = _mm256_setzero_pd(), magnitude = _mm256_setzero_pd();
    for (std::size_t i = 0; i < terms; i += 4) {
        const __m256d a = _mm256_sub_pd(_mm256_mul_pd(vx, _mm256_loadu_pd(&s.sinT[i])), _mm256_loadu_pd(&s.t[i]));
        const __m256d q = _mm256_round_pd(_mm256_mul_pd(a, twoOverPi), kNearest);
        const __m256d r = _mm256_sub_pd(_mm256_sub_pd(_mm256_sub_pd(a, _mm256_mul_pd(q, p1)), _mm256_mul_pd(q, p2)),
                                        _mm256_mul_pd(q, p3));
        const __m256d value = cosOfReduced4(r, q);
        sum = _mm256_add_pd(sum, value);
        magnitude = _mm256_add_pd(magnitude, _mm256_andnot_pd(signBit, value));
    }
    total = laneSum(sum);
    size = laneSum(magnitude);
}

// The estimate of wideCos four terms at a time, on processors with fused multiply-add.
__attribute__((target("avx,fma"))) void wideCosSums(double x, const Steps& s, std::size_t terms, double& total,
                                                    double& size) {
    const __m256d vx = _mm256_set1_pd(x);
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d twoOverPi = _mm256_set1_pd(kTwoOverPi);
    const __m256d high = _mm256_set1_pd(kHalfPiHigh), mid = _mm256_set1_pd(kHalfPiMid);
    const __m256d low = _mm256_set1_pd(kHalfPiLow);
    __m256d sum = _mm256_setzero_pd(), magnitude = _mm256_setzero_pd();
    for (std::size_t i = 0; i < terms; i += 4) {
        const __m256d a = _mm256_sub_pd(_mm256_mul_pd(vx, _mm256_loadu_pd(&s.sinT[i])), _mm256_loadu_pd(&s.t[i]));
        const __m256d q = _mm256_round_pd(_mm256_mul_pd(a, twoOverPi), kNearest);
        const __m256d exactPart = _mm256_fnmadd_pd(q, high, a);
        const __m256d qMid = _mm256_mul_pd(q, mid);
        const __m256d qMidError = _mm256_fmsub_pd(q, mid, qMid);
        const __m256d r =
            _mm256_sub_pd(_mm256_sub_pd(exactPart, qMid), _mm256_add_pd(qMidError, _mm256_mul_pd(q, low)));
        const __m256d value = cosOfReduced4(r, q);
        sum = _mm256_add_pd(sum, value);
        magnitude = _mm256_add_pd(magnitude, _mm256_andnot_pd(signBit, value));
    }
    total = laneSum(sum);
    size = laneSum(magnitude);
}

bool wideVectors() {
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return avx;
}

bool fusedWideVectors() {
    static const bool fma = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0 && __builtin_cpu_supports("fma") != 0;
    }();
    return fma;
}
#endif

}  // namespace

PistonEstimate pistonEstimate(double x) {
    const double magnitude = std::fabs(x);
    if (!(magnitude <= kWideLimit)) {
        if (std::isfinite(x)) return {0, kPistonSumBound};
        return {0, std::numeric_limits<double>::infinity()};
    }
    // Up to kEstimateLimit the three-part reduction; beyond, the reduction of fused products.
    const bool wide = magnitude > kEstimateLimit;
    const Steps& s = steps();
    double total = 0, size = 0;
    std::size_t k = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (!wide && wideVectors()) {
        k = s.t.size() / 4 * 4;
        quickCosSums(x, s, k, total, size);
    } else if (wide && fusedWideVectors()) {
        k = s.t.size() / 4 * 4;
        wideCosSums(x, s, k, total, size);
    }
#endif
    for (; k < s.t.size(); ++k) {
        const double a = x * s.sinT[k] - s.t[k];
        const double c = wide ? wideCos(a) : quickCos(a);
        total += c;
        size += std::fabs(c);
    }
    const double scale = 0.001 * (1 / 3.14);
    // Each of the two sums, the exact one and this one, is within n u of the sum of its terms' magnitudes of the
    // true sum (n terms, u the unit roundoff); each term is within a few units of its last place, and the quick
    // cosine within 1e-15.  The bound takes eight times all that.
    const double n = static_cast<double>(s.t.size());
    const double u = std::numeric_limits<double>::epsilon() / 2;
    const double bound = 8 * (scale * (size + n) * (2 * n * u) + n * scale * (1e-15 + 8 * u));
    return {scale * total, bound};
}

void pistonIntegrals(std::span<const double> xs, std::span<double> out) {
    steps();  // built once, before any worker reads it
    parallel::forEach(std::min(xs.size(), out.size()), kChunk,
                      [&](std::size_t i) { out[i] = pistonIntegral(xs[i]); });
}

void pistonEstimates(std::span<const double> xs, std::span<PistonEstimate> out) {
    steps();
    parallel::forEach(std::min(xs.size(), out.size()), kChunk,
                      [&](std::size_t i) { out[i] = pistonEstimate(xs[i]); });
}

}  // namespace px
