#include "screens/ScreenArtLeaderboard.h"

#include <string>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

constexpr int kRows = 10;
constexpr double kFirstRow = 135;
constexpr double kRowHeight = 34;
constexpr double kNameLeft = 63;
constexpr double kNameRight = 198;
constexpr double kScoreRight = 231;
constexpr double kTableLeft = 28;
constexpr double kTableRight = 272;

// A wooden roller with gilt caps across the scroll's top or bottom.
void PaintRoller(Canvas& canvas, double y) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, y, 0, y + 16);
    const Colour stops[] = {theme::kWoodDark, theme::kWoodLight, theme::kWood,
                            theme::kWoodDark.Shade(-0.3)};
    const double offsets[] = {0, 0.3, 0.65, 1};
    for (int i = 0; i < 4; ++i) {
        cairo_pattern_add_color_stop_rgb(wood, offsets[i], stops[i].r, stops[i].g, stops[i].b);
    }
    cairo_rectangle(cr, 10, y, w - 20, 16);
    cairo_set_source(cr, wood);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    for (const double capX : {0.0, w - 12}) {
        RoundedRectPath(cr, capX, y - 2, 12, 20, 2);
        theme::kGoldDark.Use(cr);
        cairo_fill(cr);
        GoldRule(cr, capX + 2, y + 8, capX + 10, y + 8, 14);
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

void PaintColumnTitles(cairo_t* cr) {
    TextStyle chinese{kCalligraphy, 15, false, theme::kInk};
    TextStyle english{kPlain, 10, false, theme::kCinnabarDark};
    auto pair = [&](const char* zh, const char* en, double centreX) {
        const double zhW = MeasureText(cr, chinese, zh).width;
        const double total = zhW + 3 + MeasureText(cr, english, en).width;
        DrawText(cr, chinese, zh, centreX - total / 2, 110);
        DrawText(cr, english, en, centreX - total / 2 + zhW + 3, 115);
    };
    pair("名号", "Name", (kNameLeft + kNameRight) / 2);
    pair("关", "Lv", (kNameRight + kScoreRight) / 2 + 1);
    TextStyle rank{kPlain, 10, false, theme::kCinnabarDark};
    rank.align = Align::Centre;
    DrawText(cr, rank, "No.", 46, 115);
}

void PaintRows(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double top = kFirstRow - 3;
    const double height = kRows * kRowHeight + 4;
    GoldFrame(cr, kTableLeft - 2, top - 2, kTableRight - kTableLeft + 4, height + 4, 5, 2);
    RoundedRectPath(cr, kTableLeft, top, kTableRight - kTableLeft, height, 3);
    FillPathWith(canvas, LacquerShader(811, -0.05));
    for (int row = 0; row < kRows; ++row) {
        const double y = kFirstRow + row * kRowHeight;
        if (row % 2 == 1) {
            cairo_rectangle(cr, kTableLeft + 1, y, kTableRight - kTableLeft - 2, kRowHeight);
            theme::kInk.WithAlpha(0.35).Use(cr);
            cairo_fill(cr);
        }
        if (row > 0) {
            theme::kGold.WithAlpha(0.25).Use(cr);
            cairo_rectangle(cr, kTableLeft + 6, y, kTableRight - kTableLeft - 12, 1);
            cairo_fill(cr);
        }
        // The rank: the first three on cinnabar seals.
        const std::string number = std::to_string(row + 1);
        const double centreY = y + kRowHeight / 2;
        TextStyle digits{kPlain, 13, true, theme::kGoldLight};
        if (row < 3) {
            RoundedRectPath(cr, 36, centreY - 10, 20, 20, 2);
            theme::kCinnabar.Use(cr);
            cairo_fill(cr);
        } else {
            digits.colour = theme::kGold;
            digits.bold = false;
        }
        DrawTextCentred(cr, digits, number, 36, centreY - 10, 20, 20);
    }
    // The column line between names and results.
    theme::kGold.WithAlpha(0.3).Use(cr);
    cairo_rectangle(cr, kNameRight + 1, kFirstRow + 4, 1, kRows * kRowHeight - 8);
    cairo_rectangle(cr, kNameLeft - 3, kFirstRow + 4, 1, kRows * kRowHeight - 8);
    cairo_fill(cr);
}

} // namespace

void PaintLeaderboard(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    // The paper, cut square and crisp, between the rollers.
    cairo_rectangle(cr, 16, 10, w - 32, h - 20);
    FillPathWith(canvas, ParchmentShader(801), false);
    cairo_save(cr);
    theme::kCinnabarDark.WithAlpha(0.7).Use(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 22.5, 22.5, w - 45, h - 45);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.8);
    cairo_rectangle(cr, 25.5, 25.5, w - 51, h - 51);
    cairo_stroke(cr);
    cairo_restore(cr);
    PaintRoller(canvas, 2);
    PaintRoller(canvas, h - 18);
    TitleStyle title{34, 11, theme::kInk, theme::kCinnabarDark, 0};
    const double bottom = TitlePair(cr, title, "排行榜", "RANKING", w / 2, 30);
    Seal(canvas, 214, 38, 26, "英雄", 803);
    Divider(cr, w / 2, bottom + 7, 100, theme::kCinnabarDark.WithAlpha(0.8));
    PaintColumnTitles(cr);
    PaintRows(canvas);
}

} // namespace assetgen
