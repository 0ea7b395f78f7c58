#pragma once

#include "Canvas.h"

namespace assetgen {

// The game icon (tpz.bmp, also the desktop icon): a cinnabar seal with the board carved into
// it, the gilt 2x2 block standing over the open gate at the bottom. Designed on a 64-unit grid,
// on whole pixels at 64 so it stays sharp there, and scaled to every other size.
class MarkArtIcon {
public:
    // The design's side in its own units.
    static constexpr double kGrid = 64;

    // The icon filling the canvas, with the seal's grain.
    static void Paint(Canvas& icon);
    // The same shapes as vectors on `cr`, `size` units square, without the pixel grain.
    static void Draw(cairo_t* cr, double size);

private:
    static void Ink(cairo_t* cr);
    static void Carving(cairo_t* cr);
    static void Board(cairo_t* cr);
};

} // namespace assetgen
