#include "platform/WindowPlacement.h"

#include <algorithm>

namespace platform {

namespace {

// The start of a span of `length` near `wanted`, kept inside [low, high) where it fits and at
// `low` where it does not.
int Clamp(int wanted, int length, int low, int high) {
    return std::max(std::min(wanted, high - length), low);
}

} // namespace

Rect WindowPlacement::CentredIn(const Rect& area, int width, int height) {
    const int left = area.left + (area.Width() - width) / 2;
    const int top = area.top + (area.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

Rect WindowPlacement::Resized(const Rect& window, int width, int height, const Rect& usable) {
    const Rect centred = CentredIn(window, width, height);
    const int left = Clamp(centred.left, width, usable.left, usable.right);
    const int top = Clamp(centred.top, height, usable.top, usable.bottom);
    return {left, top, left + width, top + height};
}

} // namespace platform
