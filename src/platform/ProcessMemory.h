#pragma once

namespace platform {

// Gives the heap's free pages back to the system. Freed buffers in the middle of the heap stay
// counted against the game until they are reused, unless they are handed back.
void ReturnFreeMemory();

// Makes every large block go back to the system as soon as it is freed; called once, first
// thing. Left to itself the C library raises that threshold to the largest block freed so far,
// so each music file read and each picture page turned leaves megabytes of free blocks in the
// heap, and the game grows for minutes after its start.
void ReleaseLargeBlocksOnFree();

} // namespace platform
