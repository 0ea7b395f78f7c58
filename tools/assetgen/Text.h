#pragma once

#include <cairo.h>

#include <string>
#include <string_view>

#include "Colour.h"

namespace assetgen {

// The two families the art uses: brush calligraphy for titles and names, a plain sans for
// small print.
inline constexpr const char* kCalligraphy = "AR PL UKai CN";
inline constexpr const char* kPlain = "WenQuanYi Micro Hei";

enum class Align { Left, Centre, Right };

struct TextStyle {
    const char* family = kPlain;
    double sizePx = 12;
    bool bold = false;
    Colour colour{};
    // Draws an outline of this width under the glyphs when above 0.
    double outline = 0;
    Colour outlineColour{};
    Align align = Align::Left;
    // Extra space between characters, in pixels.
    double letterSpacing = 0;
};

struct TextExtent {
    double width = 0;
    double height = 0;
};

// Lays out one line (or several, split at '\n') of UTF-8 text with Pango.
TextExtent MeasureText(cairo_t* cr, const TextStyle& style, std::string_view text);
// Draws the text with its box's top at y; x is the left edge, the centre or the right edge
// according to the style's alignment.
void DrawText(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double y);
// Draws the text centred in the box (x, y, w, h).
void DrawTextCentred(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double y,
                     double w, double h);
// Draws vertical text: one character a line, centred on x, starting at top y.
void DrawTextVertical(cairo_t* cr, const TextStyle& style, std::string_view text, double x,
                      double y, double lineHeight);

} // namespace assetgen
