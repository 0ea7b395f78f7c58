#include "screens/ScreenArtBoardBackground.h"

#include <cstdint>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtLandscape.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"
#include "screens/ScreenArtPlaque.h"

namespace assetgen {
namespace {

// The board as the game places pieces on it.
constexpr int kBoardX = 14;
constexpr int kBoardY = 36;
constexpr int kCellW = 98;
constexpr int kCellH = 94;
constexpr int kBoardW = 4 * kCellW;
constexpr int kBoardH = 5 * kCellH;
// The exit: the bottom edge under columns 1 and 2.
constexpr int kExitLeft = kBoardX + kCellW;
constexpr int kExitRight = kBoardX + 3 * kCellW;
constexpr int kFrame = 11;

constexpr int kShelfTop = 527;

void PaintBoardFloor(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // Warm paper, with a faint painted pass running down to the gate.
    ShadePixels(canvas, kBoardX, kBoardY, kBoardW, kBoardH, ParchmentShader(501, -0.1));
    ShadePixels(canvas, kExitLeft, kBoardY + kBoardH, kExitRight - kExitLeft,
                kShelfTop - kBoardY - kBoardH, ParchmentShader(501, -0.1));
    MountainRange hills{kBoardY + 300.0, 120, 110, theme::kInkWash, 0.16, 60, 503};
    hills.passX = kBoardX + kBoardW / 2.0;
    hills.passWidth = 70;
    hills.passDepth = 120;
    PaintMountains(canvas, kBoardX, kBoardY, kBoardW, kBoardH, hills);
    PaintMist(canvas, kBoardX, kBoardY, kBoardW, kBoardH, kBoardY + 380, 50, 0.35, 505);
    // Each cell is a shallow well: darker towards its edges.
    cairo_save(cr);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 5; ++row) {
            const double x = kBoardX + column * kCellW;
            const double y = kBoardY + row * kCellH;
            for (int i = 0; i < 4; ++i) {
                theme::kWoodDark.WithAlpha(0.1 - i * 0.02).Use(cr);
                cairo_set_line_width(cr, 1);
                cairo_rectangle(cr, x + 1.5 + i, y + 1.5 + i, kCellW - 3 - 2 * i,
                                kCellH - 3 - 2 * i);
                cairo_stroke(cr);
            }
        }
    }
    // Engraved grid: a dark groove on each cell edge with a lit lip beside it.
    theme::kWoodDark.WithAlpha(0.75).Use(cr);
    for (int column = 1; column < 4; ++column) {
        cairo_rectangle(cr, kBoardX + column * kCellW - 1, kBoardY, 2, kBoardH);
    }
    for (int row = 1; row < 5; ++row) {
        cairo_rectangle(cr, kBoardX, kBoardY + row * kCellH - 1, kBoardW, 2);
    }
    cairo_fill(cr);
    theme::kParchmentLight.WithAlpha(0.55).Use(cr);
    for (int column = 1; column < 4; ++column) {
        cairo_rectangle(cr, kBoardX + column * kCellW + 1, kBoardY, 1, kBoardH);
    }
    for (int row = 1; row < 5; ++row) {
        cairo_rectangle(cr, kBoardX, kBoardY + row * kCellH + 1, kBoardW, 1);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintBoardFrame(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double x = kBoardX - kFrame;
    const double y = kBoardY - kFrame;
    const double w = kBoardW + 2 * kFrame;
    const double h = kBoardH + 2 * kFrame;
    // The lacquered frame around the board, open at the gate.
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRectPath(cr, x, y, w, h, 6);
    cairo_rectangle(cr, kBoardX, kBoardY, kBoardW, kBoardH);
    // Even-odd: the gate's rectangle must meet the board and the frame's outer edge exactly,
    // or the rows where they overlap or overhang are filled again.
    cairo_rectangle(cr, kExitLeft, kBoardY + kBoardH, kExitRight - kExitLeft, kFrame);
    FillPathWith(canvas, LacquerShader(511, 0.05));
    cairo_restore(cr);
    // Gilt: the outer edge, and a fine line framing the board itself.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, canvas.Width(), canvas.Height());
    cairo_rectangle(cr, kExitLeft - 1, kBoardY + kBoardH - 8, kExitRight - kExitLeft + 2,
                    kFrame + 12);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    GoldFrame(cr, x, y, w, h, 6, 2.5);
    GoldFrame(cr, kBoardX - 3, kBoardY - 3, kBoardW + 6, kBoardH + 6, 2, 1.5);
    cairo_restore(cr);
    FretCorners(cr, x + 4, y + 3, w - 8, h - 6, 6, theme::kGold.WithAlpha(0.9), 1);
}

// The gate under the exit: two cinnabar posts with gilt caps, the floor running out between
// them, and its name.
void PaintExitGate(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const double bottom = kShelfTop - 1;
    const double top = kBoardY + kBoardH - 2;
    for (const double postX : {kExitLeft - 7.0, static_cast<double>(kExitRight)}) {
        RoundedRectPath(cr, postX, top, 7, bottom - top, 1.5);
        theme::kCinnabar.Use(cr);
        cairo_fill_preserve(cr);
        theme::kCinnabarDark.Use(cr);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        RoundedRectPath(cr, postX - 1.5, top - 1, 10, 4, 1);
        theme::kGold.Use(cr);
        cairo_fill(cr);
    }
    // The gate's name between two chevrons pointing out of the board.
    TextStyle name{kCalligraphy, 14, false, theme::kCinnabarDark};
    TextStyle english{kPlain, 10, false, theme::kWood};
    const double nameW = MeasureText(cr, name, "关隘出口").width;
    const double width = nameW + 6 + MeasureText(cr, english, "EXIT").width;
    const double left = (kExitLeft + kExitRight) / 2.0 - width / 2;
    DrawText(cr, name, "关隘出口", left, kBoardY + kBoardH + 2);
    DrawText(cr, english, "EXIT", left + nameW + 6, kBoardY + kBoardH + 5);
    theme::kCinnabar.Use(cr);
    cairo_set_line_width(cr, 1.5);
    for (const double cx : {left - 16, left + width + 16}) {
        for (int i = 0; i < 2; ++i) {
            const double y = kBoardY + kBoardH + 6 + i * 5;
            cairo_move_to(cr, cx - 4, y);
            cairo_line_to(cr, cx, y + 4);
            cairo_line_to(cr, cx + 4, y);
        }
    }
    cairo_stroke(cr);
}

void PaintPanel(Canvas& canvas, double x, double y, double w, double h, std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    RoundedRectPath(cr, x + 2, y + 3, w, h, 6);
    theme::kInk.WithAlpha(0.5).Use(cr);
    cairo_fill(cr);
    RoundedRectPath(cr, x, y, w, h, 6);
    FillPathWith(canvas, LacquerShader(seed));
    GoldFrame(cr, x, y, w, h, 6, 2.5);
    cairo_save(cr);
    theme::kGold.WithAlpha(0.45).Use(cr);
    cairo_set_line_width(cr, 1);
    RoundedRectPath(cr, x + 5.5, y + 5.5, w - 11, h - 11, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The step counter: its label left of the digits, the digits in an ink well.
void PaintStepCounter(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    TitleStyle style{18, 9, theme::kGoldLight, theme::kParchmentDark, 0};
    TitlePair(cr, style, "步数", "STEPS", 506, 62);
    InkWell(canvas, 542, 67, 42, 25, 3, 521);
}

void PaintLevelPanel(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintPanel(canvas, 424, 30, 226, 492, 531);
    PaintStepCounter(canvas);
    Divider(cr, 540, 115, 84, theme::kGold.WithAlpha(0.8));
    // The rack of the five level buttons.
    RoundedRectPath(cr, 468, 126, 145, 176, 4);
    FillPathWith(canvas, LacquerShader(533, -0.3));
    GoldFrame(cr, 468, 126, 145, 176, 4, 1.5);
    CloudCurl(cr, 476, 312, 18, false, theme::kGold.WithAlpha(0.75));
    CloudCurl(cr, 604, 312, 18, true, theme::kGold.WithAlpha(0.75));
    // The list's title and its parchment.
    TextStyle chinese{kCalligraphy, 18, false, theme::kGoldLight};
    TextStyle english{kPlain, 11, false, theme::kParchmentDark};
    english.letterSpacing = 1.5;
    const double titleW =
        MeasureText(cr, chinese, "关卡").width + 8 + MeasureText(cr, english, "LEVELS").width;
    const double titleX = 540 - titleW / 2;
    DrawText(cr, chinese, "关卡", titleX, 334);
    DrawText(cr, english, "LEVELS", titleX + MeasureText(cr, chinese, "关卡").width + 8, 340);
    Seal(canvas, 603, 335, 22, "选", 535);
    GoldFrame(cr, 443, 364, 195, 121, 2, 2);
    cairo_rectangle(cr, 445, 366, 191, 117);
    FillPathWith(canvas, ParchmentShader(537));
    // Faint row guides under each of the five rows.
    cairo_save(cr);
    theme::kWood.WithAlpha(0.2).Use(cr);
    for (int k = 0; k < 5; ++k) {
        cairo_rectangle(cr, 449, 368 + 20 * k + 18, 183, 1);
    }
    cairo_fill(cr);
    theme::kWood.WithAlpha(0.05).Use(cr);
    for (int k = 1; k < 5; k += 2) {
        cairo_rectangle(cr, 446, 368 + 20 * k - 1, 189, 20);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    Divider(cr, 540, 503, 80, theme::kGold.WithAlpha(0.7));
}

void PaintHelpPanel(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintPanel(canvas, 653, 64, 140, 453, 541);
    // The label between the two page arrows.
    TextStyle chinese{kCalligraphy, 14, false, theme::kGoldLight};
    TextStyle english{kPlain, 9, false, theme::kParchmentDark};
    const double w =
        MeasureText(cr, chinese, "帮助").width + 4 + MeasureText(cr, english, "HELP").width;
    const double x = 726.5 - w / 2;
    DrawText(cr, chinese, "帮助", x, 490);
    DrawText(cr, english, "HELP", x + MeasureText(cr, chinese, "帮助").width + 4, 494);
}

// The shelf along the bottom with a recessed seat for each button.
void PaintShelf(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, kShelfTop, canvas.Width(), canvas.Height() - kShelfTop);
    FillPathWith(canvas, WoodShader(551, -0.12));
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, kShelfTop - 8, 0, kShelfTop);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.4);
    cairo_rectangle(cr, 0, kShelfTop - 8, canvas.Width(), 8);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    GoldRule(cr, 0, kShelfTop + 1.5, canvas.Width(), kShelfTop + 1.5, 3);
    theme::kInk.WithAlpha(0.6).Use(cr);
    cairo_rectangle(cr, 0, kShelfTop + 3, canvas.Width(), 1);
    cairo_fill(cr);
    const double seats[][2] = {{28, 544}, {237, 544}, {450, 544}, {660, 542}};
    for (const auto& seat : seats) {
        RoundedRectPath(cr, seat[0] - 5, seat[1] - 5, 140, 60, 6);
        FillPathWith(canvas, LacquerShader(553, -0.3));
        GoldFrame(cr, seat[0] - 5, seat[1] - 5, 140, 60, 6, 1.5);
    }
    const double gaps[] = {197.5, 410.5, 620};
    for (const double cx : gaps) {
        CloudCurl(cr, cx - 19, 560, 18, false, theme::kGold.WithAlpha(0.8));
        CloudCurl(cr, cx + 19, 560, 18, true, theme::kGold.WithAlpha(0.8));
    }
}

} // namespace

void PaintBoardBackground(Canvas& canvas) {
    ShadePixels(canvas, 0, 0, canvas.Width(), canvas.Height(), WoodShader(500));
    PaintBoardFloor(canvas);
    PaintBoardFrame(canvas);
    PaintShelf(canvas);
    PaintExitGate(canvas);
    PaintLevelPanel(canvas);
    PaintHelpPanel(canvas);
    PaintGuidePlaque(canvas, 561);
}

} // namespace assetgen
