#include "platform/ProcessMemory.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void ReturnFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void ReleaseLargeBlocksOnFree() {
#if defined(__GLIBC__)
    // The library's own starting threshold, fixed: setting it turns the raising off.
    constexpr int kLargeBlockBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

} // namespace platform
