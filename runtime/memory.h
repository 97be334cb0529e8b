// Memory that stays with the process: freed blocks are kept for the next screen rather than handed back to the
// system at once, and the room the first screens take is touched ahead, on a helper thread, while the user reads
// the cover.  On these machines every page touched for the first time costs tens of microseconds; a graph's list
// and images touch thousands.  Plain C++, no Qt.
#pragma once

#include <cstddef>

namespace px::memory {

// The least freed memory kept for the next screen.
inline constexpr std::size_t kLeastCeiling = std::size_t{64} << 20;

// Keeps freed memory in the process, up to a ceiling of `ahead` bytes or kLeastCeiling, whichever is more, and
// touches `ahead` bytes of it ahead of need, in large pages where the system offers them.  Call once, at
// start-up, before the first screen; it returns at once.
void keepMapped(std::size_t ahead);

// Holds the kept memory to its ceiling: called once a screen is gone, when what it held has been freed.  While
// the freed memory stays within the ceiling it is kept; beyond, every freed page goes back to the system.
void settle();

// The ceiling in force, 0 when no memory is kept beyond the C library's own habits.
std::size_t ceiling();

// Blocks of at least this size are mapped from the system on their own and go back to it when freed, so that a
// list that keeps growing (a comparison of hundreds of curves) leaves none of its earlier, smaller copies behind.
inline constexpr std::size_t kOwnMapping = std::size_t{8} << 20;
// `bytes` of memory, aligned for any type: from the heap below kOwnMapping, mapped on its own from it on.
// Throws std::bad_alloc when there is no memory.
void* allocate(std::size_t bytes);
// Frees a block from allocate(), given its size.
void release(void* block, std::size_t bytes) noexcept;

}  // namespace px::memory
