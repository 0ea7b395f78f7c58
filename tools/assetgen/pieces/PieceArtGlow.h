#pragma once

#include "Canvas.h"

namespace assetgen {

// The selection frame laid over a chosen piece: a bright gilt border with a soft glow falling
// inwards, and nothing inside, so the card shows through. Drawn per pixel from the distance to
// the rounded outline, so every size gets the same profile.
class PieceArtGlow {
public:
    static constexpr double kCornerRadius = 5;
    // Beyond this distance from the edge the frame is fully transparent.
    static constexpr double kReach = 16;

    static void Paint(Canvas& canvas);
    // How far a pixel centre lies inside the rounded outline of a w x h rectangle, in pixels;
    // negative outside it (the cut corners).
    static double DepthInside(double x, double y, double w, double h);
};

} // namespace assetgen
