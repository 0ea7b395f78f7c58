#include "platform/FrameFit.h"

#include <cstdint>

namespace platform {

namespace {

// Division rounding toward minus infinity, so a point left of the target never lands on 0.
int FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return static_cast<int>(quotient);
}

} // namespace

FrameFit::FrameFit(int frameWidth, int frameHeight, int outputWidth, int outputHeight)
    : frameWidth(frameWidth), frameHeight(frameHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) {
        return;
    }
    // The side that runs out first sets the scale; the other is scaled by the same factor.
    int width = outputWidth;
    int height = outputHeight;
    const std::int64_t wide = std::int64_t{outputWidth} * frameHeight;
    const std::int64_t tall = std::int64_t{outputHeight} * frameWidth;
    if (wide > tall) {
        width = static_cast<int>(tall / frameHeight);
    } else if (tall > wide) {
        height = static_cast<int>(wide / frameWidth);
    }
    const int left = (outputWidth - width) / 2;
    const int top = (outputHeight - height) / 2;
    target = {left, top, left + width, top + height};
}

bool FrameFit::WholeScale() const {
    return !target.IsEmpty() && target.Width() % frameWidth == 0 &&
           target.Height() % frameHeight == 0;
}

bool FrameFit::Smoothed() const {
    return !target.IsEmpty() && !WholeScale() && target.Width() < 2 * frameWidth;
}

FrameFit::Point FrameFit::ToFrame(int x, int y) const {
    if (target.IsEmpty()) {
        return {x, y};
    }
    return {FloorDivide(std::int64_t{x - target.left} * frameWidth, target.Width()),
            FloorDivide(std::int64_t{y - target.top} * frameHeight, target.Height())};
}

} // namespace platform
