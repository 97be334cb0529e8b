// Independent work spread over the processor's cores, its results kept in order.  Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <functional>

namespace px::parallel {

// Runs job(from, to) for consecutive slices [from, to) of 0 .. n-1, each of at most `grain` indices (at least
// one), spread over the processor's cores with the calling thread among them, and returns once every slice is
// done.  The slices must not depend on one another; a slice writes the results of its indices into their own
// places, so that they stand in index order whatever thread computed them.  Where no thread is to be had the
// calling thread does every slice.  An exception thrown by a slice is thrown again here once all have ended.
void forSlices(std::size_t n, std::size_t grain, const std::function<void(std::size_t from, std::size_t to)>& job);

// Runs job(i) for i = 0 .. n-1 as forSlices spreads them.
template <class Job>
void forEach(std::size_t n, std::size_t grain, const Job& job) {
    forSlices(n, grain, [&job](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            job(i);
    });
}

// The threads forSlices runs on, the calling thread included.
std::size_t workers();

}  // namespace px::parallel
