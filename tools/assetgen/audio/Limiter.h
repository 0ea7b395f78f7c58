#pragma once

#include "StereoBuffer.h"

namespace assetgen::audio {

// Holds the peaks of a finished loop under a ceiling. It works on the whole buffer at once:
// the gain falls smoothly just before a peak (looking ahead) and recovers slowly after it.
// The buffer is treated as a loop, so a peak near the start already lowers the gain at the
// end and the gain is continuous across the seam.
class Limiter {
public:
    Limiter(float ceiling, double attackSeconds, double releaseSeconds);

    // Afterwards no sample of either channel exceeds the ceiling; passages well clear of any
    // peak over it are left as they were.
    void Apply(StereoBuffer& buffer) const;

private:
    float ceiling;
    double attackSeconds;
    double releaseSeconds;
};

} // namespace assetgen::audio
