#pragma once

#include <cairo.h>

#include "buttons/ButtonArtPlate.h"

namespace assetgen {

enum class Glyph { ArrowLeft, ArrowRight, Maximise, Minimise, Close };

// A button that shows a sign instead of words: page arrows and the title bar's buttons. The
// smallest frames (the help pages' 13x10 arrows) get a bare gilt arrow; larger ones a plate.
class ButtonArtGlyph {
public:
    ButtonArtGlyph(Glyph glyph, ButtonStyle style);

    // Draws into a frame-sized context (a ButtonFace for PaintButtonStrip).
    void operator()(cairo_t* cr, int width, int height) const;

private:
    void BareArrow(cairo_t* cr, int width, int height) const;
    void Sign(cairo_t* cr, const ArtRect& field) const;
    // A solid triangle pointing left or right, centred on (x, y).
    void Triangle(cairo_t* cr, double x, double y, double w, double h) const;

    Glyph glyph;
    ButtonStyle style;
};

} // namespace assetgen
