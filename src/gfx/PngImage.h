#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Rect.h"

namespace gfx {

class Surface;

// A ".png" image drawn with its own per-pixel alpha. An image whose file did not decode is
// empty and draws nothing.
class PngImage {
public:
    explicit PngImage(std::string_view path);

    bool IsEmpty() const { return width == 0; }
    int Width() const { return width; }
    int Height() const { return height; }
    bool HasAlpha() const { return hasAlpha; }

    // Draws the image with its top-left corner at (x, y) onto an RGB565 surface, limited to
    // `clip` and to the surface. Per pixel, a = plane alpha x (imageAlpha + 1) >> 8: 0 leaves
    // the surface, 255 copies, anything between mixes each 8-bit channel as
    // (src x a + dst x (255 - a)) >> 8. The surface's 565 pixels are widened to 8 bits by
    // repeating each channel's top bits and narrowed back by truncation.
    void Draw(Surface& target, int x, int y, const platform::Rect& clip) const;

    // The whole image's alpha, 255 unless changed.
    int imageAlpha = 255;

private:
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    // 0xAARRGGBB per pixel; AA is 255 when the file carries no transparency.
    std::vector<std::uint32_t> pixels;
};

} // namespace gfx
