#pragma once

#include "Canvas.h"

namespace assetgen {

// phbang.bmp, the leaderboard scroll shown at (250, 48) of the menu. The game writes the ten
// rows over it in white, 34 pixels apart from y 135: names in the column x 63..198, results in
// x 198..231. Each row therefore lies on a dark band, numbered on its left.
void PaintLeaderboard(Canvas& canvas);

} // namespace assetgen
