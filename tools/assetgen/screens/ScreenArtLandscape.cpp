#include "screens/ScreenArtLandscape.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtNoise.h"
#include "screens/ScreenArtPixels.h"
#include "screens/ScreenArtRandom.h"

namespace assetgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<double> RidgeLine(const ScreenArtNoise& noise, int x, int w, const MountainRange& r) {
    std::vector<double> ridge(static_cast<std::size_t>(w));
    for (int i = 0; i < w; ++i) {
        const double px = x + i;
        const double peaks = noise.Ridged(px / r.scale, 0.37, 3);
        const double detail = noise.Fbm(px / (r.scale * 0.22), 4.2, 2);
        double y = r.baseY - r.amplitude * (0.75 * peaks + 0.25 * detail);
        if (r.passWidth > 0) {
            const double d = (px - r.passX) / r.passWidth;
            y += r.passDepth * std::exp(-d * d);
        }
        ridge[static_cast<std::size_t>(i)] = y;
    }
    return ridge;
}

// A point on the road's centre line: t = 0 at the pass, 1 at the bottom edge.
struct RoadPoint {
    double x;
    double y;
    double halfWidth;
};

RoadPoint RoadAt(const LandscapeStyle& style, double height, double t) {
    const double y = style.passY + (height - style.passY) * t;
    // Two gentle bends, widening with nearness.
    const double sway = std::sin(t * kPi * 1.6 + 0.4) * 70 * t;
    return {style.passX + sway - 20 * t, y, 3 + 95 * t * t};
}

} // namespace

void PaintMountains(Canvas& canvas, int x, int y, int w, int h, const MountainRange& range) {
    auto noise = std::make_shared<ScreenArtNoise>(range.seed);
    auto ridge = std::make_shared<std::vector<double>>(RidgeLine(*noise, x, w, range));
    ShadePixels(canvas, x, y, w, h, [noise, ridge, range, x](int px, int py) {
        const std::size_t i = static_cast<std::size_t>(px - x);
        const double top = (*ridge)[i];
        const double d = py - top;
        const double coverage = std::clamp(d + 0.5, 0.0, 1.0);
        if (coverage <= 0) {
            return Colour{0, 0, 0, 0};
        }
        // Vertical texture strokes, darker where the slope falls to the right (shadow side).
        const double strokes = noise->Fbm(px / 7.0 + py / 40.0, py / 16.0, 2);
        // The slope over a dozen pixels, so the shadow side turns gradually at a crest.
        const std::size_t last = ridge->size() - 1;
        const double slope = ((*ridge)[std::min(i + 6, last)] - (*ridge)[i >= 6 ? i - 6 : 0]) / 12;
        const double shadow = std::clamp(slope * 0.35, -0.3, 0.3);
        double density = (0.12 + 0.88 * std::exp(-d / range.fade)) * (0.78 + 0.44 * strokes);
        density *= 1 + shadow * std::exp(-d / (range.fade * 0.6));
        if (d < 2.5) {
            density = std::max(density, 1.05); // the crest line
        }
        const double alpha = std::clamp(range.opacity * density, 0.0, 1.0) * coverage;
        return range.ink.WithAlpha(alpha);
    });
}

void PaintMist(Canvas& canvas, int x, int y, int w, int h, double centreY, double thickness,
               double opacity, std::uint32_t seed) {
    auto noise = std::make_shared<ScreenArtNoise>(seed);
    ShadePixels(canvas, x, y, w, h, [noise, centreY, thickness, opacity](int px, int py) {
        const double d = (py - centreY) / thickness;
        const double drift = noise->Fbm(px / 140.0, py / 22.0, 3);
        const double alpha = opacity * std::exp(-d * d) * std::clamp(0.3 + 1.3 * drift, 0.0, 1.4);
        return theme::kParchmentLight.WithAlpha(std::clamp(alpha, 0.0, 1.0));
    });
}

void PaintSun(Canvas& canvas, double cx, double cy, double radius) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, radius * 0.9, cx, cy, radius * 2.2);
    const Colour warm = theme::kCinnabar.Shade(0.35);
    cairo_pattern_add_color_stop_rgba(glow, 0, warm.r, warm.g, warm.b, 0.22);
    cairo_pattern_add_color_stop_rgba(glow, 1, warm.r, warm.g, warm.b, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, cx, cy, radius * 2.2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_pattern_t* disc =
        cairo_pattern_create_radial(cx - radius * 0.3, cy - radius * 0.3, 0, cx, cy, radius);
    const Colour core = theme::kCinnabar.Shade(0.12);
    cairo_pattern_add_color_stop_rgba(disc, 0, core.r, core.g, core.b, 0.92);
    cairo_pattern_add_color_stop_rgba(disc, 1, theme::kCinnabar.r, theme::kCinnabar.g,
                                      theme::kCinnabar.b, 0.85);
    cairo_set_source(cr, disc);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(disc);
    cairo_restore(cr);
}

void PaintBirds(Canvas& canvas, double x, double y, int count, std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    ScreenArtRandom random(seed);
    theme::kInk.WithAlpha(0.75).Use(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double bx = x + i * 16 + random.Range(-5, 5);
        const double by = y + std::sin(i * 1.3) * 8 + random.Range(-4, 4);
        const double span = random.Range(3.5, 6);
        cairo_set_line_width(cr, 1.1);
        cairo_move_to(cr, bx - span, by - span * 0.3);
        cairo_curve_to(cr, bx - span * 0.5, by - span * 0.6, bx - 1, by - 0.5, bx, by + 0.6);
        cairo_curve_to(cr, bx + 1, by - 0.5, bx + span * 0.5, by - span * 0.7, bx + span,
                       by - span * 0.4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void PaintBanner(Canvas& canvas, double x, double footY, double height, bool flip,
                 const char* character, const Colour& cloth) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    const double dir = flip ? -1 : 1;
    const double top = footY - height;
    const double pole = std::max(1.0, height / 40);
    theme::kInk.Use(cr);
    cairo_set_line_width(cr, pole);
    cairo_move_to(cr, x, footY);
    cairo_line_to(cr, x, top - pole * 2);
    cairo_stroke(cr);
    // The cloth: a long pennant hanging from a crossbar, its free edge rippling.
    const double clothW = height * 0.36;
    const double clothH = height * 0.5;
    const double y0 = top + height * 0.04;
    cairo_move_to(cr, x, y0);
    cairo_curve_to(cr, x + dir * clothW * 0.4, y0 - 2, x + dir * clothW * 0.7, y0 + 2,
                   x + dir * clothW, y0);
    cairo_curve_to(cr, x + dir * clothW * 1.08, y0 + clothH * 0.35, x + dir * clothW * 0.9,
                   y0 + clothH * 0.65, x + dir * clothW * 1.02, y0 + clothH);
    // Swallowtail at the foot.
    cairo_line_to(cr, x + dir * clothW * 0.55, y0 + clothH * 0.86);
    cairo_line_to(cr, x + dir * clothW * 0.12, y0 + clothH * 1.02);
    cairo_line_to(cr, x, y0 + clothH * 0.9);
    cairo_close_path(cr);
    cloth.Use(cr);
    cairo_fill_preserve(cr);
    theme::kCinnabarDark.Use(cr);
    cairo_set_line_width(cr, std::max(0.6, height / 110));
    cairo_stroke(cr);
    if (character != nullptr && height >= 44) {
        TextStyle style{kCalligraphy, clothW * 0.78, true, theme::kGoldLight};
        DrawTextCentred(cr, style, character, x + (flip ? -clothW : 0), y0 + clothH * 0.08, clothW,
                        clothH * 0.7);
    }
    cairo_restore(cr);
}

namespace {

// A cluster of pine needles as the painters draw it: a pale wash under a fan of short strokes.
void NeedleCluster(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r * 1.25, r * 0.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    theme::kInk.WithAlpha(0.3).Use(cr);
    cairo_fill(cr);
    theme::kInk.WithAlpha(0.9).Use(cr);
    cairo_set_line_width(cr, 0.9);
    for (int i = 0; i <= 8; ++i) {
        const double angle = kPi * (0.08 + 0.84 * i / 8.0);
        cairo_move_to(cr, cx, cy + r * 0.25);
        cairo_line_to(cr, cx + std::cos(angle) * r * 1.2,
                      cy + r * 0.25 - std::sin(angle) * r * 0.8);
    }
    cairo_stroke(cr);
}

} // namespace

void PaintPine(Canvas& canvas, double x, double footY, double height, bool flip,
               std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    ScreenArtRandom random(seed);
    const double dir = flip ? -1 : 1;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // A leaning trunk, thick at the foot, drawn in a few strokes that taper.
    const double topX = x + dir * height * 0.22;
    const double topY = footY - height;
    auto trunkAt = [&](double t, double& px, double& py) {
        const double u = 1 - t;
        const double c1x = x + dir * height * 0.3;
        const double c1y = footY - height * 0.35;
        const double c2x = x - dir * height * 0.12;
        const double c2y = footY - height * 0.7;
        px = u * u * u * x + 3 * u * u * t * c1x + 3 * u * t * t * c2x + t * t * t * topX;
        py = u * u * u * footY + 3 * u * u * t * c1y + 3 * u * t * t * c2y + t * t * t * topY;
    };
    theme::kInk.WithAlpha(0.92).Use(cr);
    for (int i = 0; i < 12; ++i) {
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        trunkAt(i / 12.0, x0, y0);
        trunkAt((i + 1) / 12.0, x1, y1);
        cairo_set_line_width(cr, std::max(0.8, height / 11 * (1 - i / 14.0)));
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    }
    // Branches reaching out, mostly to the open side, each carrying needle clusters.
    const double heights[] = {0.5, 0.66, 0.8, 0.95};
    for (int b = 0; b < 4; ++b) {
        double bx = 0;
        double by = 0;
        trunkAt(heights[b], bx, by);
        const double side = (b % 2 == 0) ? dir : -dir * 0.6;
        const double length = height * random.Range(0.22, 0.36) * (b == 3 ? 0.6 : 1);
        const double ex = bx + side * length;
        const double ey = by + random.Range(-2, 3);
        cairo_set_line_width(cr, std::max(0.7, height / 40));
        theme::kInk.WithAlpha(0.9).Use(cr);
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + side * length * 0.4, by - 3, bx + side * length * 0.7, ey + 2, ex,
                       ey);
        cairo_stroke(cr);
        const double r = height * 0.1;
        for (int c = 0; c < 3; ++c) {
            const double t = 0.35 + c * 0.32;
            NeedleCluster(cr, bx + (ex - bx) * t + random.Range(-1, 1),
                          by + (ey - by) * t - r * 0.2, r * (1.05 - c * 0.12));
        }
    }
    cairo_restore(cr);
}

double RidgeY(const MountainRange& range, double x) {
    const ScreenArtNoise noise(range.seed);
    const int column = static_cast<int>(x);
    return RidgeLine(noise, column, 1, range).front();
}

namespace {

constexpr int kRoadSteps = 60;

// Traces the road from the pass down at `offset` half-widths from its centre line (-1 the
// left verge, 1 the right), continuing the current path; `reverse` runs it upwards.
void TraceRoad(cairo_t* cr, const LandscapeStyle& style, double height, double offset, bool reverse,
               int firstStep = 0) {
    for (int step = firstStep; step <= kRoadSteps; ++step) {
        const int i = reverse ? kRoadSteps - step + firstStep : step;
        const RoadPoint p = RoadAt(style, height, i / static_cast<double>(kRoadSteps));
        cairo_line_to(cr, p.x + offset * p.halfWidth, p.y);
    }
}

void PaintSky(Canvas& canvas, const LandscapeStyle& style) {
    const double dusk = style.dusk;
    const double horizon = style.passY;
    // Warm paper, lighter towards the horizon, darker and warmer at dusk.
    ShadePixels(canvas, 0, 0, canvas.Width(), canvas.Height(),
                ParchmentShader(style.seed, -0.05 - 0.25 * dusk));
    ShadePixels(canvas, 0, 0, canvas.Width(), canvas.Height(), [horizon, dusk](int, int py) {
        const double t = std::clamp(py / horizon, 0.0, 1.0);
        const Colour high = theme::kWood.Shade(0.25).WithAlpha(0.10 + 0.35 * dusk);
        const Colour low = theme::kParchmentLight.WithAlpha(0.35 - 0.2 * dusk);
        return Mix(high, low, t);
    });
    PaintSun(canvas, style.sunX, style.sunY, 34);
    PaintBirds(canvas, style.birdsX, style.birdsY, 5, style.seed + 3);
}

// The far and middle ranges, opening into the pass, each with mist at its foot.
void PaintBackRanges(Canvas& canvas, const LandscapeStyle& style) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    const Colour far = Mix(theme::kInkWash, Colour::Hex(0x6A7C88), 0.5);
    MountainRange distant{style.passY - 40, 110, 150, far, 0.42, 90, style.seed + 11};
    distant.passX = style.passX;
    distant.passWidth = 70;
    distant.passDepth = 25;
    PaintMountains(canvas, 0, 0, w, h, distant);
    PaintMist(canvas, 0, 0, w, h, style.passY - 15, 40, 0.55, style.seed + 12);
    MountainRange middle{style.passY + 40, 170, 120, theme::kInkWash.Shade(-0.35), 0.6, 70,
                         style.seed + 21};
    middle.passX = style.passX;
    middle.passWidth = 95;
    middle.passDepth = 150;
    PaintMountains(canvas, 0, 0, w, h, middle);
    PaintMist(canvas, 0, 0, w, h, style.passY + 75, 45, 0.65, style.seed + 22);
}

// The old road, pale packed earth with worn ruts and inked verges, and banners along it.
void PaintRoad(Canvas& canvas, const LandscapeStyle& style) {
    cairo_t* cr = canvas.Cr();
    const double height = canvas.Height() + 20;
    cairo_new_path(cr);
    TraceRoad(cr, style, height, -1, false);
    TraceRoad(cr, style, height, 1, true);
    cairo_close_path(cr);
    FillPathWith(canvas, ParchmentShader(style.seed + 30, 0.05 - 0.2 * style.dusk));
    cairo_save(cr);
    const struct {
        double offset;
        Colour colour;
        double width;
        int firstStep;
    } lines[] = {{-0.35, theme::kWood.WithAlpha(0.22), 1.2, 4},
                 {0.35, theme::kWood.WithAlpha(0.22), 1.2, 4},
                 {-1, theme::kInk.WithAlpha(0.55), 1.4, 0},
                 {1, theme::kInk.WithAlpha(0.55), 1.4, 0}};
    for (const auto& line : lines) {
        cairo_new_path(cr);
        TraceRoad(cr, style, height, line.offset, false, line.firstStep);
        line.colour.Use(cr);
        cairo_set_line_width(cr, line.width);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    if (!style.banners) {
        return;
    }
    // Pairs of banners, smaller with distance.
    const double places[] = {0.12, 0.22, 0.36, 0.52};
    for (int i = 0; i < 4; ++i) {
        const RoadPoint p = RoadAt(style, height, places[i]);
        const double size = 16 + 132 * places[i] * places[i];
        const char* character = i % 2 == 0 ? "汉" : "关";
        PaintBanner(canvas, p.x - p.halfWidth - 4 - size * 0.1, p.y + 2, size, true, character,
                    theme::kCinnabar);
        PaintBanner(canvas, p.x + p.halfWidth + 4 + size * 0.1, p.y + 2, size, false, character,
                    theme::kCinnabar.Shade(-0.1));
    }
}

// The dark crags in front, with a pine on each side, and low mist.
void PaintNearCrags(Canvas& canvas, const LandscapeStyle& style) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    MountainRange near{h - 150.0, 210, 140, theme::kInk, 0.85, 120, style.seed + 41};
    near.passX = style.passX - 20;
    near.passWidth = 210;
    near.passDepth = 330;
    PaintMountains(canvas, 0, 0, w, h, near);
    PaintPine(canvas, 92, RidgeY(near, 92) + 6, 62, false, style.seed + 51);
    PaintPine(canvas, w - 92.0, RidgeY(near, w - 92.0) + 6, 54, true, style.seed + 52);
    PaintMist(canvas, 0, 0, w, h, h - 30, 50, 0.35, style.seed + 61);
}

} // namespace

void PaintLandscape(Canvas& canvas, const LandscapeStyle& style) {
    PaintSky(canvas, style);
    PaintBackRanges(canvas, style);
    PaintRoad(canvas, style);
    PaintNearCrags(canvas, style);
}

} // namespace assetgen
