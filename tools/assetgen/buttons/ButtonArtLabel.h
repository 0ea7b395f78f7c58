#pragma once

#include <cairo.h>

#include <string_view>

#include "Text.h"

namespace assetgen {

// Fits labels into the places the buttons and level labels give them.
class ButtonArtLabel {
public:
    // The style at the largest size up to the style's own that keeps the text within
    // `maxWidth`, but never below `minSize`.
    static TextStyle Fit(cairo_t* cr, const TextStyle& style, std::string_view text,
                         double maxWidth, double minSize);
    // Draws the text with the middle of its line box at `centreY`, centred on `centreX`.
    static void DrawAt(cairo_t* cr, const TextStyle& style, std::string_view text, double centreX,
                       double centreY);
};

} // namespace assetgen
