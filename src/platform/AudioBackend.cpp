#include "platform/AudioBackend.h"

#include <algorithm>
#include <cmath>

namespace platform {

int AudioBackend::LinearVolume(int hundredths) {
    if (hundredths >= 0) {
        return kMaxLinearVolume;
    }
    // The quietest levels the game offers (-49 dB and below) fall under one step of the mixer's
    // scale; they are kept audible at the lowest step rather than rounded to silence. Only the
    // bottom of the game's scale, -52.5 dB, is silent.
    if (hundredths <= kSilentHundredths) {
        return 0;
    }
    const double gain = std::pow(10.0, static_cast<double>(hundredths) / 2000.0);
    return std::max(1, static_cast<int>(std::lround(kMaxLinearVolume * gain)));
}

} // namespace platform
