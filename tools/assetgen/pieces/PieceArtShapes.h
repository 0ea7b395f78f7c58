#pragma once

#include <cairo.h>

#include "Colour.h"

namespace assetgen {

// A rectangle in canvas pixels.
struct ArtRect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;

    ArtRect Inset(double by) const { return {x + by, y + by, w - 2 * by, h - 2 * by}; }
    double CentreX() const { return x + w / 2; }
    double CentreY() const { return y + h / 2; }
};

// The outlines the pieces, buttons and marks share. Keyed images need crisp outer edges (a
// half-covered pixel would become either a hard step or a magenta halo), so the outermost fill
// is drawn without anti-aliasing and everything after it lands on opaque pixels.
class PieceArtShapes {
public:
    // Adds a rounded rectangle to the current path.
    static void RoundedRect(cairo_t* cr, const ArtRect& r, double radius);
    // Fills a rounded rectangle with whole pixels only.
    static void FillCrisp(cairo_t* cr, const ArtRect& r, double radius, const Colour& colour);
    // Fills a rounded rectangle with a vertical gradient from `top` to `bottom`.
    static void FillVertical(cairo_t* cr, const ArtRect& r, double radius, const Colour& top,
                             const Colour& bottom);
    // A gilt band of the given width just inside the rectangle: lit from the top left, with a
    // dark hairline on its inner side so the field inside reads as set in.
    static void GoldBand(cairo_t* cr, const ArtRect& r, double radius, double width);
    // A thin gold line with small square brackets at the corners, inside `r`.
    static void CornerBrackets(cairo_t* cr, const ArtRect& r, double arm, const Colour& colour,
                               double lineWidth);
};

} // namespace assetgen
