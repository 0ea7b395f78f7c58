#pragma once

#include <cstdint>

#include "Canvas.h"

namespace assetgen {

// The small hanging plaque in the band x 601..799, y 25..59 under the title bar of both
// screens: that band opens the level guide, and the plaque says so.
void PaintGuidePlaque(Canvas& canvas, std::uint32_t seed);

// Where the plaque is drawn: inside the band, over the help column and clear of the level
// column's right arrow at y 59.
inline constexpr double kPlaqueX = 654;
inline constexpr double kPlaqueY = 27;
inline constexpr double kPlaqueW = 140;
inline constexpr double kPlaqueH = 31;

} // namespace assetgen
