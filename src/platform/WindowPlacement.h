#pragma once

#include "platform/Rect.h"

namespace platform {

// Where the window goes when its size changes.
class WindowPlacement {
public:
    // A width x height window in the middle of the area.
    static Rect CentredIn(const Rect& area, int width, int height);
    // The window at its new size with its centre where it was, then moved back inside the usable
    // area as far as it fits; a window larger than the area keeps its top-left corner in it.
    static Rect Resized(const Rect& window, int width, int height, const Rect& usable);
};

} // namespace platform
