#pragma once

#include <algorithm>

namespace platform {

// A rectangle of pixels. Half-open: left and top are inside, right and bottom are not, so the
// width is right - left and an empty rectangle has right <= left or bottom <= top.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;

    Rect Intersect(const Rect& other) const {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
};

// Clips a copy of `source` (in a sourceWidth x sourceHeight image) to (x, y) of a
// destWidth x destHeight image, moving source and destination together: whatever is cut from
// one side is cut from the other. Returns false when nothing is left to copy.
inline bool ClipBlit(Rect& source, int& x, int& y, int sourceWidth, int sourceHeight, int destWidth,
                     int destHeight) {
    const Rect inSource = source.Intersect({0, 0, sourceWidth, sourceHeight});
    x += inSource.left - source.left;
    y += inSource.top - source.top;
    source = inSource;
    const Rect dest = Rect{x, y, x + source.Width(), y + source.Height()}.Intersect(
        {0, 0, destWidth, destHeight});
    source.left += dest.left - x;
    source.top += dest.top - y;
    source.right = source.left + dest.Width();
    source.bottom = source.top + dest.Height();
    x = dest.left;
    y = dest.top;
    return !dest.IsEmpty() && !source.IsEmpty();
}

} // namespace platform
