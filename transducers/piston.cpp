#include "piston.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

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

void pistonIntegrals(std::span<const double> xs, std::span<double> out) {
    const std::size_t n = std::min(xs.size(), out.size());
    if (n == 0) return;
    steps();  // built once, before any worker reads it
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (;;) {
            const std::size_t from = next.fetch_add(kChunk, std::memory_order_relaxed);
            if (from >= n) return;
            const std::size_t to = std::min(n, from + kChunk);
            for (std::size_t i = from; i < to; ++i)
                out[i] = pistonIntegral(xs[i]);
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helpers = std::min<std::size_t>(cores - 1, (n + kChunk - 1) / kChunk - 1);
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    try {
        for (std::size_t i = 0; i < helpers; ++i)
            threads.emplace_back(work);
    } catch (const std::system_error&) {
        // No thread to be had: the threads already started and this one share the angles.
    }
    work();  // the calling thread takes its share
    for (auto& t : threads)
        t.join();
}

}  // namespace px
