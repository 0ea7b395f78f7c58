#pragma once

#include <cairo.h>

#include <cstdint>

#include "Colour.h"
#include "pieces/PieceArtShapes.h"

namespace assetgen {

// The finishes of the game's buttons: dark lacquer for most, cinnabar for the action that goes
// forward (start, next, confirm).
enum class ButtonStyle { Lacquer, Cinnabar };

// Paints a button's plate: a crisp dark edge, a gilt rim, a lacquered field with a soft sheen
// and grain. Labels and glyphs go on top.
class ButtonArtPlate {
public:
    static void Paint(cairo_t* cr, ButtonStyle style, const ArtRect& r, double radius, double rim,
                      std::uint32_t seed);
    // The colour labels take on the plate.
    static Colour LabelColour(ButtonStyle style);
    static Colour SubLabelColour(ButtonStyle style);
};

} // namespace assetgen
