#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>

#include "Canvas.h"
#include "Colour.h"

namespace assetgen {

// The vector ornaments every screen shares: gilt frames and rules, key-fret corners, cloud
// curls, cinnabar seals and the Chinese title with its small English line.

// Adds a rounded rectangle to the current path.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// A gilt band of `width` just inside the rectangle, lit from the top left, with dark hairlines
// on both sides so it reads as raised.
void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double radius, double width);
// A straight gold rule, lighter along its top.
void GoldRule(cairo_t* cr, double x0, double y0, double x1, double y1, double width);
// A horizontal rule tapering to both ends with a diamond in its middle.
void Divider(cairo_t* cr, double centreX, double y, double halfWidth, const Colour& colour);
// Key-fret brackets in the four corners of the rectangle.
void FretCorners(cairo_t* cr, double x, double y, double w, double h, double arm,
                 const Colour& colour, double lineWidth);
// An auspicious-cloud curl of about `size` pixels; `flip` mirrors it left to right.
void CloudCurl(cairo_t* cr, double x, double y, double size, bool flip, const Colour& colour);

// A cinnabar seal with carved characters: one, two (one column) or four (two columns, read
// right column first) characters of `text`. The stamp's edge is worn, decided by `seed`.
void Seal(Canvas& canvas, double x, double y, double size, std::string_view text,
          std::uint32_t seed);

// A recessed dark well (for white text or digits) with a soft inner shadow and a thin gold rim
// outside its rectangle.
void InkWell(Canvas& canvas, double x, double y, double w, double h, double radius,
             std::uint32_t seed);

struct TitleStyle {
    double chineseSize = 28;
    double englishSize = 11;
    Colour chinese;
    Colour english;
    // Gap between the two lines.
    double gap = 0;
};

// A Chinese title in calligraphy centred on x with its box's top at y, and the English line
// under it; returns the y of the English line's bottom.
double TitlePair(cairo_t* cr, const TitleStyle& style, std::string_view chinese,
                 std::string_view english, double centreX, double y);

} // namespace assetgen
