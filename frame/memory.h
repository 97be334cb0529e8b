// Memory that stays with the process: freed blocks are kept for the next screen rather than handed back to the
// system at once, and the room the first screens take is touched ahead, on a helper thread, while the user reads
// the cover.  On these machines every page touched for the first time costs tens of microseconds; a graph's list
// and images touch thousands.  Plain C++, no Qt.
#pragma once

#include <cstddef>

namespace px::memory {

// Keeps freed memory in the process and touches `ahead` bytes of it ahead of need, in large pages where the
// system offers them.  Call once, at start-up, before the first screen; it returns at once.
void keepMapped(std::size_t ahead);

}  // namespace px::memory
