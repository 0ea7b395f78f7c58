#pragma once

#include <cstdint>

#include "Canvas.h"
#include "Colour.h"

namespace assetgen {

// One range of ink-wash mountains: a ridge line from noise, inked darkest at the crest and
// thinning downwards into mist.
struct MountainRange {
    double baseY = 300;    // the ridge's mean height
    double amplitude = 80; // how far peaks rise above it
    double scale = 160;    // width of one peak, in pixels
    Colour ink{};
    double opacity = 0.5; // at the crest
    double fade = 60;     // pixels below the crest in which the ink thins out
    std::uint32_t seed = 1;
    // An optional pass: the ridge drops by `passDepth` around x = passX.
    double passX = 0;
    double passWidth = 0;
    double passDepth = 0;
};

// Paints the range into the rectangle, over what is there.
void PaintMountains(Canvas& canvas, int x, int y, int w, int h, const MountainRange& range);
// A band of drifting mist centred on `centreY`.
void PaintMist(Canvas& canvas, int x, int y, int w, int h, double centreY, double thickness,
               double opacity, std::uint32_t seed);
// The red sun of the paintings, softly edged.
void PaintSun(Canvas& canvas, double cx, double cy, double radius);
// Small ink birds in a loose flight.
void PaintBirds(Canvas& canvas, double x, double y, int count, std::uint32_t seed);
// A war banner on its pole, foot at (x, footY), the cloth blowing to the right (or left when
// `flip`), with a character on it when it is tall enough.
void PaintBanner(Canvas& canvas, double x, double footY, double height, bool flip,
                 const char* character, const Colour& cloth);
// A pine on a crag: an ink trunk with flat layered crowns.
void PaintPine(Canvas& canvas, double x, double footY, double height, bool flip,
               std::uint32_t seed);

// The height of a range's ridge at x.
double RidgeY(const MountainRange& range, double x);

// The whole scene of the menu and the loading screen: parchment sky, sun, ranges of mountains
// opening into a pass, mist, the old road climbing into the pass with banners along it, and
// dark crags in the foreground. `dusk` darkens and warms it (0 day .. 1 dusk).
struct LandscapeStyle {
    std::uint32_t seed = 7;
    double dusk = 0;
    double passX = 400;
    double passY = 330;
    double sunX = 640;
    double sunY = 120;
    double birdsX = 90;
    double birdsY = 100;
    bool banners = true;
};
void PaintLandscape(Canvas& canvas, const LandscapeStyle& style);

} // namespace assetgen
