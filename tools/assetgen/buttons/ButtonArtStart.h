#pragma once

#include <cairo.h>

#include "pieces/PieceArtShapes.h"

namespace assetgen {

// The start button, the centrepiece of the main menu: a cinnabar plaque with cut corners, a
// wide gilt rim and gilt knobs at its sides, "开始游戏" large and "START" under it.
class ButtonArtStart {
public:
    // Draws into a frame-sized context (a ButtonFace for PaintButtonStrip).
    void operator()(cairo_t* cr, int width, int height) const;

private:
    // Adds an octagon: the rectangle with its corners cut by `cut`.
    static void Octagon(cairo_t* cr, const ArtRect& r, double cut);
    static void Knobs(cairo_t* cr, const ArtRect& plaque);
    static void Rim(cairo_t* cr, const ArtRect& plaque, double cut, double width);
    static void Field(cairo_t* cr, const ArtRect& field, double cut);
    static void Labels(cairo_t* cr, const ArtRect& field);
};

} // namespace assetgen
