#pragma once

#include <vector>

#include "pieces/PieceArtCard.h"

namespace assetgen {

// The cast of the board: every portrait file with the general it shows, and the selection
// frames. PaintPieces (Painters.h) paints them all.
class PieceArt {
public:
    // Every portrait in Graphic/UI, the soldier and the 2x2 block included.
    static const std::vector<General>& Roster();
    // The four selection frames in Graphic/Effects.
    static const std::vector<const char*>& FramePaths();
};

} // namespace assetgen
