#include "marks/MarkArtIcon.h"

#include "Theme.h"
#include "pieces/PieceArtGrain.h"
#include "pieces/PieceArtShapes.h"

namespace assetgen {
namespace {

// The board in the icon's 64-pixel grid: cells of 10 x 9 from (12, 9).
constexpr int kLeft = 12;
constexpr int kTop = 7;
constexpr int kCellW = 10;
constexpr int kCellH = 9;

struct Block {
    int col;
    int row;
    int cols;
    int rows;
};

// A position one move from the win: the 2x2 block already over the gate.
constexpr Block kBlocks[] = {
    {0, 0, 1, 2}, {1, 0, 2, 1}, {3, 0, 1, 2}, {1, 1, 1, 1}, {2, 1, 1, 1},
    {0, 2, 1, 2}, {3, 2, 1, 2}, {0, 4, 1, 1}, {3, 4, 1, 1},
};
constexpr Block kBig = {1, 3, 2, 2};

ArtRect CellsOf(const Block& b) {
    return {static_cast<double>(kLeft + b.col * kCellW + 1),
            static_cast<double>(kTop + b.row * kCellH + 1), b.cols * kCellW - 2.0,
            b.rows * kCellH - 2.0};
}

} // namespace

void MarkArtIcon::Paint(Canvas& icon) {
    cairo_t* cr = icon.Cr();
    cairo_save(cr);
    cairo_scale(cr, icon.Width() / kGrid, icon.Height() / kGrid);
    Ink(cr);
    PieceArtGrain grain(PieceArtGrain::SeedOf("tpz"));
    grain.Apply(icon.Surface(), 0, 0, icon.Width(), icon.Height(), 0.045);
    Carving(cr);
    cairo_restore(cr);
}

void MarkArtIcon::Draw(cairo_t* cr, double size) {
    cairo_save(cr);
    cairo_scale(cr, size / kGrid, size / kGrid);
    Ink(cr);
    Carving(cr);
    cairo_restore(cr);
}

// The seal's cinnabar, lighter at the top left.
void MarkArtIcon::Ink(cairo_t* cr) {
    using namespace theme;
    cairo_pattern_t* ink = cairo_pattern_create_linear(0, 0, kGrid, kGrid);
    const Colour light = kCinnabar.Shade(0.1);
    const Colour dark = kCinnabarDark;
    cairo_pattern_add_color_stop_rgb(ink, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(ink, 1, dark.r, dark.g, dark.b);
    cairo_rectangle(cr, 0, 0, kGrid, kGrid);
    cairo_set_source(cr, ink);
    cairo_fill(cr);
    cairo_pattern_destroy(ink);
}

// The carved border of the seal and the board inside it.
void MarkArtIcon::Carving(cairo_t* cr) {
    using namespace theme;
    cairo_save(cr);
    cairo_new_path(cr);
    PieceArtShapes::RoundedRect(cr, ArtRect{0, 0, kGrid, kGrid}.Inset(3.5), 4);
    cairo_set_line_width(cr, 2);
    kParchmentLight.Use(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
    Board(cr);
}

void MarkArtIcon::Board(cairo_t* cr) {
    using namespace theme;
    cairo_save(cr);
    cairo_set_line_width(cr, 1.5);
    kParchmentLight.Use(cr);
    // The walls, open under the two middle columns.
    const double right = kLeft + 4 * kCellW + 0.75;
    const double bottom = kTop + 5 * kCellH + 0.75;
    const double left = kLeft - 0.75;
    const double top = kTop - 0.75;
    cairo_move_to(cr, kLeft + kCellW, bottom);
    cairo_line_to(cr, left, bottom);
    cairo_line_to(cr, left, top);
    cairo_line_to(cr, right, top);
    cairo_line_to(cr, right, bottom);
    cairo_line_to(cr, kLeft + 3 * kCellW, bottom);
    cairo_stroke(cr);
    for (const Block& block : kBlocks) {
        const ArtRect r = CellsOf(block);
        cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    }
    kParchment.Use(cr);
    cairo_fill(cr);

    const ArtRect big = CellsOf(kBig);
    cairo_pattern_t* gilt = cairo_pattern_create_linear(big.x, big.y, big.x + big.w, big.y + big.h);
    cairo_pattern_add_color_stop_rgb(gilt, 0, kGoldLight.r, kGoldLight.g, kGoldLight.b);
    cairo_pattern_add_color_stop_rgb(gilt, 1, kGold.r, kGold.g, kGold.b);
    cairo_rectangle(cr, big.x, big.y, big.w, big.h);
    cairo_set_source(cr, gilt);
    cairo_fill(cr);
    cairo_pattern_destroy(gilt);
    // A dark pip on the block, and a gilt arrow out through the gate.
    cairo_rectangle(cr, big.CentreX() - 2, big.CentreY() - 2, 4, 4);
    kCinnabarDark.Use(cr);
    cairo_fill(cr);
    const double gate = kLeft + 2 * kCellW;
    cairo_move_to(cr, gate - 5, bottom + 1.5);
    cairo_line_to(cr, gate + 5, bottom + 1.5);
    cairo_line_to(cr, gate, bottom + 5.5);
    cairo_close_path(cr);
    kGoldLight.Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace assetgen
