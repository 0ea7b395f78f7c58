#include "pieces/PieceArtGrain.h"

#include <algorithm>
#include <vector>

namespace assetgen {

PieceArtGrain::PieceArtGrain(std::uint32_t seed) : random(seed) {}

std::uint32_t PieceArtGrain::SeedOf(const char* text) {
    std::uint32_t hash = 2166136261u;
    for (const char* p = text; *p != '\0'; ++p) {
        hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
    }
    return hash;
}

void PieceArtGrain::Apply(cairo_surface_t* surface, int x, int y, int w, int h, double amount,
                          double streak, bool vertical) {
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = std::min(cairo_image_surface_get_width(surface), x + w);
    const int bottom = std::min(cairo_image_surface_get_height(surface), y + h);
    if (left >= right || top >= bottom) {
        return;
    }
    // One smoothed offset per row (or column): long fibres rather than speckle.
    const int lines = vertical ? right - left : bottom - top;
    std::vector<double> fibre(static_cast<std::size_t>(lines));
    double drift = 0;
    for (double& value : fibre) {
        drift = drift * 0.6 + (Uniform() * 2 - 1) * 0.4;
        value = drift * streak * 255;
    }

    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int py = top; py < bottom; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + py * stride);
        for (int px = left; px < right; ++px) {
            const std::uint32_t p = row[px];
            const int a = static_cast<int>(p >> 24);
            if (a == 0) {
                continue;
            }
            const double line = fibre[static_cast<std::size_t>(vertical ? px - left : py - top)];
            const double delta = ((Uniform() * 2 - 1) * amount * 255 + line) * a / 255.0;
            auto shift = [&](int bits) {
                const int c = static_cast<int>((p >> bits) & 0xFF) + static_cast<int>(delta);
                return static_cast<std::uint32_t>(std::clamp(c, 0, a)) << bits;
            };
            row[px] = (p & 0xFF000000u) | shift(16) | shift(8) | shift(0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace assetgen
