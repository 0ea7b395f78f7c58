#pragma once

#include <cairo.h>

#include "buttons/ButtonArtPlate.h"

namespace assetgen {

// A labelled push button's normal face: the plate, the Chinese label in calligraphy and, where
// the height allows, the English word in small print under it.
class ButtonArtFace {
public:
    ButtonArtFace(ButtonStyle style, const char* chinese, const char* english);

    // Draws into a frame-sized context (a ButtonFace for PaintButtonStrip).
    void operator()(cairo_t* cr, int width, int height) const;

private:
    ButtonStyle style;
    const char* chinese;
    const char* english;
};

} // namespace assetgen
