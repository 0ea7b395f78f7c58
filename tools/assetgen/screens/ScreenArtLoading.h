#pragma once

#include "Canvas.h"

namespace assetgen {

// lodingtiao.bmp: the loading screen, the pass at dusk with the title, and the trough of the
// loading bar at (225, 542), 354 x 30.
void PaintLoadingScreen(Canvas& canvas);
// lodingtiao_1.png: the bar that fills the trough. The game shows only its left part, growing,
// so it has no right end: any width of it looks finished.
void PaintLoadingBar(Canvas& canvas);
// zhezhao.png: the ink veil over the board behind the leave dialog, darker towards the edges
// and fading out along its foot, where it ends above the bottom buttons.
void PaintOverlay(Canvas& canvas);

} // namespace assetgen
