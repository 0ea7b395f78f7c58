#include "pieces/PieceArtShapes.h"

#include <algorithm>
#include <numbers>

#include "Theme.h"

namespace assetgen {

void PieceArtShapes::RoundedRect(cairo_t* cr, const ArtRect& r, double radius) {
    const double rad = std::min({radius, r.w / 2, r.h / 2});
    constexpr double kQuarter = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    if (rad <= 0) {
        cairo_rectangle(cr, r.x, r.y, r.w, r.h);
        return;
    }
    cairo_arc(cr, r.x + r.w - rad, r.y + rad, rad, -kQuarter, 0);
    cairo_arc(cr, r.x + r.w - rad, r.y + r.h - rad, rad, 0, kQuarter);
    cairo_arc(cr, r.x + rad, r.y + r.h - rad, rad, kQuarter, 2 * kQuarter);
    cairo_arc(cr, r.x + rad, r.y + rad, rad, 2 * kQuarter, 3 * kQuarter);
    cairo_close_path(cr);
}

void PieceArtShapes::FillCrisp(cairo_t* cr, const ArtRect& r, double radius, const Colour& colour) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr);
    RoundedRect(cr, r, radius);
    colour.Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PieceArtShapes::FillVertical(cairo_t* cr, const ArtRect& r, double radius, const Colour& top,
                                  const Colour& bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_new_path(cr);
    RoundedRect(cr, r, radius);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void PieceArtShapes::GoldBand(cairo_t* cr, const ArtRect& r, double radius, double width) {
    using namespace theme;
    cairo_pattern_t* gilt = cairo_pattern_create_linear(r.x, r.y, r.x + r.w, r.y + r.h);
    const Colour stops[] = {kGoldLight, kGold, kGoldDark.Shade(0.15), kGold, kGoldDark};
    for (int i = 0; i < 5; ++i) {
        const Colour& c = stops[i];
        cairo_pattern_add_color_stop_rgb(gilt, i / 4.0, c.r, c.g, c.b);
    }
    cairo_save(cr);
    cairo_new_path(cr);
    RoundedRect(cr, r, radius);
    RoundedRect(cr, r.Inset(width), std::max(0.0, radius - width));
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source(cr, gilt);
    cairo_fill(cr);
    cairo_pattern_destroy(gilt);

    // A bright hairline on the outer top-left edge, a dark one round the inside.
    cairo_set_line_width(cr, 1);
    cairo_new_path(cr);
    RoundedRect(cr, r.Inset(width - 0.5), std::max(0.0, radius - width));
    kWoodDark.WithAlpha(0.85).Use(cr);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, r.x + 0.5, r.y + r.h - radius);
    cairo_line_to(cr, r.x + 0.5, r.y + radius);
    cairo_move_to(cr, r.x + radius, r.y + 0.5);
    cairo_line_to(cr, r.x + r.w - radius, r.y + 0.5);
    kGoldLight.Shade(0.4).WithAlpha(0.8).Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void PieceArtShapes::CornerBrackets(cairo_t* cr, const ArtRect& r, double arm, const Colour& colour,
                                    double lineWidth) {
    cairo_save(cr);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    colour.Use(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_stroke(cr);
    // Each corner: an inner L that steps in, the traditional fret corner.
    const double step = arm * 0.45;
    const double xs[2] = {r.x + step, r.x + r.w - step};
    const double ys[2] = {r.y + step, r.y + r.h - step};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const double dx = i == 0 ? 1 : -1;
            const double dy = j == 0 ? 1 : -1;
            cairo_move_to(cr, xs[i], ys[j] + dy * (arm - step));
            cairo_line_to(cr, xs[i], ys[j]);
            cairo_line_to(cr, xs[i] + dx * (arm - step), ys[j]);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace assetgen
