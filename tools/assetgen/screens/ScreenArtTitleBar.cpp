#include "screens/ScreenArtTitleBar.h"

#include <cmath>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

constexpr int kLogoX = 20;
constexpr int kLogoY = 24;
constexpr int kFrames = 4;

// The ribbon: a band with swallowtail ends.
void RibbonPath(cairo_t* cr, double x, double y, double w, double h) {
    const double notch = h * 0.32;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w - notch, y + h / 2);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_line_to(cr, x + notch, y + h / 2);
    cairo_close_path(cr);
}

// Light falling across the gilt: a soft diagonal band centred on `glintX`.
cairo_pattern_t* Glint(double glintX) {
    cairo_pattern_t* glint = cairo_pattern_create_linear(glintX - 22, 0, glintX + 22, 16);
    cairo_pattern_add_color_stop_rgba(glint, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(glint, 0.5, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(glint, 1, 0, 0, 0, 0);
    return glint;
}

void PaintLogoFrame(Canvas& canvas, double left, double glintX) {
    cairo_t* cr = canvas.Cr();
    const double x = left + 6;
    const double y = 3;
    const double w = 188;
    const double h = 29;
    cairo_save(cr);
    RibbonPath(cr, x + 2, y + 2, w, h);
    theme::kInk.WithAlpha(0.45).Use(cr);
    cairo_fill(cr);
    RibbonPath(cr, x, y, w, h);
    FillPathWith(canvas, LacquerShader(611, 0.05));
    // Gilt edges along the top and bottom.
    GoldRule(cr, x + 3, y + 2.5, x + w - 3, y + 2.5, 1.5);
    GoldRule(cr, x + 3, y + h - 2.5, x + w - 3, y + h - 2.5, 1.5);
    cairo_restore(cr);

    TextStyle title{kCalligraphy, 22, true, theme::kGold};
    title.letterSpacing = 6;
    title.outline = 1.2;
    title.outlineColour = theme::kWoodDark;
    const double textW = MeasureText(cr, title, "险关突围").width;
    const double textX = left + 100 - textW / 2 + 3;
    DrawText(cr, title, "险关突围", textX, y + 1);
    // The glint: the same text again in light, through the moving band.
    cairo_save(cr);
    cairo_rectangle(cr, left, 0, 200, 35);
    cairo_clip(cr);
    cairo_push_group(cr);
    TextStyle light = title;
    light.outline = 0;
    light.colour = Colour{1, 0.98, 0.86, 1};
    DrawText(cr, light, "险关突围", textX, y + 1);
    Colour{1, 0.98, 0.86, 1}.Use(cr);
    cairo_rectangle(cr, x + 3, y + 1.5, w - 6, 2);
    cairo_rectangle(cr, x + 3, y + h - 3.5, w - 6, 2);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_pattern_t* band = Glint(glintX);
    cairo_mask(cr, band);
    cairo_pattern_destroy(band);
    cairo_restore(cr);
    for (const double side : {left + 20.0, left + 180.0}) {
        cairo_arc(cr, side, y + h / 2, 2, 0, 2 * 3.14159265358979);
        theme::kGold.Use(cr);
        cairo_fill(cr);
    }
}

} // namespace

void PaintTitleBar(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const int w = canvas.Width();
    ShadePixels(canvas, 0, 0, w, canvas.Height(), LacquerShader(601, -0.1));
    // A sheen along the top, a gilt rule along the bottom.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, 12);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 0.9, 0.75, 0.16);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 0.9, 0.75, 0);
    cairo_rectangle(cr, 0, 0, w, 12);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    GoldRule(cr, 0, 22, w, 22, 2);
    theme::kInk.Use(cr);
    cairo_rectangle(cr, 0, 23, w, 1);
    cairo_fill(cr);
    // Between the icon and the buttons: cloud curls and a fine gilt thread.
    const Colour dim = theme::kGold.WithAlpha(0.55);
    CloudCurl(cr, 128, 4, 14, false, dim);
    CloudCurl(cr, 672, 4, 14, true, dim);
    dim.WithAlpha(0.3).Use(cr);
    cairo_rectangle(cr, 152, 11, 496, 1);
    cairo_fill(cr);
}

void PaintTitleIcon(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    Seal(canvas, 2, 2, 19, "关", 621);
    TextStyle name{kCalligraphy, 16, false, theme::kGoldLight};
    name.outline = 1;
    name.outlineColour = theme::kWoodDark;
    name.letterSpacing = 1;
    DrawText(cr, name, "险关突围", 26, 1);
}

void PaintLogo(Canvas& canvas, const Canvas& menu) {
    const int frameW = canvas.Width() / kFrames;
    for (int f = 0; f < kFrames; ++f) {
        canvas.DrawPart(menu, kLogoX, kLogoY, frameW, canvas.Height(), f * frameW, 0);
        // The glint crosses the title in four steps and starts over.
        PaintLogoFrame(canvas, f * frameW, f * frameW + 45 + f * 40);
    }
}

} // namespace assetgen
