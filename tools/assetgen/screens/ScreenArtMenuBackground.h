#pragma once

#include "Canvas.h"

namespace assetgen {

// youxijiemian.bmp, the main menu: the ink-wash pass with the old road, the title in
// calligraphy, the guide plaque and the rail the bottom buttons stand on.
void PaintMenuBackground(Canvas& canvas);

} // namespace assetgen
