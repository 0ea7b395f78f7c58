#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "scene/Picture.h"

namespace platform {
class TextRenderer;
}

namespace widgets {

// A picture with a grid of up to 20 x 20 text cells drawn over it, each cell in its own colour
// and centred in its column and row. Column widths and row heights are given per column and row;
// one without an entry takes the width or height last used in the layout walk.
class TextTable : public scene::Picture {
public:
    static constexpr int kMaxRows = 20;
    static constexpr int kMaxColumns = 20;

    struct CellPosition {
        int x = 0;
        int y = 0;
        bool operator==(const CellPosition&) const = default;
    };

    // Draws the cells' texts with `renderer`, which must outlive the table.
    explicit TextTable(platform::TextRenderer& renderer);
    ~TextTable() override;

    void SetPadding(int x, int y);
    void SetColumnWidth(int column, int width);
    void SetRowHeight(int row, int height);
    // Sets the text (GBK bytes) and colour (a GDI colour, 0x00BBGGRR) of one cell; a row or
    // column outside 0..19 is ignored.
    void SetCell(int row, int column, std::string_view text, std::uint32_t colour);
    // Computes the back-buffer position of every cell in use from the current screen position.
    // Run it after placing the table and after every change of texts, widths or heights.
    void Layout();

    // Nothing while hidden; otherwise the picture and its children, then the texts of the cells
    // in use.
    void Draw(gfx::Display& target) override;

    // The cells in use, set by the filling code before Layout; clamped to 0..20 where read.
    int rows = 0;
    int columns = 0;
    std::array<std::array<std::string, kMaxColumns>, kMaxRows> cells;
    std::array<std::array<std::uint32_t, kMaxColumns>, kMaxRows> colours{};
    std::map<int, int> columnWidths;
    std::map<int, int> rowHeights;
    std::array<std::array<CellPosition, kMaxColumns>, kMaxRows> cellPositions{};
    // What the layout counts per character and per line. The font draws 8 x 16 per byte, so
    // texts sit a little left of and below the true centre of their cells.
    int charWidth = 10;
    int charHeight = 10;
    int paddingX = 0;
    int paddingY = 0;

private:
    int RowsInUse() const;
    int ColumnsInUse() const;

    platform::TextRenderer& renderer;
};

} // namespace widgets
