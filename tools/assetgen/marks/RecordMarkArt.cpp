#include "marks/RecordMarkArt.h"

#include "Text.h"
#include "Theme.h"
#include "buttons/ButtonArtLabel.h"
#include "marks/MarkArt.h"
#include "pieces/PieceArtShapes.h"

namespace assetgen {
namespace {

// Four columns by seven rows per glyph, '#' inked; the slash comes after the digits.
constexpr const char* kGlyphs[11][7] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {".#..", "##..", ".#..", ".#..", ".#..", ".#..", "###."},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
    {"...#", "...#", "..#.", "..#.", ".#..", ".#..", "#..."},
};

// Fills whole pixels of one glyph, offset by (dx, dy) within its cell at cellX.
void FillGlyph(cairo_t* cr, int glyph, int cellX, int dx, int dy) {
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (kGlyphs[glyph][row][col] == '#') {
                cairo_rectangle(cr, cellX + col + dx, row + 1 + dy, 1, 1);
            }
        }
    }
    cairo_fill(cr);
}

} // namespace

void RecordMarkArt::Paint(ImageSet& images) {
    if (Canvas* canvas = images.Add(game::Image::RecordDigits)) {
        Digits(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::RecordSeal)) {
        Seal(*canvas);
    }
    if (Canvas* canvas = images.Add(game::Image::AssistedMark)) {
        Assisted(*canvas);
    }
}

void RecordMarkArt::Digits(Canvas& strip) {
    cairo_t* cr = strip.Cr();
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (int glyph = 0; glyph < 11; ++glyph) {
        const int cellX = glyph * kGlyphWidth;
        // A pale edge a pixel to the right and below lifts the ink off the dotted line.
        theme::kParchmentLight.Use(cr);
        FillGlyph(cr, glyph, cellX, 1, 1);
        theme::kWoodDark.Use(cr);
        FillGlyph(cr, glyph, cellX, 0, 0);
    }
    cairo_restore(cr);
}

void RecordMarkArt::Seal(Canvas& seal) {
    cairo_t* cr = seal.Cr();
    const ArtRect square{0, 0, static_cast<double>(seal.Width()),
                         static_cast<double>(seal.Height())};
    PieceArtShapes::FillCrisp(cr, square, 2, theme::kCinnabarDark);
    PieceArtShapes::FillVertical(cr, square.Inset(1), 1.5, theme::kCinnabar.Shade(0.1),
                                 theme::kCinnabar.Shade(-0.1));
    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 13;
    style.colour = theme::kParchmentLight;
    ButtonArtLabel::DrawAt(cr, style, "佳", square.CentreX(), square.CentreY());
}

void RecordMarkArt::Assisted(Canvas& mark) {
    MarkArt::Stamp(mark, theme::kJade.Shade(-0.45), theme::kJade, "助过");
    cairo_t* cr = mark.Cr();
    cairo_save(cr);
    // A small lamp: a gilt bowl on a foot, its flame above.
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 9);
    cairo_line_to(cr, 14, 9);
    cairo_curve_to(cr, 13.5, 12, 11.5, 12.5, 9.5, 12.5);
    cairo_curve_to(cr, 7.5, 12.5, 5.5, 12, 5, 9);
    cairo_close_path(cr);
    cairo_rectangle(cr, 8, 12.5, 3, 1.5);
    theme::kGoldLight.Use(cr);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 9.5, 2);
    cairo_curve_to(cr, 12.5, 5, 12.5, 8, 9.5, 8.5);
    cairo_curve_to(cr, 6.5, 8, 6.5, 5, 9.5, 2);
    cairo_close_path(cr);
    theme::kGoldLight.Shade(0.4).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace assetgen
