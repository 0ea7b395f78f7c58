#pragma once

#include <cstddef>
#include <cstdint>

namespace gfx {

// The inner loops of drawing, on RGB565 pixels. Callers clip: every rectangle handed in lies
// inside both images. Pitches are in bytes. Each kernel is chosen once per blit, never per pixel.
class PixelKernels {
public:
    // 0x00RRGGBB to RGB565 by truncating each channel (0xFF00FF becomes 0xF81F).
    static std::uint16_t ToRgb565(std::uint32_t rgb) {
        return static_cast<std::uint16_t>(((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) |
                                          ((rgb >> 3) & 0x001F));
    }
    // RGB565 to 0x00RRGGBB, each channel widened by repeating its top bits (0x1F becomes 0xFF,
    // 0 stays 0), so that ToRgb565(ToRgb888(p)) == p for every pixel.
    static std::uint32_t ToRgb888(std::uint16_t pixel) {
        const std::uint32_t r = pixel >> 11;
        const std::uint32_t g = (pixel >> 5) & 0x3F;
        const std::uint32_t b = pixel & 0x1F;
        return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }

    // A GDI colour (0x00BBGGRR, red in the low byte) as 0x00RRGGBB; the swap is its own inverse.
    static std::uint32_t SwapRedBlue(std::uint32_t color) {
        return (color >> 16 & 0xFF) | (color & 0xFF00) | (color & 0xFF) << 16;
    }

    // ToRgb565 over a row of `count` pixels.
    static void ToRgb565Row(const std::uint32_t* colors, std::uint16_t* dest, int count);

    // Sets `width` x `rows` pixels to `value`.
    static void Fill(std::uint16_t* dest, std::ptrdiff_t destPitch, int width, int rows,
                     std::uint16_t value);

    // Plain copy of `width` x `rows` pixels.
    static void Copy(std::uint16_t* dest, std::ptrdiff_t destPitch, const std::uint16_t* source,
                     std::ptrdiff_t sourcePitch, int width, int rows);

    // Each channel becomes d + (((s - d) * alpha) >> 8), the shift arithmetic (rounding toward
    // minus infinity); source pixels equal to `key` are left out.
    static void BlendKeyed(std::uint16_t* dest, std::ptrdiff_t destPitch,
                           const std::uint16_t* source, std::ptrdiff_t sourcePitch, int width,
                           int rows, std::uint16_t key, int alpha);
    // The same, one pixel at a time: the reference the fast kernel is tested against.
    static void BlendKeyedReference(std::uint16_t* dest, std::ptrdiff_t destPitch,
                                    const std::uint16_t* source, std::ptrdiff_t sourcePitch,
                                    int width, int rows, std::uint16_t key, int alpha);

    // One row of an image with per-pixel alpha over the destination. Pixel i (0xAARRGGBB) takes
    // a = (AA * scale) >> 8 (scale 1..256): 255 writes the pixel narrowed to 5-6-5, 0 leaves the
    // destination, anything else mixes each 8-bit channel with the widened destination channel
    // as (s * a + d * (255 - a)) >> 8 and narrows the result to 5-6-5.
    static void BlendAlphaRow(std::uint16_t* dest, const std::uint32_t* pixels, unsigned scale,
                              int count);
    // The same, one pixel at a time: the reference the fast kernel is tested against.
    static void BlendAlphaRowReference(std::uint16_t* dest, const std::uint32_t* pixels,
                                       unsigned scale, int count);

    // Each channel becomes (c * factor) >> 8, factor in 0..255.
    static void Darken(std::uint16_t* pixels, std::ptrdiff_t pitch, int width, int rows,
                       int factor);
};

} // namespace gfx
