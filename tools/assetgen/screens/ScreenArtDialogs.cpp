#include "screens/ScreenArtDialogs.h"

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtDialogPage.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

// A recessed seat under each button of a dialog, a little larger than the button.
void ButtonSeat(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRectPath(cr, x - 3, y - 3, w + 6, h + 6, 5);
    theme::kWoodDark.WithAlpha(0.35).Use(cr);
    cairo_fill(cr);
}

} // namespace

void PaintWinPanel(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintDialogPage(canvas, 701);
    const double cx = canvas.Width() / 2.0;
    const double bottom = PaintDialogTitle(canvas, "恭喜过关", "LEVEL CLEARED!", 18, 36);
    Seal(canvas, 236, 24, 30, "凯旋", 703);
    Divider(cr, cx, bottom + 12, 110, theme::kCinnabarDark.WithAlpha(0.85));
    PaintDialogLine(canvas, "曹操已破险关", "The general is through the pass.", cx, bottom + 22);
    // The steps taken and the fewest possible, each label left of its well; the game writes
    // the digits into the wells.
    TitleStyle label{16, 8, theme::kInk, theme::kWood, 0};
    TitlePair(cr, label, "步数", "STEPS", 58, 129);
    InkWell(canvas, 85, 132, 42, 21, 3, 705);
    TitlePair(cr, label, "最少", "FEWEST", 194, 129);
    InkWell(canvas, 221, 132, 42, 21, 3, 707);
    ButtonSeat(cr, 35, 180, 100, 38);
    ButtonSeat(cr, 175, 180, 100, 38);
}

void PaintNameEntry(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintDialogPage(canvas, 711);
    const double bottom = PaintDialogTitle(canvas, "名留青史", "A NEW RECORD! ENTER YOUR NAME", 14);
    Divider(cr, canvas.Width() / 2.0, bottom + 9, 120, theme::kCinnabarDark.WithAlpha(0.85));
    // The label left of the field and the field itself, where the game writes in white.
    TitleStyle label{17, 9, theme::kInk, theme::kWood, 0};
    TitlePair(cr, label, "名号", "NAME", 48, 92);
    InkWell(canvas, 76, 95, 200, 25, 3, 713);
    TextStyle hint{kPlain, 10, false, theme::kWood};
    hint.align = Align::Centre;
    DrawText(cr, hint, "至多六个汉字 · up to 13 letters", 176, 128);
    ButtonSeat(cr, 40, 160, 112, 39);
    ButtonSeat(cr, 200, 160, 112, 39);
}

void PaintLeaveDialog(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintDialogPage(canvas, 721);
    const double cx = canvas.Width() / 2.0;
    const double bottom = PaintDialogTitle(canvas, "离开游戏？", "LEAVE THE GAME?", 16, 32);
    Divider(cr, cx, bottom + 10, 110, theme::kCinnabarDark.WithAlpha(0.85));
    PaintDialogLine(canvas, "返回主菜单还是继续？", "Back to the menu, or play on?", cx,
                    bottom + 20);
    ButtonSeat(cr, 30, 150, 112, 38);
    ButtonSeat(cr, 170, 150, 112, 38);
    TextStyle keys{kPlain, 10, false, theme::kWood};
    keys.align = Align::Centre;
    DrawText(cr, keys, "Enter 回主菜单  ·  Esc 继续", cx, 200);
}

} // namespace assetgen
