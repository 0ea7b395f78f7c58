#include "buttons/ButtonArtPlate.h"

#include "Theme.h"
#include "pieces/PieceArtGrain.h"

namespace assetgen {

void ButtonArtPlate::Paint(cairo_t* cr, ButtonStyle style, const ArtRect& r, double radius,
                           double rim, std::uint32_t seed) {
    using namespace theme;
    PieceArtShapes::FillCrisp(cr, r, radius, kWoodDark);
    const ArtRect gilt = r.Inset(1);
    const ArtRect field = gilt.Inset(rim);
    const bool red = style == ButtonStyle::Cinnabar;
    const Colour top = red ? kCinnabar.Shade(0.12) : kWoodLight.Shade(0.05);
    const Colour bottom = red ? kCinnabarDark.Shade(-0.15) : kWoodDark.Shade(0.05);
    PieceArtShapes::FillVertical(cr, field, radius - 2, top, bottom);
    PieceArtGrain grain(seed);
    grain.Apply(cairo_get_target(cr), static_cast<int>(field.x), static_cast<int>(field.y),
                static_cast<int>(field.w), static_cast<int>(field.h), 0.018, 0.025);
    // The sheen of lacquer on the upper half.
    cairo_save(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, field.y, 0, field.y + field.h * 0.55);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 0.95, 0.85, 0.18);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 0.95, 0.85, 0.02);
    cairo_new_path(cr);
    cairo_rectangle(cr, field.x, field.y, field.w, field.h * 0.55);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
    if (rim > 0) {
        PieceArtShapes::GoldBand(cr, gilt, radius - 1, rim);
    }
}

Colour ButtonArtPlate::LabelColour(ButtonStyle style) {
    return style == ButtonStyle::Cinnabar ? theme::kParchmentLight : theme::kGoldLight;
}

Colour ButtonArtPlate::SubLabelColour(ButtonStyle style) {
    return style == ButtonStyle::Cinnabar ? theme::kGoldLight : theme::kParchment.Shade(-0.05);
}

} // namespace assetgen
