#include "screens/ScreenArtSettings.h"

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtDialogPage.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

constexpr double kTrackLeft = 95;
constexpr double kTrackRight = 329;
constexpr double kKnob = 24;
constexpr double kLevelStep = 14;
constexpr int kLevels = 16;
constexpr double kBoxX = 95;
constexpr double kBoxY = 208;
constexpr int kBoxW = 31;
constexpr int kBoxH = 25;

// The empty box, drawn the same on the page and under the tick.
void PaintBox(cairo_t* cr) {
    theme::kInk.Use(cr);
    cairo_rectangle(cr, 0, 0, kBoxW, kBoxH);
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 1, kBoxW - 2, kBoxH - 2);
    theme::kGold.Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, 3, 3, kBoxW - 6, kBoxH - 6);
    theme::kGoldDark.Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, 4, 4, kBoxW - 8, kBoxH - 8);
    theme::kParchmentLight.Use(cr);
    cairo_fill(cr);
    // A little shade inside the top edge.
    theme::kParchmentDark.Use(cr);
    cairo_rectangle(cr, 4, 4, kBoxW - 8, 2);
    cairo_fill(cr);
}

void PaintSlider(Canvas& canvas, double knobTop, const char* chinese, const char* english) {
    cairo_t* cr = canvas.Cr();
    const double centreY = knobTop + kKnob / 2;
    TitleStyle label{17, 9, theme::kInk, theme::kWood, 0};
    TitlePair(cr, label, chinese, english, 52, centreY - 15);
    InkWell(canvas, kTrackLeft + 2, centreY - 4, kTrackRight - kTrackLeft - 4, 8, 4,
            static_cast<std::uint32_t>(knobTop));
    // One tick for each level, over the knob's centre at that level; every fifth longer.
    theme::kWood.Use(cr);
    for (int level = 0; level < kLevels; ++level) {
        const double x = kTrackLeft + kKnob / 2 + kLevelStep * level;
        const double length = level % 5 == 0 ? 7 : 4;
        cairo_rectangle(cr, x - 0.5, knobTop - 1 - length, 1, length);
    }
    cairo_fill(cr);
}

} // namespace

void PaintSettingsPage(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintDialogPage(canvas, 731);
    const double bottom = PaintDialogTitle(canvas, "设置", "SETTINGS", 12, 40);
    Divider(cr, canvas.Width() / 2.0, bottom + 10, 130, theme::kCinnabarDark.WithAlpha(0.85));
    PaintSlider(canvas, 130, "音效", "SOUND");
    PaintSlider(canvas, 180, "音乐", "MUSIC");
    cairo_save(cr);
    cairo_translate(cr, kBoxX, kBoxY);
    PaintBox(cr);
    cairo_restore(cr);
    TextStyle chinese{kCalligraphy, 17, false, theme::kInk};
    DrawText(cr, chinese, "全屏", kBoxX + kBoxW + 8, kBoxY + 1);
    TextStyle english{kPlain, 10, false, theme::kWood};
    DrawText(cr, english, "Full screen",
             kBoxX + kBoxW + 12 + MeasureText(cr, chinese, "全屏").width, kBoxY + 6);
}

void PaintSettingsTick(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintBox(cr);
    // One brush stroke: a short press down, then a long sweep up to the right that thins out.
    cairo_save(cr);
    cairo_move_to(cr, 6, 12.5);
    cairo_curve_to(cr, 8, 11.5, 10, 13, 12.5, 17.5);
    cairo_curve_to(cr, 16, 11, 21, 5.5, 28, 2);
    cairo_curve_to(cr, 22, 7.5, 17, 14, 13.5, 22.5);
    cairo_curve_to(cr, 12.5, 22.8, 11.5, 22.5, 11, 21.5);
    cairo_curve_to(cr, 9.5, 18, 7.5, 15, 6, 12.5);
    cairo_close_path(cr);
    theme::kCinnabar.Use(cr);
    cairo_fill_preserve(cr);
    theme::kCinnabarDark.Use(cr);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace assetgen
