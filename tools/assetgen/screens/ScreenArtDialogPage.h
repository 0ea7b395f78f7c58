#pragma once

#include <cstdint>
#include <string_view>

#include "Canvas.h"

namespace assetgen {

// The page every dialog is drawn on, filling its whole (colour-keyed) image: a lacquered border
// with crisp outer edges, a gilt band, and a parchment field with fret corners and faint ink
// hills along its foot. The field starts `kDialogInset` in from each edge.
void PaintDialogPage(Canvas& canvas, std::uint32_t seed);

inline constexpr double kDialogInset = 9;

// The dialog's title in calligraphy with its English line, centred at the top; returns the y
// under the English line.
double PaintDialogTitle(Canvas& canvas, std::string_view chinese, std::string_view english,
                        double y, double chineseSize = 30);

// One line of text in calligraphy with a small English line under it, centred on x.
double PaintDialogLine(Canvas& canvas, std::string_view chinese, std::string_view english,
                       double centreX, double y);

} // namespace assetgen
