#include "buttons/ButtonArtStart.h"

#include <initializer_list>
#include <numbers>

#include "Text.h"
#include "Theme.h"
#include "buttons/ButtonArtLabel.h"
#include "pieces/PieceArtGrain.h"

namespace assetgen {
namespace {

constexpr double kCut = 14;
constexpr double kRim = 5;

} // namespace

void ButtonArtStart::operator()(cairo_t* cr, int width, int height) const {
    const ArtRect plaque{12, 8, width - 24.0, height - 16.0};
    Knobs(cr, plaque);
    Rim(cr, plaque, kCut, kRim);
    const ArtRect field = plaque.Inset(1 + kRim);
    Field(cr, field, kCut - kRim);
    Labels(cr, field);
}

void ButtonArtStart::Octagon(cairo_t* cr, const ArtRect& r, double cut) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, r.x + cut, r.y);
    cairo_line_to(cr, r.x + r.w - cut, r.y);
    cairo_line_to(cr, r.x + r.w, r.y + cut);
    cairo_line_to(cr, r.x + r.w, r.y + r.h - cut);
    cairo_line_to(cr, r.x + r.w - cut, r.y + r.h);
    cairo_line_to(cr, r.x + cut, r.y + r.h);
    cairo_line_to(cr, r.x, r.y + r.h - cut);
    cairo_line_to(cr, r.x, r.y + cut);
    cairo_close_path(cr);
}

void ButtonArtStart::Knobs(cairo_t* cr, const ArtRect& plaque) {
    // Round gilt knobs holding the plaque at its sides; their outer edge stays crisp.
    for (const double x : {plaque.x, plaque.x + plaque.w}) {
        const double y = plaque.CentreY();
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 12, 0, 2 * std::numbers::pi);
        theme::kWoodDark.Use(cr);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_pattern_t* gilt = cairo_pattern_create_radial(x - 3, y - 4, 1, x, y, 11);
        cairo_pattern_add_color_stop_rgb(gilt, 0, theme::kGoldLight.r, theme::kGoldLight.g,
                                         theme::kGoldLight.b);
        cairo_pattern_add_color_stop_rgb(gilt, 1, theme::kGoldDark.r, theme::kGoldDark.g,
                                         theme::kGoldDark.b);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 10.5, 0, 2 * std::numbers::pi);
        cairo_set_source(cr, gilt);
        cairo_fill(cr);
        cairo_pattern_destroy(gilt);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 5, 0, 2 * std::numbers::pi);
        theme::kCinnabarDark.Use(cr);
        cairo_fill(cr);
    }
}

void ButtonArtStart::Rim(cairo_t* cr, const ArtRect& plaque, double cut, double width) {
    using namespace theme;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr);
    Octagon(cr, plaque, cut);
    kWoodDark.Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);

    const ArtRect outer = plaque.Inset(1);
    cairo_pattern_t* gilt = cairo_pattern_create_linear(outer.x, outer.y, outer.x + outer.w * 0.4,
                                                        outer.y + outer.h * 1.2);
    const Colour stops[] = {kGoldLight, kGold, kGoldDark.Shade(0.1), kGold, kGoldDark};
    for (int i = 0; i < 5; ++i) {
        cairo_pattern_add_color_stop_rgb(gilt, i / 4.0, stops[i].r, stops[i].g, stops[i].b);
    }
    cairo_save(cr);
    cairo_new_path(cr);
    Octagon(cr, outer, cut - 0.5);
    Octagon(cr, outer.Inset(width), cut - width * 0.6);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source(cr, gilt);
    cairo_fill(cr);
    cairo_pattern_destroy(gilt);
    cairo_restore(cr);
}

void ButtonArtStart::Field(cairo_t* cr, const ArtRect& field, double cut) {
    using namespace theme;
    cairo_pattern_t* lacquer =
        cairo_pattern_create_radial(field.CentreX(), field.y + field.h * 0.35, 10, field.CentreX(),
                                    field.CentreY(), field.w * 0.6);
    const Colour inner = kCinnabar.Shade(0.12);
    const Colour outer = kCinnabarDark.Shade(-0.2);
    cairo_pattern_add_color_stop_rgb(lacquer, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(lacquer, 1, outer.r, outer.g, outer.b);
    cairo_new_path(cr);
    Octagon(cr, field, cut);
    cairo_set_source(cr, lacquer);
    cairo_fill(cr);
    cairo_pattern_destroy(lacquer);
    PieceArtGrain grain(PieceArtGrain::SeedOf("start"));
    grain.Apply(cairo_get_target(cr), static_cast<int>(field.x), static_cast<int>(field.y),
                static_cast<int>(field.w), static_cast<int>(field.h), 0.02, 0.02);

    // Dark hairline inside the rim, then a fine gilt line set in from it.
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    cairo_new_path(cr);
    Octagon(cr, field.Inset(0.5), cut);
    kWoodDark.Use(cr);
    cairo_stroke(cr);
    cairo_new_path(cr);
    Octagon(cr, field.Inset(5.5), cut - 3);
    kGold.WithAlpha(0.75).Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ButtonArtStart::Labels(cairo_t* cr, const ArtRect& field) {
    using namespace theme;
    TextStyle title;
    title.family = kCalligraphy;
    title.sizePx = 42;
    title.letterSpacing = 6;
    title.colour = kGoldLight;
    title.outline = 2.2;
    title.outlineColour = kInk.WithAlpha(0.9);
    title = ButtonArtLabel::Fit(cr, title, "开始游戏", field.w - 24, 24);
    ButtonArtLabel::DrawAt(cr, title, "开始游戏", field.CentreX() + 3, field.y + field.h * 0.42);

    TextStyle small;
    small.family = kPlain;
    small.sizePx = 13;
    small.bold = true;
    small.letterSpacing = 5;
    small.colour = kGoldLight.Shade(-0.05);
    const double y = field.y + field.h * 0.8;
    ButtonArtLabel::DrawAt(cr, small, "START", field.CentreX() + 2.5, y);
    // Rules either side of the word, ending in small lozenges.
    const double half = MeasureText(cr, small, "START").width / 2 + 8;
    cairo_save(cr);
    kGold.Use(cr);
    cairo_set_line_width(cr, 1);
    for (const double side : {-1.0, 1.0}) {
        const double from = field.CentreX() + side * half;
        const double to = field.CentreX() + side * (half + 34);
        cairo_move_to(cr, from, y + 0.5);
        cairo_line_to(cr, to, y + 0.5);
        cairo_stroke(cr);
        cairo_move_to(cr, to + side * 4, y + 0.5);
        cairo_line_to(cr, to, y - 3);
        cairo_line_to(cr, to - side * 4, y + 0.5);
        cairo_line_to(cr, to, y + 4);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

} // namespace assetgen
