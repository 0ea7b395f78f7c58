#include "pieces/PieceArtGlow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Theme.h"

namespace assetgen {
namespace {

// Colour and opacity at a depth inside the outline; `band` is where the solid gilt ends, wider
// at the corners so they read as brackets.
Colour Profile(double depth, double band) {
    using namespace theme;
    if (depth < 0) {
        return Colour{0, 0, 0, 0}; // outside the rounded corner
    }
    if (depth < 1) {
        return kGoldDark.Shade(-0.35); // a dark rim so the border reads on the gilt of the card
    }
    if (depth < band) {
        // A rounded highlight across the band, nearly white at its crest.
        const double t = 1 - std::abs(depth - (band + 1) / 2) / ((band - 1) / 2);
        const Colour core = kGoldLight.Shade(0.55);
        return {kGold.r + (core.r - kGold.r) * t, kGold.g + (core.g - kGold.g) * t,
                kGold.b + (core.b - kGold.b) * t, 1};
    }
    if (depth < band + 1) {
        return kCinnabar; // a seal-red hairline sets the frame apart from the card's own gilt
    }
    const double glow = 0.7 * std::exp(-(depth - band - 1) / 3.2);
    return kGoldLight.WithAlpha(glow < 0.01 ? 0 : glow);
}

std::uint32_t Pack(const Colour& c) {
    auto byte = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v * 255 + 0.5, 0.0, 255.0));
    };
    if (c.a <= 0) {
        return 0;
    }
    return byte(c.a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// Depth of the solid gilt along the sides and at the corners, and how far the corners reach.
constexpr double kBand = 4;
constexpr double kCornerBand = 4;
constexpr int kCornerArm = 20;

} // namespace

double PieceArtGlow::DepthInside(double x, double y, double w, double h) {
    const double r = kCornerRadius;
    const double cx = std::clamp(x, r, w - r);
    const double cy = std::clamp(y, r, h - r);
    const bool inCorner = (x < r || x > w - r) && (y < r || y > h - r);
    if (inCorner) {
        return r - std::hypot(x - cx, y - cy);
    }
    return std::min({x, y, w - x, h - y});
}

void PieceArtGlow::Paint(Canvas& canvas) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double depth = DepthInside(x + 0.5, y + 0.5, w, h);
            const bool corner =
                (x < kCornerArm || x >= w - kCornerArm) && (y < kCornerArm || y >= h - kCornerArm);
            if (depth < kReach) {
                pixels[static_cast<std::size_t>(y) * w + x] =
                    Pack(Profile(depth, corner ? kCornerBand : kBand));
            }
        }
    }
    canvas.SetPixels(pixels);
}

} // namespace assetgen
