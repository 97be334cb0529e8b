#include "parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sched.h>
#endif

namespace px::parallel {

namespace {
// The cores this process may run on: fewer than the machine's when it was bound to some of them.
std::size_t usableCores() {
#if defined(__linux__)
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<std::size_t>(CPU_COUNT(&set));
#endif
    return std::thread::hardware_concurrency();
}
}  // namespace

std::size_t workers() {
    // More threads than cores only wait on one another; beyond eight the slices of our sweeps are too few.
    static const std::size_t n = std::clamp<std::size_t>(usableCores(), 1, 8);
    return n;
}

void forSlices(std::size_t n, std::size_t grain, const std::function<void(std::size_t, std::size_t)>& job) {
    if (n == 0) return;
    grain = std::max<std::size_t>(grain, 1);
    const std::size_t slices = (n + grain - 1) / grain;
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto work = [&] {
        for (;;) {
            const std::size_t slice = next.fetch_add(1, std::memory_order_relaxed);
            if (slice >= slices) return;
            const std::size_t from = slice * grain;
            try {
                job(from, std::min(n, from + grain));
            } catch (...) {
                const std::lock_guard<std::mutex> hold(failureLock);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    const std::size_t helpers = std::min(workers() - 1, slices - 1);
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    try {
        for (std::size_t i = 0; i < helpers; ++i)
            threads.emplace_back(work);
    } catch (const std::system_error&) {
        // No further thread to be had: those already started and this one share the slices.
    }
    work();
    for (std::thread& t : threads)
        t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace px::parallel
