#include "screens/ScreenArtDialogPage.h"

#include "Theme.h"
#include "screens/ScreenArtLandscape.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {

void PaintDialogPage(Canvas& canvas, std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    // The outermost shape without anti-aliasing: its edge pixels are all opaque or all key.
    RoundedRectPath(cr, 0, 0, w, h, 10);
    FillPathWith(canvas, LacquerShader(seed), false);
    GoldFrame(cr, 3, 3, w - 6, h - 6, 8, 2.5);
    const double inset = kDialogInset;
    RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, 5);
    FillPathWith(canvas, ParchmentShader(seed + 1, 0.02));
    // Ink hills fading up from the foot of the field, under the buttons.
    cairo_save(cr);
    RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, 5);
    cairo_clip(cr);
    MountainRange hills{h - 34, 46, 70, theme::kInkWash, 0.22, 26, seed + 2};
    PaintMountains(canvas, static_cast<int>(inset), static_cast<int>(inset),
                   static_cast<int>(w - 2 * inset), static_cast<int>(h - 2 * inset), hills);
    cairo_restore(cr);
    // Shadow inside the field's top edge, so the parchment sits under the lacquer.
    cairo_pattern_t* shadow = cairo_pattern_create_linear(0, inset, 0, inset + 5);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.3);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    cairo_rectangle(cr, inset, inset, w - 2 * inset, 5);
    cairo_set_source(cr, shadow);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
    FretCorners(cr, inset + 5, inset + 5, w - 2 * inset - 10, h - 2 * inset - 10, 12,
                theme::kCinnabarDark.WithAlpha(0.8), 1.5);
}

double PaintDialogTitle(Canvas& canvas, std::string_view chinese, std::string_view english,
                        double y, double chineseSize) {
    TitleStyle style{chineseSize, 12, theme::kInk, theme::kCinnabarDark, 0};
    return TitlePair(canvas.Cr(), style, chinese, english, canvas.Width() / 2.0, y);
}

double PaintDialogLine(Canvas& canvas, std::string_view chinese, std::string_view english,
                       double centreX, double y) {
    TitleStyle style{16, 10, theme::kInk.Shade(0.15), theme::kWood, 1};
    return TitlePair(canvas.Cr(), style, chinese, english, centreX, y);
}

} // namespace assetgen
