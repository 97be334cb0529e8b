#include "memory.h"

#include <cstdint>
#include <cstdlib>
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

void keepMapped(std::size_t ahead) {
#if defined(__GLIBC__) && !defined(PX_SANITIZED)
    // Blocks up to 32 MB (a graph's list, a window's image) come from the heap, and up to 256 MB of freed heap
    // stay with the process: a screen opened again, or the next "Calcolo", takes pages already touched.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
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

}  // namespace px::memory
