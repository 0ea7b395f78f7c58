#pragma once

#include "Canvas.h"

namespace assetgen {

// m_set_node.bmp, the settings page: two slider grooves (the knobs' top-left at y 130 and 180,
// x 95 to 305, so the grooves run from x 95 to 329 centred on y 142 and 192) with a tick for
// each of the 16 levels, their labels, the empty full-screen box at (95, 208), 31 x 25, and
// seats for the buttons at (70, 235) and (190, 235).
void PaintSettingsPage(Canvas& canvas);
// ok.bmp: the full-screen box with a cinnabar brush tick. It covers the page's empty box pixel
// for pixel, so it needs no transparent edge.
void PaintSettingsTick(Canvas& canvas);

} // namespace assetgen
