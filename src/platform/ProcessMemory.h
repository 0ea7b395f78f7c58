#pragma once

namespace platform {

// Gives the heap's free pages back to the system. Freed buffers in the middle of the heap stay
// counted against the game until they are reused, unless they are handed back.
void ReturnFreeMemory();

} // namespace platform
