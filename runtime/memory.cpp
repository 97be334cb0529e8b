#include "memory.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <system_error>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define PX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define PX_SANITIZED 1
#endif
#endif

namespace px::memory {

namespace {
// The most freed memory the process keeps: 0 while it keeps none beyond the C library's own habits.
std::atomic<std::size_t> gCeiling{0};
}  // namespace

void keepMapped(std::size_t ahead) {
#if defined(__GLIBC__) && !defined(PX_SANITIZED)
    // Blocks up to 32 MB (a graph's list, a window's image) come from the heap, and freed heap up to the ceiling
    // stays with the process: a screen opened again, or the next "Calcolo", takes pages already touched.
    const std::size_t ceiling = std::max(kLeastCeiling, ahead);
    gCeiling = ceiling;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<std::size_t>(ceiling, INT_MAX)));
    if (ahead == 0) return;
    auto* block = static_cast<char*>(std::malloc(ahead));
    if (block == nullptr) return;
    // Large pages where the system offers them: one touch maps 2 MB.
    constexpr std::uintptr_t kLarge = 2u << 20;
    const auto from = (reinterpret_cast<std::uintptr_t>(block) + kLarge - 1) & ~(kLarge - 1);
    const auto to = (reinterpret_cast<std::uintptr_t>(block) + ahead) & ~(kLarge - 1);
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    auto touch = [block, ahead] {
        for (std::size_t i = 0; i < ahead; i += 4096)
            static_cast<volatile char*>(block)[i] = 0;
        std::free(block);  // back to the heap, which keeps it
    };
    try {
        std::thread(touch).detach();
    } catch (const std::system_error&) {
        std::free(block);  // no helper to be had: the pages are touched when first used
    }
#else
    (void)ahead;
#endif
}

void settle() {
#if defined(__GLIBC__) && !defined(PX_SANITIZED)
    const std::size_t ceiling = gCeiling;
    if (ceiling == 0) return;
    // Beyond the ceiling the freed pages go back to the system, wherever they lie in the heap; the C library
    // alone returns only those at its top.
    if (mallinfo2().fordblks > ceiling) malloc_trim(0);
#endif
}

std::size_t ceiling() { return gCeiling; }

void* allocate(std::size_t bytes) {
#if defined(__GLIBC__) && !defined(PX_SANITIZED)
    if (bytes >= kOwnMapping) {
        void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) throw std::bad_alloc();
        return block;
    }
#endif
    return ::operator new(bytes);
}

void release(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
#if defined(__GLIBC__) && !defined(PX_SANITIZED)
    if (bytes >= kOwnMapping) {
        munmap(block, bytes);
        return;
    }
#endif
    ::operator delete(block);
}

}  // namespace px::memory
