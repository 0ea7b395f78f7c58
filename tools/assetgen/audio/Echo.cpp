#include "Echo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::audio {

Echo::Echo(double delaySeconds, double feedback, double toneHz)
    : feedback(static_cast<float>(std::clamp(feedback, 0.0, 0.95))) {
    const auto frames = std::max<std::size_t>(1, std::lround(delaySeconds * kSampleRate));
    left.assign(frames, 0.0f);
    right.assign(frames, 0.0f);
    tone = static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * toneHz / kSampleRate));
}

void Echo::Process(StereoBuffer& buffer) {
    for (std::size_t i = 0; i < buffer.Frames(); ++i) {
        const float fromLeft = left[at];
        const float fromRight = right[at];
        lowLeft += tone * (fromLeft - lowLeft);
        lowRight += tone * (fromRight - lowRight);
        left[at] = 0.5f * (buffer.left[i] + buffer.right[i]) + feedback * lowRight;
        right[at] = feedback * lowLeft;
        at = at + 1 == left.size() ? 0 : at + 1;
        buffer.left[i] = fromLeft;
        buffer.right[i] = fromRight;
    }
}

} // namespace assetgen::audio
