#include "pieces/PieceArtCard.h"

#include <algorithm>
#include <numbers>
#include <string_view>

#include "Text.h"
#include "Theme.h"
#include "pieces/PieceArtGrain.h"

namespace assetgen {
namespace {

constexpr double kCornerRadius = 5;
// The dark margin that keeps neighbouring blocks apart on the board.
constexpr double kMargin = 1;

int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

} // namespace

PieceArtCard::PieceArtCard(Canvas& canvas, const General& general)
    : canvas(canvas), cr(canvas.Cr()), general(general) {
    // A board cell is 98 x 94; a side longer than that spans two cells.
    const bool wide = canvas.Width() > 100;
    const bool tall = canvas.Height() > 100;
    layout = wide && tall ? Layout::Big
             : wide       ? Layout::Across
             : tall       ? Layout::Erect
                          : Layout::Small;
    const double band = layout == Layout::Big ? 6 : 3;
    field = ArtRect{0, 0, static_cast<double>(canvas.Width()), static_cast<double>(canvas.Height())}
                .Inset(kMargin + band);
}

void PieceArtCard::Paint() {
    PaintFrame();
    PaintField();
    PaintEmblem();
    PaintRoundel();
    PaintName();
    if (layout == Layout::Big) {
        PaintSeal();
    }
}

void PieceArtCard::PaintFrame() {
    const ArtRect whole{0, 0, static_cast<double>(canvas.Width()),
                        static_cast<double>(canvas.Height())};
    PieceArtShapes::FillCrisp(cr, whole, kCornerRadius, theme::kWoodDark);
    const ArtRect gilt = whole.Inset(kMargin);
    const double band = field.x - gilt.x;
    PieceArtShapes::GoldBand(cr, gilt, kCornerRadius - kMargin, band);
    if (layout == Layout::Big) {
        // A second, finer gilt line sunk into the wide band.
        cairo_save(cr);
        cairo_new_path(cr);
        PieceArtShapes::RoundedRect(cr, gilt.Inset(band / 2), 2);
        cairo_set_line_width(cr, 1);
        theme::kGoldDark.Shade(-0.3).Use(cr);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void PieceArtCard::PaintField() {
    const Colour& base = general.faction;
    PieceArtShapes::FillVertical(cr, field, 1, base.Shade(0.14), base.Shade(-0.3));
    // Light pooling in the middle, the edges sinking into shadow.
    const double radius = std::max(field.w, field.h) * 0.75;
    cairo_pattern_t* pool =
        cairo_pattern_create_radial(field.CentreX(), field.CentreY() - field.h * 0.1, 0,
                                    field.CentreX(), field.CentreY(), radius);
    cairo_pattern_add_color_stop_rgba(pool, 0, 1, 0.95, 0.8, 0.12);
    cairo_pattern_add_color_stop_rgba(pool, 0.6, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(pool, 1, 0, 0, 0, 0.35);
    cairo_new_path(cr);
    cairo_rectangle(cr, field.x, field.y, field.w, field.h);
    cairo_set_source(cr, pool);
    cairo_fill(cr);
    cairo_pattern_destroy(pool);

    PieceArtGrain grain(PieceArtGrain::SeedOf(general.file));
    grain.Apply(canvas.Surface(), static_cast<int>(field.x), static_cast<int>(field.y),
                static_cast<int>(field.w), static_cast<int>(field.h), 0.022, 0.03,
                layout == Layout::Erect);

    const double arm = layout == Layout::Big ? 16 : layout == Layout::Small ? 8 : 11;
    PieceArtShapes::CornerBrackets(cr, field.Inset(3.5), arm, theme::kGold.WithAlpha(0.6), 1);
    if (layout == Layout::Big) {
        PieceArtShapes::CornerBrackets(cr, field.Inset(6.5), arm - 6,
                                       theme::kGoldLight.WithAlpha(0.35), 1);
    }
}

void PieceArtCard::PaintEmblem() {
    constexpr double kPi = std::numbers::pi;
    const Emblem emblem = general.emblem;
    const bool upright = PieceArtEmblem::Upright(emblem);
    ArtRect box = field.Inset(6);
    double angle = 0;
    switch (layout) {
    case Layout::Small:
        box = field.Inset(4);
        break;
    case Layout::Erect:
        angle = upright ? 0 : 0.16;
        break;
    case Layout::Across:
        if (upright) {
            // Standing at the right end, clear of the roundel.
            box = ArtRect{field.x + field.w * 0.5, field.y + 3, field.w * 0.5 - 4, field.h - 6};
        } else {
            angle = kPi / 2 - 0.12;
        }
        break;
    case Layout::Big:
        angle = upright ? 0 : kPi / 4;
        box = field.Inset(10);
        break;
    }
    PieceArtEmblem::Paint(cr, emblem, box, angle, general.faction.Shade(0.6), 0.3);
}

void PieceArtCard::PaintRoundel() {
    if (general.mark == nullptr) {
        return;
    }
    double x = field.CentreX();
    double y = field.y + 17;
    double radius = 12;
    if (layout == Layout::Across) {
        x = field.x + 19;
        y = field.CentreY();
    } else if (layout == Layout::Big) {
        x = field.x + 22;
        y = field.y + 22;
        radius = 14;
    }
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
    theme::kGold.Use(cr);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    theme::kWoodDark.Use(cr);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius - 2.5, 0, 2 * std::numbers::pi);
    theme::kInk.Shade(0.05).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);

    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = radius * 1.25;
    style.colour = theme::kGoldLight;
    DrawTextCentred(cr, style, general.mark, x - radius, y - radius + 0.5, 2 * radius, 2 * radius);
}

void PieceArtCard::PaintName() {
    const int count = CharacterCount(general.name);
    TextStyle style;
    style.family = kCalligraphy;
    style.colour = layout == Layout::Big ? theme::kGoldLight : theme::kParchmentLight;
    style.outline = layout == Layout::Big ? 2.5 : 2;
    style.outlineColour = theme::kInk.WithAlpha(0.9);

    if (layout == Layout::Erect) {
        style.sizePx = count >= 3 ? 31 : 36;
        const double line = style.sizePx * 1.08;
        const double top = field.y + 34;
        const double bottom = field.y + field.h - 4;
        const TextExtent one = MeasureText(cr, style, "兵");
        const double y = (top + bottom) / 2 - (count - 1) * line / 2 - one.height / 2;
        DrawTextVertical(cr, style, general.name, field.CentreX(), y, line);
        return;
    }
    ArtRect area = field;
    if (layout == Layout::Across) {
        style.sizePx = count >= 3 ? 32 : 36;
        style.letterSpacing = count >= 3 ? 2 : 8;
        area = ArtRect{field.x + 36, field.y, field.w - 40, field.h};
    } else if (layout == Layout::Big) {
        style.sizePx = 64;
        style.letterSpacing = 6;
        area = ArtRect{field.x, field.y + 12, field.w, field.h - 40};
    } else {
        style.sizePx = 50;
    }
    DrawTextCentred(cr, style, general.name, area.x, area.y, area.w, area.h);
}

void PieceArtCard::PaintSeal() {
    // A cinnabar name seal, its characters left in the paper colour as if carved.
    const ArtRect seal{field.x + field.w - 42, field.y + field.h - 44, 32, 34};
    PieceArtShapes::FillVertical(cr, seal, 3, theme::kCinnabar.Shade(0.08), theme::kCinnabarDark);
    cairo_save(cr);
    cairo_new_path(cr);
    PieceArtShapes::RoundedRect(cr, seal.Inset(2), 2);
    cairo_set_line_width(cr, 1.2);
    theme::kParchmentLight.WithAlpha(0.85).Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 13;
    style.colour = theme::kParchmentLight;
    DrawTextVertical(cr, style, "孟德", seal.CentreX(), seal.y + 2.5, 14);
}

} // namespace assetgen
