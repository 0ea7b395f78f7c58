#include "buttons/ButtonArtLabel.h"

namespace assetgen {

TextStyle ButtonArtLabel::Fit(cairo_t* cr, const TextStyle& style, std::string_view text,
                              double maxWidth, double minSize) {
    TextStyle fitted = style;
    // Half-pixel steps: the widths grow smoothly with the size.
    while (fitted.sizePx > minSize && MeasureText(cr, fitted, text).width > maxWidth) {
        fitted.sizePx -= 0.5;
    }
    if (fitted.sizePx < minSize) {
        fitted.sizePx = minSize;
    }
    return fitted;
}

void ButtonArtLabel::DrawAt(cairo_t* cr, const TextStyle& style, std::string_view text,
                            double centreX, double centreY) {
    TextStyle centred = style;
    centred.align = Align::Centre;
    const TextExtent extent = MeasureText(cr, centred, text);
    DrawText(cr, centred, text, centreX, centreY - extent.height / 2);
}

} // namespace assetgen
