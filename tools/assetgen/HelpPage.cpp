#include <string>

#include "Painters.h"
#include "Theme.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

using namespace puzzle;

namespace assetgen {
namespace {

constexpr int kCell = 12;

std::string FillOf(int number) {
    switch (Piece::ShapeOf(number)) {
    case Shape::Big:
        return theme::kBigBlock.Css();
    case Shape::Across:
        return theme::kOther.Css();
    case Shape::Erect:
        return theme::kShu.Css();
    case Shape::Small:
        break;
    }
    return theme::kSoldier.Css();
}

// A small drawing of a layout: each piece a rounded block, the exit marked under the board.
std::string LayoutDrawing(const LevelFile::Grid& grid) {
    const int width = kColumns * kCell + 4;
    const int height = kRows * kCell + 6;
    std::string svg = "<svg width=\"" + std::to_string(width) + "\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) + " " +
                      std::to_string(height) + "\"><rect x=\"0\" y=\"0\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height - 2) +
                      "\" rx=\"2\" fill=\"#4a2414\"/><rect x=\"" + std::to_string(2 + kCell) +
                      "\" y=\"" + std::to_string(height - 4) + "\" width=\"" +
                      std::to_string(2 * kCell) + "\" height=\"4\" fill=\"#d4a843\"/>";
    bool seen[32] = {};
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
            const int number = grid[CellIndex(column, row)];
            if (number < 1 || number > 31 || seen[number]) {
                continue;
            }
            seen[number] = true;
            const Shape shape = Piece::ShapeOf(number);
            svg += "<rect x=\"" + std::to_string(2 + column * kCell + 1) + "\" y=\"" +
                   std::to_string(2 + row * kCell + 1) + "\" width=\"" +
                   std::to_string(Piece::ColumnsOf(shape) * kCell - 2) + "\" height=\"" +
                   std::to_string(Piece::RowsOf(shape) * kCell - 2) + "\" rx=\"2\" fill=\"" +
                   FillOf(number) + "\"/>";
        }
    }
    return svg + "</svg>";
}

const char* kHead = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>Tovak Marudo · 帮助 Help</title>
<style>
body { background: #ead9b0; color: #1e1a17; font-family: "WenQuanYi Micro Hei", sans-serif;
       max-width: 960px; margin: 0 auto; padding: 24px; }
h1, h2 { font-family: "AR PL UKai CN", serif; color: #7e1e12; }
h1 { border-bottom: 3px double #8c6a22; padding-bottom: 8px; }
.en { color: #5d6264; font-size: 90%; }
kbd { background: #f5ebcf; border: 1px solid #8c6a22; border-radius: 3px; padding: 1px 6px; }
table { border-collapse: collapse; width: 100%; }
td, th { border-bottom: 1px solid #c9ae7a; padding: 4px 8px; text-align: left; vertical-align: middle; }
th { background: #4a2414; color: #f3d98a; }
tr:nth-child(even) td { background: #f5ebcf; }
</style>
</head>
<body>
<h1>Tovak Marudo · 险关突围</h1>
)";

const char* kRules = R"(<h2 id="play">怎么玩 <span class="en">How to play</span></h2>
<p>棋盘四格宽、五格高。把蓝色的大方块（曹操）移到棋盘底部中间的出口，即可过关。</p>
<p class="en">The board is four cells wide and five high. Bring the big blue 2×2 block (Cao Cao) to
the exit in the middle of the bottom edge to win the level.</p>
<ul>
<li>单击一块选中它，它周围会出现金色的框。<span class="en">Click a block to select it; a golden
frame shows the selection.</span></li>
<li>再单击同一行或同一列的空格，选中的块就朝那里移动一格。<span class="en">Then click an empty
cell in line with it: the block moves one cell towards it.</span></li>
<li>右上方的计数器记录本关走了多少步。<span class="en">The counter at the top right shows the
steps of this attempt.</span></li>
<li>右侧的关卡列表可以翻页，单击任一关即可开始；已过的关卡标着“已通过”。<span class="en">The level
list on the right pages with its arrows; click any level to play it. Cleared levels are marked.</span></li>
<li>过关后可以直接进入下一关。你的进度会自动保存。<span class="en">After a win, go straight on to the
next level. Your progress is saved as you play.</span></li>
<li>也可以只用键盘：<kbd>Tab</kbd> 选块，方向键移动。<span class="en">The keyboard alone will do as
well: <kbd>Tab</kbd> selects a block, the arrow keys move it.</span></li>
</ul>
<h2 id="keys">按键 <span class="en">Keys</span></h2>
<table>
<tr><th>按键 Key</th><th>作用 What it does</th></tr>
<tr><td><kbd>Tab</kbd> · <kbd>Shift</kbd>+<kbd>Tab</kbd></td><td>选中下一块或上一块，从左上角起逐行排列 · Selects the next or the previous block, row by row from the top left</td></tr>
<tr><td><kbd>←</kbd> <kbd>↑</kbd> <kbd>→</kbd> <kbd>↓</kbd></td><td>选中的块朝该方向走一格，算一步 · Moves the selected block one cell that way; each move is a step</td></tr>
<tr><td><kbd>H</kbd></td><td>提示下一步该怎么走 · Shows a hint for the next move</td></tr>
<tr><td><kbd>Page Up</kbd> · <kbd>Page Down</kbd></td><td>关卡列表翻页 · Turns the pages of the level list</td></tr>
<tr><td><kbd>Esc</kbd></td><td>打开或关闭“离开游戏”对话框（游戏暂停） · Opens or closes the leave dialog (the game pauses)</td></tr>
<tr><td><kbd>Enter</kbd></td><td>在主菜单开始游戏；过关后进入下一关；在离开对话框中返回主菜单 · Starts the game on the menu; goes on to the next level after a win; returns to the menu from the leave dialog</td></tr>
<tr><td><kbd>Ctrl</kbd>+<kbd>+</kbd> · <kbd>Ctrl</kbd>+<kbd>−</kbd> · <kbd>Ctrl</kbd>+<kbd>0</kbd></td><td>放大、缩小窗口，或恢复原来大小 · Makes the window larger or smaller, or gives it back its own size</td></tr>
<tr><td><kbd>Alt</kbd>+<kbd>Enter</kbd></td><td>切换全屏与窗口 · Switches between full screen and a window</td></tr>
</table>
)";

} // namespace

std::string MakeHelpPage(const Levels& levels) {
    std::string html = kHead;
    html += kRules;
    html += "<h2 id=\"levels\">关卡 <span class=\"en\">Levels</span></h2>\n<table>\n"
            "<tr><th>关 No.</th><th>名称 Name</th><th>最少步数 Fewest steps</th>"
            "<th>布局 Layout</th></tr>\n";
    for (const LevelSetFile::Level& level : levels) {
        html += "<tr><td>第" + std::to_string(level.number) + "关</td><td>" + level.name +
                "</td><td>" + std::to_string(level.steps) + "</td><td>" +
                LayoutDrawing(level.grid) + "</td></tr>\n";
    }
    html += "</table>\n</body>\n</html>\n";
    return html;
}

std::string MakeDefaultSettings(const std::string& helpAddress) {
    return "[board]\nmaxboard=266\n"
           "[website]\nweb1=" +
           helpAddress + "#play\nweb2=" + helpAddress + "#levels\nweb3=" + helpAddress +
           "#keys\n"
           "[set]\nfullscreen=0\n"
           "[volume]\nsound=10\nmusic=8\n";
}

std::string MakeDesktopEntry(const std::string& gameDir) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tovak Marudo\n"
           "Comment=A sliding-block puzzle of 267 levels\n"
           "Exec=\"" +
           gameDir +
           "/tovak-marudo\"\n"
           "Icon=" +
           gameDir +
           "/tovak-marudo.png\n"
           "Terminal=false\n"
           "Categories=Game;LogicGame;\n";
}

} // namespace assetgen
