#pragma once

#include "platform/Rect.h"

namespace platform {

// How a frame is laid on a window or a screen: as large as fits with its shape kept, centred,
// and how a point of the window finds its place in the frame. A zoomed window is a whole
// multiple of the frame (or one and a half), so it is filled exactly; a screen of another shape
// keeps black bands at two edges.
class FrameFit {
public:
    FrameFit(int frameWidth, int frameHeight, int outputWidth, int outputHeight);

    // The frame's rectangle in output coordinates.
    Rect Target() const { return target; }
    // Whether every frame pixel covers the same whole number of output pixels in each direction.
    bool WholeScale() const;
    // Whether the scaled picture is better smoothed than made of copied pixels: between one and
    // two times the frame, where copied pixels would come out one and two wide by turns. From
    // twice up copied pixels stay sharp and differ in width by a third at most.
    bool Smoothed() const;

    struct Point {
        int x;
        int y;
        bool operator==(const Point&) const = default;
    };
    // The frame pixel under output point (x, y). Points outside the target give points outside
    // the frame on the same side (negative ones stay negative). An empty frame or output maps
    // every point to itself.
    Point ToFrame(int x, int y) const;

private:
    int frameWidth;
    int frameHeight;
    Rect target;
};

} // namespace platform
