#pragma once

#include "Canvas.h"

namespace assetgen {

// desk.bmp, the board screen: the framed board (392 x 470 at (14, 36), a 4 x 5 grid of 98 x 94
// cells) with its gate under columns 1 and 2, the level column with the step counter's well and
// the level list's parchment, the help column, the shelf the bottom buttons stand on and the
// guide plaque.
void PaintBoardBackground(Canvas& canvas);

} // namespace assetgen
