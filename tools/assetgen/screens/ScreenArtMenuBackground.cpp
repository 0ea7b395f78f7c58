#include "screens/ScreenArtMenuBackground.h"

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtLandscape.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"
#include "screens/ScreenArtPlaque.h"

namespace assetgen {
namespace {

constexpr int kRailTop = 527;
// The three bottom buttons, 110 x 40 each.
constexpr double kButtonX[] = {94, 360, 583};
constexpr double kButtonY = 537;

void PaintTitle(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    TextStyle title{kCalligraphy, 76, false, theme::kInk};
    title.align = Align::Centre;
    title.outline = 2.5;
    title.outlineColour = theme::kParchmentLight.WithAlpha(0.7);
    title.letterSpacing = 6;
    const TextExtent extent = MeasureText(cr, title, "险关突围");
    DrawText(cr, title, "险关突围", 400, 58);
    TextStyle english{kPlain, 15, false, theme::kCinnabarDark};
    english.align = Align::Centre;
    english.letterSpacing = 7;
    DrawText(cr, english, "TOVAK  MARUDO", 400, 58 + extent.height - 4);
    Divider(cr, 400, 58 + extent.height + 24, 150, theme::kCinnabarDark.WithAlpha(0.85));
    Seal(canvas, 400 + extent.width / 2 + 4, 78, 34, "突围", 17);
}

void PaintRail(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const int h = canvas.Height();
    cairo_rectangle(cr, 0, kRailTop, canvas.Width(), h - kRailTop);
    FillPathWith(canvas, WoodShader(303));
    // A lit top edge under a gilt rule, and a shadow cast on the landscape above it.
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, kRailTop - 10, 0, kRailTop);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.35);
    cairo_rectangle(cr, 0, kRailTop - 10, canvas.Width(), 10);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    GoldRule(cr, 0, kRailTop + 1.5, canvas.Width(), kRailTop + 1.5, 3);
    theme::kInk.WithAlpha(0.6).Use(cr);
    cairo_rectangle(cr, 0, kRailTop + 3, canvas.Width(), 1);
    cairo_fill(cr);
    GoldRule(cr, 0, h - 4.5, canvas.Width(), h - 4.5, 1);
    // Each button sits in a recessed seat.
    for (const double x : kButtonX) {
        RoundedRectPath(cr, x - 5, kButtonY - 4, 120, 48, 5);
        FillPathWith(canvas, LacquerShader(311, -0.25));
        GoldFrame(cr, x - 5, kButtonY - 4, 120, 48, 5, 1.5);
    }
    // Cloud curls between the seats.
    const double gaps[] = {47, 282, 536, 740};
    for (const double cx : gaps) {
        CloudCurl(cr, cx - 21, 548, 20, false, theme::kGold.WithAlpha(0.8));
        CloudCurl(cr, cx + 21, 548, 20, true, theme::kGold.WithAlpha(0.8));
    }
}

} // namespace

void PaintMenuBackground(Canvas& canvas) {
    LandscapeStyle style;
    style.seed = 7;
    style.passX = 426;
    style.passY = 318;
    style.sunX = 668;
    style.sunY = 132;
    PaintLandscape(canvas, style);
    PaintTitle(canvas);
    PaintGuidePlaque(canvas, 41);
    PaintRail(canvas);
}

} // namespace assetgen
