#pragma once

#include "Canvas.h"

namespace assetgen {

// ui_biaotilan.bmp: the title bar of both screens, dark lacquer over a gilt rule; the places of
// the three 24 x 24 buttons (x 692, 721, 750) and of the icon are left plain.
void PaintTitleBar(Canvas& canvas);
// left_tile.png: the game's seal and name, drawn over the title bar at (10, 0).
void PaintTitleIcon(Canvas& canvas);
// logo.bmp: four frames of the title on a lacquered ribbon with a glint running across it.
// The ribbon is shown at (20, 24) of the menu, so each frame carries the menu's own pixels
// around the ribbon and its edges blend into the menu as they would anti-aliased.
void PaintLogo(Canvas& canvas, const Canvas& menu);

} // namespace assetgen
