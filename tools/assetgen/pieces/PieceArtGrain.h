#pragma once

#include <cstdint>

#include <cairo.h>

#include "screens/ScreenArtRandom.h"

namespace assetgen {

// Fixed-seed noise for the painted surfaces: lacquer, silk and gilt read as material instead of
// flat fills, and the texture hides the banding of smooth gradients in 16-bit colour. The same
// seed gives the same pixels on every run.
class PieceArtGrain {
public:
    explicit PieceArtGrain(std::uint32_t seed);
    // A seed from a text (FNV-1a), so each named picture gets its own grain.
    static std::uint32_t SeedOf(const char* text);

    std::uint32_t Next() { return random.Next(); }
    // In [0, 1).
    double Uniform() { return random.Uniform(); }

    // Brightens or darkens each drawn pixel of the rectangle by up to `amount` (0..1 of full
    // scale); `streak` adds the same offset along each row (horizontal fibres) or column.
    // Transparent pixels stay transparent, so keyed edges keep their shape. The surface must be
    // an ARGB32 image surface.
    void Apply(cairo_surface_t* surface, int x, int y, int w, int h, double amount,
               double streak = 0, bool vertical = false);

private:
    ScreenArtRandom random;
};

} // namespace assetgen
