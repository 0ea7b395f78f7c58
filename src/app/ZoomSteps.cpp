#include "app/ZoomSteps.h"

#include <algorithm>
#include <cstdint>

namespace app {

namespace {

// Past this the steps stop whatever the desktop: a window 40 times the frame is no window.
constexpr int kLargestEver = 4000;

} // namespace

ZoomSteps::ZoomSteps(int frameWidth, int frameHeight, const platform::Rect& usable)
    : frameWidth(std::max(frameWidth, 1)), frameHeight(std::max(frameHeight, 1)), usable(usable),
      largest(LargestWithin(100)) {}

int ZoomSteps::LargestWithin(int share) const {
    // frame x zoom / 100 <= usable x share / 100, in 64 bits for large desktops.
    const std::int64_t width = std::int64_t{usable.Width()} * share;
    const std::int64_t height = std::int64_t{usable.Height()} * share;
    int best = kNormal;
    for (int zoom = kNormal + kStep; zoom <= kLargestEver; zoom += kStep) {
        if (std::int64_t{frameWidth} * zoom > width || std::int64_t{frameHeight} * zoom > height) {
            break;
        }
        best = zoom;
    }
    return best;
}

int ZoomSteps::Larger(int percent) const {
    const int next = percent < kNormal ? kNormal : (percent / kStep + 1) * kStep;
    // A zoom already past the largest is left alone rather than made smaller.
    return std::min(next, std::max(largest, percent));
}

int ZoomSteps::Smaller(int percent) const {
    const int previous = (percent - 1) / kStep * kStep;
    return std::clamp(previous, kNormal, largest);
}

int ZoomSteps::FirstStart() const {
    return LargestWithin(80);
}

int ZoomSteps::FromSaved(int percent) const {
    return IsStep(percent) ? std::min(percent, largest) : FirstStart();
}

} // namespace app
