#pragma once

#include "platform/Rect.h"

namespace app {

// The zooms a window may take on a given desktop, in percent of the frame's size: 100, 150,
// 200, 250, ... as long as the zoomed window fits the desktop's usable area; 100 always.
class ZoomSteps {
public:
    static constexpr int kNormal = 100;
    static constexpr int kStep = 50;

    ZoomSteps(int frameWidth, int frameHeight, const platform::Rect& usable);

    // The largest zoom that fits.
    int Largest() const { return largest; }
    // One step up, or `percent` itself at or past the largest; a zoom that is not a step goes to
    // the next step above it that fits.
    int Larger(int percent) const;
    // One step down, never below 100 and never above the largest.
    int Smaller(int percent) const;
    // The zoom of a first start: the largest whose window covers at most 80% of the usable
    // area's width and height.
    int FirstStart() const;
    // A saved zoom made safe: a step is kept, or lowered to the largest that fits; anything else
    // (damaged text, a number between steps, 0, negative) gives the first start's zoom.
    int FromSaved(int percent) const;

    static bool IsStep(int percent) { return percent >= kNormal && percent % kStep == 0; }

private:
    // The largest step whose window fits in `share` percent of the usable area.
    int LargestWithin(int share) const;

    int frameWidth;
    int frameHeight;
    platform::Rect usable;
    int largest;
};

} // namespace app
