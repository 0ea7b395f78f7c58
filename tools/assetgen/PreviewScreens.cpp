#include "PreviewScreens.h"

#include <string>

#include "PreviewComposer.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

using namespace puzzle;

namespace assetgen {
namespace {

const std::string kUi = "Graphic/UI/";
const std::string kButton = "Graphic/Button/";
const std::string kSetting = "Graphic/setting/";
const Colour kWhite{1, 1, 1, 1};

// The window frame's title bar: bar, icon and the first frames of its three buttons.
void PlaceTitleBar(PreviewComposer& c) {
    c.Place(kUi + "ui_biaotilan.bmp", 0, 0);
    c.Place(kUi + "left_tile.png", 10, 0);
    c.Place(kButton + "zuidahua.bmp", 692, 0);
    c.Place(kButton + "zuixiaohua.bmp", 721, 0);
    c.Place(kButton + "close.bmp", 750, 0);
}

void PlaceMenu(PreviewComposer& c) {
    c.Place(kUi + "youxijiemian.bmp", 0, 0);
    c.Place(kButton + "set.bmp", 360, 537);
    c.Place(kButton + "leave.bmp", 583, 537);
    c.Place(kButton + "start.bmp", 313, 405);
    c.Place(kButton + "phangbang.bmp", 94, 537);
}

// Bytes of a UTF-8 text once converted to GBK: two per Chinese character.
int GbkLength(const std::string& text) {
    int length = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            ++length;
        } else if (byte >= 0xC0) {
            length += 2;
        }
    }
    return length;
}

// The leaderboard table with sample rows, laid out as the text table lays them out: each text
// centred in its cell counting 10 x 10 pixels a character.
void PlaceLeaderboard(PreviewComposer& c) {
    const int tableX = 250;
    const int tableY = 48;
    c.Place(kUi + "phbang.bmp", tableX, tableY);
    const char* names[10] = {"关云长",   "Zilong", "小乔",  "TOvak",      "赵子龙",
                             "Cao Meng", "TOvak",  "TOvak", "长坂坡英雄", "TOvak"};
    const char* scores[10] = {"267", "180", "96", "41", "37", "12", "0", "0", "0", "0"};
    const int widths[2] = {135, 33};
    for (int row = 0; row < 10; ++row) {
        const std::string cells[2] = {names[row], scores[row]};
        int left = tableX + 63;
        const int top = tableY + 135 + 34 * row;
        for (int column = 0; column < 2; ++column) {
            const int x = left + (widths[column] - GbkLength(cells[column]) * 10) / 2;
            c.Write(cells[column], x, top + (34 - 10) / 2, kWhite);
            left += widths[column];
        }
    }
}

std::string MenuWithLeaderboard(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    PlaceMenu(c);
    PlaceLeaderboard(c);
    c.Place(kUi + "logo.bmp", 20, 24, 1);
    PlaceTitleBar(c);
    return c.Png();
}

int SelectedPiece(const LevelFile::Grid& grid) {
    int first = 0;
    for (const std::int8_t number : grid) {
        if (number == kBigPiece) {
            return number;
        }
        if (first == 0 && number > 0) {
            first = number;
        }
    }
    return first;
}

// The board screen with a level's pieces, one of them selected, the level list on page 1 and
// the help on page 1.
void PlaceBoard(PreviewComposer& c, const Levels& levels) {
    c.Place(kUi + "desk.bmp", 0, 0);
    const LevelFile::Grid grid = levels.empty() ? LevelFile::Grid{} : levels.front().grid;
    const int selected = SelectedPiece(grid);
    double frameX = 0;
    double frameY = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const int number = grid[CellIndex(column, row)];
            if (number < 1 || number > kMaxPieceNumber) {
                continue;
            }
            const double x = 14 + kCellWidth * column;
            const double y = 36 + kCellHeight * row;
            c.Place(kUi + Piece::PortraitImage(number), x, y);
            if (number == selected) {
                frameX = x;
                frameY = y;
            }
        }
    }
    // The level list, page 1: arrows, five level buttons, five rows of name, line and mark.
    c.Place(kButton + "zsyy.bmp", 446, 59);
    c.Place(kButton + "zxyy.bmp", 616, 59);
    for (int k = 0; k < 5; ++k) {
        const std::string n = std::to_string(k + 1);
        c.Place("Graphic/Board/" + n + ".bmp", 476, 133 + 33 * k);
        c.Place("Graphic/Board/s" + n + ".bmp", 452, 368 + 20 * k);
    }
    c.Place(kButton + "frameMoreGame.bmp", 237, 544);
    c.Place(kButton + "dianwo.bmp", 28, 544);
    c.Place(kButton + "tc.bmp", 450, 544);
    if (selected != 0) {
        const std::string frame = Piece::FrameImage(Piece::ShapeOf(selected));
        c.Place("Graphic/Effects/" + frame, frameX, frameY);
    }
    c.Place(kUi + "jies.bmp", 660, 78, 1);
    c.Place(kButton + "syy.bmp", 670, 494, 4); // starts disabled
    c.Place(kButton + "xyy.bmp", 770, 494, 1);
    for (int k = 0; k < 5; ++k) {
        // Level 1 shown cleared, the rest not yet.
        c.Place(kUi + (k == 0 ? "ytg.bmp" : "wtg.bmp"), 565, 370 + 20 * k);
        c.Place(kUi + "xian.bmp", 514, 375 + 20 * k);
    }
    const char* steps = "0003";
    for (int i = 0; i < 4; ++i) {
        c.Place(kUi + "sfx_zi.bmp", 547 + 8 * i, 72, steps[i] - '0' + 1);
    }
    c.Place(kButton + "return_btn.bmp", 660, 542);
    PlaceTitleBar(c);
}

std::string Board(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    return c.Png();
}

std::string WinPanel(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    c.Place(kUi + "guog.bmp", 255, 150);
    c.Place(kButton + "xyg.bmp", 255 + 35, 150 + 180);
    c.Place(kButton + "qx.bmp", 255 + 175, 150 + 180);
    return c.Png();
}

std::string NameEntry(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    c.Place(kUi + "pinput.bmp", 225, 100);
    const std::string name = "曹孟德";
    c.Write(name, 225 + 80, 100 + 98, kWhite);
    cairo_t* cr = c.Target().Cr();
    kWhite.Use(cr);
    cairo_rectangle(cr, 225 + 80 + GbkLength(name) * 8, 100 + 98, 2, 15);
    cairo_fill(cr);
    c.Place(kButton + "i_rightbtn.bmp", 225 + 40, 100 + 160);
    c.Place(kButton + "i_nobtn.bmp", 225 + 200, 100 + 160);
    return c.Png();
}

std::string Settings(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    PlaceMenu(c);
    c.Place(kUi + "logo.bmp", 20, 24, 1);
    PlaceTitleBar(c);
    const int x = 223;
    const int y = 158;
    c.Place(kSetting + "m_set_node.bmp", x, y);
    c.Place(kUi + "drag.bmp", x + 95 + 14 * 10, y + 130);
    c.Place(kUi + "drag.bmp", x + 95 + 14 * 8, y + 180);
    c.Place(kSetting + "ok.bmp", x + 95, y + 208);
    c.Place(kSetting + "m_set_n.bmp", x + 190, y + 235);
    c.Place(kSetting + "m_set_y.bmp", x + 70, y + 235);
    return c.Png();
}

std::string LeaveDialog(const ImageSet& images, const Levels& levels) {
    PreviewComposer c(images, 800, 600);
    PlaceBoard(c, levels);
    c.Place(kUi + "zhezhao.png", 0, 0);
    c.Place(kSetting + "leave_lable.bmp", 248, 178);
    c.Place(kSetting + "set_r_btn.bmp", 248 + 30, 178 + 150);
    c.Place(kSetting + "set_n_btn.bmp", 248 + 170, 178 + 150);
    return c.Png();
}

std::string LoadingHalf(const ImageSet& images) {
    PreviewComposer c(images, 800, 600);
    c.Place(kUi + "lodingtiao.bmp", 0, 0);
    c.Place(kUi + "lodingtiao_1.png", 225, 542, 1, 354 / 2);
    return c.Png();
}

} // namespace

void WriteScreenPreviews(const ImageSet& images, const Levels& levels, OutputTree& preview) {
    preview.Write("menu-leaderboard.png", MenuWithLeaderboard(images));
    preview.Write("board-level1.png", Board(images, levels));
    preview.Write("win-panel.png", WinPanel(images, levels));
    preview.Write("name-entry.png", NameEntry(images, levels));
    preview.Write("settings.png", Settings(images));
    preview.Write("leave-dialog.png", LeaveDialog(images, levels));
    preview.Write("loading-half.png", LoadingHalf(images));
}

} // namespace assetgen
