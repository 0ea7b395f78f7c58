#pragma once

#include <cstdint>

#include "Canvas.h"
#include "Colour.h"
#include "pieces/PieceArtEmblem.h"
#include "pieces/PieceArtShapes.h"

namespace assetgen {

// Who a portrait shows.
struct General {
    // The portrait's file name without folder and extension ("guanyu").
    const char* file;
    // The name written on the card, UTF-8.
    const char* name;
    Colour faction;
    // The character in the faction roundel, or null for none.
    const char* mark;
    Emblem emblem;
};

// Paints one piece's card: a gilt-framed field in the faction's colour with the emblem behind
// the name. The layout follows the canvas: a 1x1 soldier, a lying 2x1 card with the name across,
// an upright 1x2 card with the name down, and the 2x2 block with a richer frame and a seal.
class PieceArtCard {
public:
    PieceArtCard(Canvas& canvas, const General& general);

    void Paint();

private:
    enum class Layout { Small, Across, Erect, Big };

    void PaintFrame();
    void PaintField();
    void PaintEmblem();
    void PaintRoundel();
    void PaintName();
    void PaintSeal();

    Canvas& canvas;
    cairo_t* cr;
    const General& general;
    Layout layout;
    // The coloured field inside the gilt band.
    ArtRect field;
};

} // namespace assetgen
