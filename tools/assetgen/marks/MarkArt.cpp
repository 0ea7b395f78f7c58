#include "marks/MarkArt.h"

#include <numbers>
#include <string>

#include "Painters.h"
#include "Text.h"
#include "Theme.h"
#include "buttons/ButtonArtLabel.h"
#include "marks/MarkArtIcon.h"
#include "marks/RecordMarkArt.h"
#include "pieces/PieceArtShapes.h"

using namespace puzzle;

namespace assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

// The digits are narrowed to fit 8 pixels with their edge.
constexpr double kDigitCondense = 0.78;

void FillRadial(cairo_t* cr, double x, double y, double radius, const Colour& inner,
                const Colour& outer, double lightX, double lightY) {
    cairo_pattern_t* pattern =
        cairo_pattern_create_radial(x + lightX, y + lightY, radius * 0.1, x, y, radius);
    cairo_pattern_add_color_stop_rgb(pattern, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, outer.r, outer.g, outer.b);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace

void MarkArt::Digits(Canvas& strip) {
    cairo_t* cr = strip.Cr();
    TextStyle style;
    style.family = kPlain;
    style.sizePx = 14.5;
    style.bold = true;
    style.colour = theme::kGoldLight.Shade(0.25);
    style.outline = 1.1;
    style.outlineColour = theme::kWoodDark.Shade(-0.3);
    const double height = strip.Height();
    for (int digit = 0; digit <= 9; ++digit) {
        const double cellX = digit * kDigitWidth;
        cairo_save(cr);
        cairo_rectangle(cr, cellX, 0, kDigitWidth, height);
        cairo_clip(cr);
        cairo_translate(cr, cellX + kDigitWidth / 2.0, height / 2.0);
        cairo_scale(cr, kDigitCondense, 1);
        ButtonArtLabel::DrawAt(cr, style, std::to_string(digit), 0, 0);
        cairo_restore(cr);
    }
}

void MarkArt::Stamp(Canvas& mark, const Colour& edge, const Colour& ink, const std::string& words) {
    cairo_t* cr = mark.Cr();
    const ArtRect stamp{0, 0, static_cast<double>(mark.Width()),
                        static_cast<double>(mark.Height())};
    PieceArtShapes::FillCrisp(cr, stamp, 3, edge);
    PieceArtShapes::FillVertical(cr, stamp.Inset(1), 2, ink.Shade(0.1), ink.Shade(-0.15));
    cairo_save(cr);
    cairo_new_path(cr);
    PieceArtShapes::RoundedRect(cr, stamp.Inset(2.5), 1.5);
    cairo_set_line_width(cr, 1);
    theme::kParchmentLight.WithAlpha(0.55).Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);

    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 13;
    style.colour = theme::kParchmentLight;
    ButtonArtLabel::DrawAt(cr, style, words, 31, stamp.CentreY());
}

void MarkArt::Passed(Canvas& mark) {
    Stamp(mark, theme::kCinnabarDark, theme::kCinnabar, "已过");
    cairo_t* cr = mark.Cr();
    cairo_save(cr);
    // The tick, a brush stroke thickening into its long arm.
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 8.5);
    cairo_line_to(cr, 8, 12);
    cairo_line_to(cr, 14.5, 4.5);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    theme::kGoldLight.Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void MarkArt::NotPassed(Canvas& mark) {
    cairo_t* cr = mark.Cr();
    const ArtRect slip{0, 0, static_cast<double>(mark.Width()), static_cast<double>(mark.Height())};
    PieceArtShapes::FillCrisp(cr, slip, 3, theme::kInkWash);
    PieceArtShapes::FillVertical(cr, slip.Inset(1), 2, theme::kParchmentDark.Shade(0.2),
                                 theme::kParchmentDark);
    // An empty ring where the passed mark has its tick.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 9.5, slip.CentreY(), 3.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 1.2);
    theme::kInkWash.Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);

    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 13;
    style.colour = theme::kInkWash.Shade(-0.25);
    ButtonArtLabel::DrawAt(cr, style, "未过", 31, slip.CentreY());
}

void MarkArt::RowLine(Canvas& line) {
    cairo_t* cr = line.Cr();
    theme::kGoldDark.Shade(-0.15).Use(cr);
    // Two pixels on, two off; both ends drawn so the line meets the name and the mark.
    for (int x = 0; x < line.Width(); x += 4) {
        cairo_rectangle(cr, x, 0, 2, line.Height());
    }
    cairo_rectangle(cr, line.Width() - 1, 0, 1, line.Height());
    cairo_fill(cr);
}

void MarkArt::Knob(Canvas& knob) {
    cairo_t* cr = knob.Cr();
    const double x = knob.Width() / 2.0;
    const double y = knob.Height() / 2.0;
    const double radius = knob.Width() / 2.0 - 0.5;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    theme::kWoodDark.Shade(-0.3).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    FillRadial(cr, x, y, radius - 1, theme::kGoldLight, theme::kGoldDark, -3, -4);
    FillRadial(cr, x, y, radius - 4, theme::kGoldDark.Shade(-0.35), theme::kGoldDark, 2, 2);
    FillRadial(cr, x, y, radius - 5, theme::kJade.Shade(0.45), theme::kJade.Shade(-0.35), -2, -3);
    // A glint on the jade.
    cairo_new_path(cr);
    cairo_arc(cr, x - 2.5, y - 3, 1.6, 0, 2 * kPi);
    Colour{1, 1, 1, 0.7}.Use(cr);
    cairo_fill(cr);
}

void PaintMarks(ImageSet& images) {
    if (Canvas* canvas = images.Add(game::Image::StepDigits)) {
        MarkArt::Digits(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::PassedMark)) {
        MarkArt::Passed(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::NotPassedMark)) {
        MarkArt::NotPassed(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::RowLine)) {
        MarkArt::RowLine(*canvas);
    }
    RecordMarkArt::Paint(images);
    // Both volume knobs show the one knob image.
    if (Canvas* canvas = images.Add(game::Image::SoundKnob)) {
        MarkArt::Knob(*canvas);
    }
    if (Canvas* canvas = images.Add("tpz.bmp")) {
        MarkArtIcon::Paint(*canvas);
    }
}

} // namespace assetgen
