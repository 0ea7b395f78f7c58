#include "buttons/ButtonStrip.h"

#include <algorithm>
#include <cstdint>

namespace assetgen {
namespace {

enum class Variant { Normal, Hover, Pressed, Disabled };

std::uint32_t Recolour(std::uint32_t p, Variant variant) {
    const std::uint32_t a = p >> 24;
    double r = (p >> 16) & 0xFF;
    double g = (p >> 8) & 0xFF;
    double b = p & 0xFF;
    switch (variant) {
    case Variant::Normal:
        return p;
    case Variant::Hover:
        r += (255 - r) * 0.22;
        g += (255 - g) * 0.22;
        b += (255 - b) * 0.22;
        break;
    case Variant::Pressed:
        r *= 0.72;
        g *= 0.72;
        b *= 0.72;
        break;
    case Variant::Disabled: {
        const double grey = 0.3 * r + 0.59 * g + 0.11 * b;
        r = g = b = 96 + grey * 0.45;
        break;
    }
    }
    auto clamp = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0));
    };
    return (a << 24) | (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

} // namespace

void PaintButtonStrip(Canvas& strip, const ButtonFace& face) {
    const int width = strip.Width() / 5;
    const int height = strip.Height();
    Canvas normal(width, height);
    face(normal.Cr(), width, height);
    const std::vector<std::uint32_t> base = normal.Pixels();

    const Variant variants[5] = {Variant::Normal, Variant::Hover, Variant::Pressed,
                                 Variant::Disabled, Variant::Normal};
    for (int frame = 0; frame < 5; ++frame) {
        std::vector<std::uint32_t> pixels(base.size(), 0);
        const int shift = variants[frame] == Variant::Pressed ? 1 : 0;
        for (int y = 0; y + shift < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels[static_cast<std::size_t>(y + shift) * width + x] =
                    Recolour(base[static_cast<std::size_t>(y) * width + x], variants[frame]);
            }
        }
        Canvas framed(width, height);
        framed.SetPixels(pixels);
        strip.Draw(framed, frame * width, 0);
    }
}

} // namespace assetgen
