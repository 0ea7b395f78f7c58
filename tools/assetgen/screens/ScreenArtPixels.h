#pragma once

#include <functional>

#include "Canvas.h"
#include "Colour.h"

namespace assetgen {

// The colour of one pixel of a texture, by canvas position; its alpha says how much of it
// covers what is already there.
using PixelShader = std::function<Colour(int x, int y)>;

// Paints every pixel of the rectangle (clipped to the canvas) with the shader's colour, blended
// over the canvas by the colour's alpha. Textures that Cairo cannot draw (grain, washes) are
// made this way; vector work follows with Cairo on top.
void ShadePixels(Canvas& canvas, int x, int y, int w, int h, const PixelShader& shader);

// Linear blend of two colours (alpha included); t is clamped to [0, 1].
Colour Mix(const Colour& a, const Colour& b, double t);
// 0 below edge0, 1 above edge1, smooth between.
double SmoothStep(double edge0, double edge1, double value);

} // namespace assetgen
