#include "platform/ProcessMemory.h"

#include <malloc.h>

namespace platform {

void ReturnFreeMemory() {
    _heapmin();
}

} // namespace platform
