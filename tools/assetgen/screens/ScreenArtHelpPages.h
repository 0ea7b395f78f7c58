#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// jies.bmp: three narrow hanging scrolls of 119 x 396, side by side. Page 1 the goal, page 2
// how to select and move a block and the step counter, page 3 the level list and the keys.
void PaintHelpPages(Canvas& canvas);

// The lines of running text of a page (1..3) as they are laid out, each with its family and
// size, so that they can be measured against the page's width.
struct HelpLine {
    std::string text;
    bool calligraphy = false;
    double size = 10;
};
std::vector<HelpLine> HelpPageLines(int page);

// The width text may take on a page.
inline constexpr double kHelpTextWidth = 92;

} // namespace assetgen
