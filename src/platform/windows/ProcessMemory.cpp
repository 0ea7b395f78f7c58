#include "platform/ProcessMemory.h"

#include <malloc.h>

namespace platform {

void ReturnFreeMemory() {
    _heapmin();
}

void ReleaseLargeBlocksOnFree() {
    // The Windows heap gives its largest blocks straight back, under a limit nothing raises.
}

} // namespace platform
