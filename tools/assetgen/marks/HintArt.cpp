#include "marks/HintArt.h"

#include <numbers>

#include "Painters.h"
#include "Theme.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

// The arrow pointing right, centred on the origin, `size` across.
void ArrowPath(cairo_t* cr, double size) {
    const double half = size / 2;
    const double shaft = size * 0.16;
    const double neck = size * 0.02;
    cairo_new_path(cr);
    cairo_move_to(cr, half, 0);
    cairo_line_to(cr, neck, -half * 0.82);
    cairo_line_to(cr, neck, -shaft);
    cairo_line_to(cr, -half, -shaft);
    cairo_line_to(cr, -half, shaft);
    cairo_line_to(cr, neck, shaft);
    cairo_line_to(cr, neck, half * 0.82);
    cairo_close_path(cr);
}

// One arrow turned by `angle` (0 points right) in the frame whose centre is (cx, cy).
void PaintArrow(cairo_t* cr, double cx, double cy, double size, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // The glow: wide, faint strokes under the arrow.
    for (int ring = 4; ring >= 1; --ring) {
        ArrowPath(cr, size);
        cairo_set_line_width(cr, 2.5 * ring);
        theme::kGoldLight.WithAlpha(0.12).Use(cr);
        cairo_stroke(cr);
    }
    ArrowPath(cr, size);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, -size / 2, 0, size / 2);
    const Colour light = theme::kCinnabar.Shade(0.25);
    const Colour dark = theme::kCinnabarDark;
    cairo_pattern_add_color_stop_rgb(fill, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 2.2);
    theme::kGold.Use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    theme::kWoodDark.Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void HintArt::FewestLabel(Canvas& label) {
    cairo_t* cr = label.Cr();
    TitleStyle style{13, 6, theme::kGoldLight, theme::kParchmentDark, 0};
    TitlePair(cr, style, "最少", "FEWEST", 22, -1);
    InkWell(label, 58, 2, 42, 18, 3, 523);
}

void HintArt::Arrows(Canvas& strip) {
    cairo_t* cr = strip.Cr();
    const double frame = strip.Height();
    // Frame order follows the board's directions: left, up, right, down.
    const double angles[] = {kPi, -kPi / 2, 0, kPi / 2};
    for (int i = 0; i < 4; ++i) {
        PaintArrow(cr, frame * i + frame / 2, frame / 2, frame * 0.66, angles[i]);
    }
}

void HintArt::Mark(Canvas& mark) {
    cairo_t* cr = mark.Cr();
    const double centre = mark.Width() / 2.0;
    const double radius = centre * 0.72;
    const auto ring = [cr, centre, radius] {
        cairo_new_path(cr);
        cairo_arc(cr, centre, centre, radius, 0, 2 * kPi);
    };
    cairo_save(cr);
    // The glow: wide, faint rings under the ring itself.
    for (int step = 5; step >= 1; --step) {
        ring();
        cairo_set_line_width(cr, 8 + 3.0 * step);
        theme::kGoldLight.WithAlpha(0.14).Use(cr);
        cairo_stroke(cr);
    }
    // A dashed cinnabar ring between two gilt lines, like a seal's border.
    ring();
    cairo_set_line_width(cr, 9);
    theme::kGold.Use(cr);
    cairo_stroke(cr);
    ring();
    cairo_set_line_width(cr, 6);
    theme::kCinnabar.Shade(0.1).Use(cr);
    cairo_stroke(cr);
    ring();
    const double dash[] = {radius * 0.35, radius * 0.18};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 2);
    theme::kGoldLight.Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void PaintHints(ImageSet& images) {
    if (Canvas* canvas = images.Add(game::Image::FewestLabel)) {
        HintArt::FewestLabel(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::HintArrows)) {
        HintArt::Arrows(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::HintMark)) {
        HintArt::Mark(*canvas);
    }
}

} // namespace assetgen
