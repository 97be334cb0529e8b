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
// The largest |x| the estimate is made for: the arguments x sin t - t stay below 2^17 quarter turns.
constexpr double kEstimateLimit = 1.0e5;

// cos(a) for |a| below about 2e5, within 1e-15: the argument is reduced to r in [-pi/4, pi/4] by a whole
// number q of quarter turns, then sin r or cos r by their Taylor series, chosen and signed by q mod 4.
inline double quickCos(double a) {
    const double q = std::nearbyint(a * kTwoOverPi);
    const double r = ((a - q * kHalfPi1) - q * kHalfPi2) - q * kHalfPi3;
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

#if defined(__x86_64__) || defined(__i386__)
// The same estimate four terms at a time, on processors with the wide vector unit.  Its sums differ from the
// narrow one's in their last bits, which the bound covers all the same.
__attribute__((target("avx"))) void quickCosSums(double x, const Steps& s, std::size_t terms, double& total,
                                                 double& size) {
    const __m256d vx = _mm256_set1_pd(x);
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d one = _mm256_set1_pd(1), two = _mm256_set1_pd(2), four = _mm256_set1_pd(4);
    const __m256d quarter = _mm256_set1_pd(0.25), twoOverPi = _mm256_set1_pd(kTwoOverPi);
    const __m256d p1 = _mm256_set1_pd(kHalfPi1), p2 = _mm256_set1_pd(kHalfPi2), p3 = _mm256_set1_pd(kHalfPi3);
    constexpr int kNearest = _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC;
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
    __m256d sum = _mm256_setzero_pd(), magnitude = _mm256_setzero_pd();
    for (std::size_t i = 0; i < terms; i += 4) {
        const __m256d a = _mm256_sub_pd(_mm256_mul_pd(vx, _mm256_loadu_pd(&s.sinT[i])), _mm256_loadu_pd(&s.t[i]));
        const __m256d q = _mm256_round_pd(_mm256_mul_pd(a, twoOverPi), kNearest);
        const __m256d r = _mm256_sub_pd(_mm256_sub_pd(_mm256_sub_pd(a, _mm256_mul_pd(q, p1)), _mm256_mul_pd(q, p2)),
                                        _mm256_mul_pd(q, p3));
        const __m256d z = _mm256_mul_pd(r, r);
        __m256d c = _mm256_set1_pd(kCos[0]);
        for (std::size_t j = 1; j < std::size(kCos); ++j)
            c = _mm256_add_pd(_mm256_mul_pd(c, z), _mm256_set1_pd(kCos[j]));
        __m256d sn = _mm256_set1_pd(kSin[0]);
        for (std::size_t j = 1; j < std::size(kSin); ++j)
            sn = _mm256_add_pd(_mm256_mul_pd(sn, z), _mm256_set1_pd(kSin[j]));
        sn = _mm256_mul_pd(sn, r);
        // q mod 4 as -2 .. 2: odd quarters take the sine, the second and third quadrants change the sign.
        const __m256d m =
            _mm256_sub_pd(q, _mm256_mul_pd(four, _mm256_round_pd(_mm256_mul_pd(q, quarter), kNearest)));
        const __m256d am = _mm256_andnot_pd(signBit, m);
        const __m256d odd = _mm256_cmp_pd(am, one, _CMP_EQ_OQ);
        const __m256d negative =
            _mm256_or_pd(_mm256_cmp_pd(m, one, _CMP_EQ_OQ), _mm256_cmp_pd(am, two, _CMP_EQ_OQ));
        const __m256d value = _mm256_xor_pd(_mm256_blendv_pd(c, sn, odd), _mm256_and_pd(negative, signBit));
        sum = _mm256_add_pd(sum, value);
        magnitude = _mm256_add_pd(magnitude, _mm256_andnot_pd(signBit, value));
    }
    alignas(32) double lanes[4], sizes[4];
    _mm256_store_pd(lanes, sum);
    _mm256_store_pd(sizes, magnitude);
    total = (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
    size = (sizes[0] + sizes[1]) + (sizes[2] + sizes[3]);
}

bool wideVectors() {
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return avx;
}
#endif

}  // namespace

PistonEstimate pistonEstimate(double x) {
    if (!(std::fabs(x) <= kEstimateLimit)) return {0, std::numeric_limits<double>::infinity()};
    const Steps& s = steps();
    double total = 0, size = 0;
    std::size_t k = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (wideVectors()) {
        k = s.t.size() / 4 * 4;
        quickCosSums(x, s, k, total, size);
    }
#endif
    for (; k < s.t.size(); ++k) {
        const double c = quickCos(x * s.sinT[k] - s.t[k]);
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
