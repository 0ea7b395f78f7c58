#pragma once

#include "Canvas.h"

namespace assetgen {

// The game icon (tpz.bmp, also the desktop icon): a cinnabar seal with the board carved into
// it, the gilt 2x2 block standing over the open gate at the bottom. Drawn on whole pixels so
// it stays sharp at 64 pixels and when the desktop shrinks it.
class MarkArtIcon {
public:
    static void Paint(Canvas& icon);

private:
    static void Seal(Canvas& icon);
    static void Board(cairo_t* cr);
};

} // namespace assetgen
