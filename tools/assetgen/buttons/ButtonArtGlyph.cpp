#include "buttons/ButtonArtGlyph.h"

#include <initializer_list>
#include <numbers>

#include "Theme.h"
#include "pieces/PieceArtGrain.h"

namespace assetgen {
namespace {

// Frames narrower than this get a bare arrow without a plate.
constexpr int kPlateMinimumWidth = 16;

} // namespace

ButtonArtGlyph::ButtonArtGlyph(Glyph glyph, ButtonStyle style) : glyph(glyph), style(style) {}

void ButtonArtGlyph::operator()(cairo_t* cr, int width, int height) const {
    if (width < kPlateMinimumWidth) {
        BareArrow(cr, width, height);
        return;
    }
    const bool titleBar = width == height;
    // Title bar buttons stand a pixel clear of their neighbours.
    const ArtRect plate =
        titleBar ? ArtRect{1, 1, width - 2.0, height - 2.0}
                 : ArtRect{0, 0, static_cast<double>(width), static_cast<double>(height)};
    ButtonArtPlate::Paint(cr, style, plate, 4, 1.5,
                          PieceArtGrain::SeedOf(titleBar ? "title" : "arrow"));
    Sign(cr, plate.Inset(2.5));
}

void ButtonArtGlyph::Triangle(cairo_t* cr, double x, double y, double w, double h) const {
    const double tip = glyph == Glyph::ArrowLeft ? -w / 2 : w / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x + tip, y);
    cairo_line_to(cr, x - tip, y - h / 2);
    cairo_line_to(cr, x - tip, y + h / 2);
    cairo_close_path(cr);
}

void ButtonArtGlyph::BareArrow(cairo_t* cr, int width, int height) const {
    const double x = width / 2.0;
    const double y = height / 2.0;
    // The dark outline keeps whole pixels; the gilt inside it may be smooth.
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Triangle(cr, x, y, width - 1.0, height);
    theme::kWoodDark.Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    Triangle(cr, x + (glyph == Glyph::ArrowLeft ? 0.6 : -0.6), y, width - 4.5, height - 3.5);
    cairo_pattern_t* gilt = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(gilt, 0, theme::kGoldLight.r, theme::kGoldLight.g,
                                     theme::kGoldLight.b);
    cairo_pattern_add_color_stop_rgb(gilt, 1, theme::kGold.r, theme::kGold.g, theme::kGold.b);
    cairo_set_source(cr, gilt);
    cairo_fill(cr);
    cairo_pattern_destroy(gilt);
}

void ButtonArtGlyph::Sign(cairo_t* cr, const ArtRect& field) const {
    const double x = field.CentreX();
    const double y = field.CentreY();
    cairo_save(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (glyph) {
    case Glyph::ArrowLeft:
    case Glyph::ArrowRight: {
        Triangle(cr, x, y, field.w * 0.6, field.w * 1.0);
        theme::kInk.Use(cr);
        cairo_set_line_width(cr, 2);
        cairo_stroke_preserve(cr);
        theme::kGoldLight.Use(cr);
        cairo_fill(cr);
        // A gilt bead above and below the arrow.
        for (const double dy : {-field.h * 0.34, field.h * 0.34}) {
            cairo_new_path(cr);
            cairo_arc(cr, x, y + dy, 1.5, 0, 2 * std::numbers::pi);
            theme::kGold.Use(cr);
            cairo_fill(cr);
        }
        break;
    }
    case Glyph::Maximise:
        cairo_rectangle(cr, x - 5, y - 4.5, 10, 9);
        theme::kGoldLight.Use(cr);
        cairo_stroke(cr);
        cairo_rectangle(cr, x - 5, y - 5.5, 10, 2.5);
        cairo_fill(cr);
        break;
    case Glyph::Minimise:
        cairo_move_to(cr, x - 5, y + 4);
        cairo_line_to(cr, x + 5, y + 4);
        cairo_set_line_width(cr, 2.5);
        theme::kGoldLight.Use(cr);
        cairo_stroke(cr);
        break;
    case Glyph::Close:
        cairo_move_to(cr, x - 4.5, y - 4.5);
        cairo_line_to(cr, x + 4.5, y + 4.5);
        cairo_move_to(cr, x + 4.5, y - 4.5);
        cairo_line_to(cr, x - 4.5, y + 4.5);
        cairo_set_line_width(cr, 2.2);
        theme::kParchmentLight.Use(cr);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

} // namespace assetgen
