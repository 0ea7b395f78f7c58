#pragma once

#include <cairo.h>

#include <cstdint>

#include "Canvas.h"
#include "screens/ScreenArtPixels.h"

namespace assetgen {

// The surfaces the screens are made of, as pixel shaders in canvas coordinates: lacquered wood
// with its grain, the darker lacquer of panels, warm parchment with blotches and fibres, and the
// ink of wells where white text is written. Each seed gives its own pattern.
PixelShader WoodShader(std::uint32_t seed, double shade = 0);
PixelShader LacquerShader(std::uint32_t seed, double shade = 0);
PixelShader ParchmentShader(std::uint32_t seed, double shade = 0);
PixelShader InkShader(std::uint32_t seed);

// Fills the current Cairo path of the canvas with a shader's texture and clears the path.
// Keyed images pass antialias false for their outermost shapes, so no edge pixel is half
// covered.
void FillPathWith(Canvas& canvas, const PixelShader& shader, bool antialias = true);

} // namespace assetgen
