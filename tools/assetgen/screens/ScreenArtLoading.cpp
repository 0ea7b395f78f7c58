#include "screens/ScreenArtLoading.h"

#include <cmath>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtLandscape.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"
#include "screens/ScreenArtPixels.h"

namespace assetgen {
namespace {

constexpr double kTroughX = 225;
constexpr double kTroughY = 542;
constexpr double kTroughW = 354;
constexpr double kTroughH = 30;
constexpr int kBandTop = 498;

void PaintTitle(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    TextStyle title{kCalligraphy, 84, false, theme::kInk};
    title.align = Align::Centre;
    title.letterSpacing = 8;
    title.outline = 3;
    title.outlineColour = theme::kParchmentLight.WithAlpha(0.6);
    const TextExtent extent = MeasureText(cr, title, "险关突围");
    DrawText(cr, title, "险关突围", 400, 70);
    TextStyle english{kPlain, 16, false, theme::kCinnabarDark};
    english.align = Align::Centre;
    english.letterSpacing = 8;
    DrawText(cr, english, "TOVAK  MARUDO", 400, 70 + extent.height - 4);
    Seal(canvas, 400 + extent.width / 2 + 2, 92, 38, "突围", 1003);
}

void PaintBand(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    cairo_rectangle(cr, 0, kBandTop, w, canvas.Height() - kBandTop);
    FillPathWith(canvas, LacquerShader(1011));
    GoldRule(cr, 0, kBandTop + 1.5, w, kBandTop + 1.5, 3);
    theme::kInk.WithAlpha(0.6).Use(cr);
    cairo_rectangle(cr, 0, kBandTop + 3, w, 1);
    cairo_fill(cr);
    TextStyle chinese{kCalligraphy, 18, false, theme::kGoldLight};
    TextStyle english{kPlain, 11, false, theme::kParchment};
    english.letterSpacing = 1;
    const double zhW = MeasureText(cr, chinese, "载入中").width;
    const double total = zhW + 8 + MeasureText(cr, english, "Loading…").width;
    DrawText(cr, chinese, "载入中", 400 - total / 2, kBandTop + 12);
    DrawText(cr, english, "Loading…", 400 - total / 2 + zhW + 8, kBandTop + 18);
    CloudCurl(cr, 400 - total / 2 - 34, kBandTop + 14, 18, false, theme::kGold.WithAlpha(0.8));
    CloudCurl(cr, 400 + total / 2 + 34, kBandTop + 14, 18, true, theme::kGold.WithAlpha(0.8));
    // The trough: the bar fills exactly its inside.
    GoldFrame(cr, kTroughX - 4, kTroughY - 4, kTroughW + 8, kTroughH + 8, 5, 2.5);
    cairo_rectangle(cr, kTroughX, kTroughY, kTroughW, kTroughH);
    FillPathWith(canvas, InkShader(1013));
    cairo_pattern_t* shadow = cairo_pattern_create_linear(0, kTroughY, 0, kTroughY + 8);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.6);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    cairo_rectangle(cr, kTroughX, kTroughY, kTroughW, 8);
    cairo_set_source(cr, shadow);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
    TextStyle tip{kPlain, 10, false, theme::kParchmentDark};
    tip.align = Align::Centre;
    DrawText(cr, tip, "曹操到了出口，便是过关  ·  Bring Cao Cao to the exit", 400, 580);
}

} // namespace

void PaintLoadingScreen(Canvas& canvas) {
    LandscapeStyle style;
    style.seed = 23;
    style.dusk = 0.45;
    style.passX = 380;
    style.passY = 300;
    style.sunX = 150;
    style.sunY = 250;
    style.birdsX = 600;
    style.birdsY = 220;
    PaintLandscape(canvas, style);
    PaintTitle(canvas);
    PaintBand(canvas);
}

void PaintLoadingBar(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    // Cinnabar silk with a gilt edge along the top; only the left end is rounded.
    cairo_new_path(cr);
    cairo_move_to(cr, w, 0);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 3, h);
    cairo_arc(cr, 3, h - 3, 3, 3.14159265 / 2, 3.14159265);
    cairo_line_to(cr, 0, 3);
    cairo_arc(cr, 3, 3, 3, 3.14159265, 3 * 3.14159265 / 2);
    cairo_close_path(cr);
    ShadePixels(canvas, 0, 0, static_cast<int>(w), static_cast<int>(h), [h](int x, int y) {
        // Diagonal ribs, like twill, repeating every 12 pixels, so no width ends mid-pattern.
        const double rib = 0.5 + 0.5 * std::sin((x + y) * 3.14159265 / 6);
        const double t = y / h;
        Colour c = Mix(theme::kCinnabar.Shade(0.15), theme::kCinnabarDark, t);
        c = c.Shade(rib * 0.06);
        if (y < 3) {
            c = Mix(theme::kGoldLight, theme::kGold, y / 3.0);
        } else if (y >= h - 2) {
            c = theme::kGoldDark;
        }
        return c;
    });
    // Cut the painted pixels to the outline: clear outside it.
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_restore(cr);
    // A soft highlight across the upper half.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 3, 0, h / 2);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 0.95, 0.8, 0.35);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 0.95, 0.8, 0);
    cairo_rectangle(cr, 2, 3, w - 2, h / 2 - 3);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
}

void PaintOverlay(Canvas& canvas) {
    const double w = canvas.Width();
    const double h = canvas.Height();
    ShadePixels(canvas, 0, 0, canvas.Width(), canvas.Height(), [w, h](int x, int y) {
        const double dx = (x - w / 2) / (w / 2);
        const double dy = (y - h * 0.45) / (h * 0.6);
        const double vignette = std::min(1.0, dx * dx * 0.6 + dy * dy * 0.6);
        double alpha = 0.48 + 0.16 * vignette;
        // Fades out over the last rows so the veil has no hard lower edge.
        alpha *= 1 - SmoothStep(h - 70, h, y);
        // A little grain keeps the 16-bit gradient from banding.
        alpha += ((x * 7 + y * 13) % 5 - 2) * 0.004;
        return theme::kInk.Shade(-0.4).WithAlpha(std::max(0.0, alpha));
    });
}

} // namespace assetgen
