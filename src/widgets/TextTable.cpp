#include "widgets/TextTable.h"
#include "gfx/PixelKernels.h"

#include <algorithm>

#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "platform/TextRenderer.h"

namespace widgets {

TextTable::TextTable(platform::TextRenderer& renderer) : renderer(renderer) {}

TextTable::~TextTable() = default;

void TextTable::SetPadding(int newX, int newY) {
    paddingX = newX;
    paddingY = newY;
}

void TextTable::SetColumnWidth(int column, int columnWidth) {
    columnWidths[column] = columnWidth;
}

void TextTable::SetRowHeight(int row, int rowHeight) {
    rowHeights[row] = rowHeight;
}

void TextTable::SetCell(int row, int column, std::string_view text, std::uint32_t colour) {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) {
        return;
    }
    cells[row][column] = std::string(text);
    colours[row][column] = colour;
    MarkChanged();
}

int TextTable::RowsInUse() const {
    return std::clamp(rows, 0, kMaxRows);
}

int TextTable::ColumnsInUse() const {
    return std::clamp(columns, 0, kMaxColumns);
}

void TextTable::Layout() {
    MarkChanged();
    int top = screenY + paddingY;
    // Carried through the whole walk: a row or column without an entry keeps the last size.
    int cellWidth = 0;
    int cellHeight = 0;
    for (int r = 0; r < RowsInUse(); ++r) {
        if (const auto found = rowHeights.find(r); found != rowHeights.end()) {
            cellHeight = found->second;
        }
        int left = screenX + paddingX;
        for (int c = 0; c < ColumnsInUse(); ++c) {
            if (const auto found = columnWidths.find(c); found != columnWidths.end()) {
                cellWidth = found->second;
            }
            const int textWidth = static_cast<int>(cells[r][c].size()) * charWidth;
            // Signed halving: a text wider than its column overhangs it on both sides.
            cellPositions[r][c] = {left + (cellWidth - textWidth) / 2,
                                   top + (cellHeight - charHeight) / 2};
            left += cellWidth;
        }
        top += cellHeight;
    }
}

void TextTable::Draw(gfx::Display& target) {
    if (visible == 0) {
        return;
    }
    scene::Picture::Draw(target);
    gfx::Surface* back = target.BackBuffer();
    if (back == nullptr) {
        return;
    }
    // Only glyph pixels are written, so the background shows through around the letters.
    const platform::Rect bounds{0, 0, back->Width(), back->Height()};
    for (int r = 0; r < RowsInUse(); ++r) {
        for (int c = 0; c < ColumnsInUse(); ++c) {
            renderer.Draw(back->WritablePixels(), back->Description().pitch, back->Width(),
                          back->Height(), cellPositions[r][c].x, cellPositions[r][c].y, cells[r][c],
                          gfx::PixelKernels::SwapRedBlue(colours[r][c]), bounds);
        }
    }
}

} // namespace widgets
