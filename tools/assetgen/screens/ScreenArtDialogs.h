#pragma once

#include "Canvas.h"

namespace assetgen {

// guog.bmp, the win panel: its buttons stand at (35, 180) and (175, 180), 100 x 38.
void PaintWinPanel(Canvas& canvas);
// pinput.bmp, the name entry: a dark field at (80, 98), 192 x 23, for the white typed name;
// buttons at (40, 160) and (200, 160), 112 x 39.
void PaintNameEntry(Canvas& canvas);
// leave_lable.bmp, the leave dialog: buttons at (30, 150) and (170, 150), 112 x 38.
void PaintLeaveDialog(Canvas& canvas);

} // namespace assetgen
