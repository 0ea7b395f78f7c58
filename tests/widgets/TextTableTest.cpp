#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "platform/TextRenderer.h"
#include "widgets/TextTable.h"

using namespace gfx;
using namespace scene;
using namespace widgets;

namespace {

using Cell = TextTable::CellPosition;

// GDI colours (0x00BBGGRR).
constexpr std::uint32_t kGdiRed = 0x0000FF;
constexpr std::uint32_t kGdiBlue = 0xFF0000;

class TextTableTest : public WidgetFixture {
protected:
    TextTableTest() : WidgetFixture(120, 60) {}

    // Places the table as a root at (x, y) with a size, so it has a screen position.
    void Place(int x, int y) {
        table.SetPosition(x, y);
        table.SetSize(100, 50);
    }

    platform::TextRenderer renderer;
    TextTable table{renderer};
};

TEST_F(TextTableTest, CellsAreCentredWithSignedHalving) {
    struct Case {
        int length, columnWidth, rowHeight;
        Cell offset;
    };
    const Case cases[] = {
        {5, 100, 30, {25, 10}}, {6, 40, 30, {-10, 10}}, {3, 25, 16, {-2, 3}}, {1, 25, 5, {7, -2}}};
    Place(30, 20);
    table.SetPadding(5, 4);
    table.rows = table.columns = 1;
    for (const Case& c : cases) {
        table.SetCell(0, 0, std::string(static_cast<std::size_t>(c.length), 'A'), 0);
        table.SetColumnWidth(0, c.columnWidth);
        table.SetRowHeight(0, c.rowHeight);
        table.Layout();
        EXPECT_EQ(table.cellPositions[0][0], (Cell{35 + c.offset.x, 24 + c.offset.y}))
            << c.length << " characters in " << c.columnWidth << " x " << c.rowHeight;
    }
}

TEST_F(TextTableTest, SizesWithoutAnEntryCarryOverThroughTheWalk) {
    Place(30, 20);
    table.SetPadding(5, 4);
    table.SetColumnWidth(1, 100);
    table.SetColumnWidth(2, 25);
    table.SetRowHeight(1, 30);
    const char* texts[3][3] = {{"AB", "ABCDE", "ABC"}, {"A", "ABCDEF", ""}, {"ABCDEFGH", "", ""}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            table.SetCell(r, c, texts[r][c], 0);
        }
    }
    table.SetCell(3, 0, "beyond", 0);
    table.SetCell(0, 3, "beyond", 0);
    table.rows = table.columns = 3;
    table.Layout();
    // Row 0 has height 0 and column 0 width 0 until their first entries; row 1 begins with the
    // width of column 2, and row 2 keeps the height of row 1.
    const Cell expected[3][3] = {{{25, 19}, {60, 19}, {133, 19}},
                                 {{42, 34}, {80, 34}, {172, 34}},
                                 {{8, 64}, {110, 64}, {172, 64}}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(table.cellPositions[r][c], expected[r][c]) << r << ", " << c;
        }
    }
    EXPECT_EQ(table.cellPositions[3][0], Cell{});
    EXPECT_EQ(table.cellPositions[0][3], Cell{});
    EXPECT_EQ(table.cells[3][0], "beyond");

    Place(0, 0);
    EXPECT_EQ(table.cellPositions[1][1], (Cell{80, 34})) << "moved without a new layout";
    table.Layout();
    EXPECT_EQ(table.cellPositions[1][1], (Cell{50, 14}));
}

TEST_F(TextTableTest, OutOfRangeCellsAndCountsAreIgnoredOrClamped) {
    for (const auto& [row, column] : {std::pair{-1, 0}, {20, 0}, {0, -1}, {0, 20}, {20, 20}}) {
        table.SetCell(row, column, "X", kGdiRed);
    }
    for (const auto& row : table.cells) {
        for (const std::string& text : row) {
            EXPECT_EQ(text, "");
        }
    }
    Place(0, 0);
    table.SetColumnWidth(0, 10);
    table.SetRowHeight(0, 10);
    table.rows = 25;
    table.columns = 25;
    table.Layout();
    EXPECT_EQ(table.cellPositions[19][19], (Cell{195, 190}));
    EXPECT_EQ(table.charWidth, 10) << "nothing written past the grid";
    EXPECT_EQ(table.charHeight, 10);
    table.Draw(*display);
}

TEST_F(TextTableTest, DrawsEachCellInItsColourOverThePicture) {
    if (!renderer.Available()) {
        GTEST_SKIP() << "GNU Unifont is not installed";
    }
    const std::string path = WriteStrip("table.bmp", 1, 100, 50);
    ASSERT_EQ(table.LoadImage(*display, path, 10, 5, 100, 50, 1), 1);
    table.SetColumnWidth(0, 40);
    table.SetRowHeight(0, 20);
    table.SetCell(0, 0, "Ab", kGdiRed);
    table.SetCell(0, 1, "W", kGdiBlue);
    table.cells[1][0] = "Hi"; // no colour given: black
    table.SetCell(1, 1, "g", 0x00FFFFFF);
    table.SetCell(2, 0, "hidden", kGdiRed);
    table.rows = 2;
    table.columns = 2;
    table.Layout();

    // What the picture alone draws, then the texts in their colours, converted by hand.
    display->ClearBackBuffer(0xFFFF);
    table.Picture::Draw(*display);
    std::vector<std::uint16_t> expected = BackPixels();
    const int pitch = Back().Width() * 2;
    const std::pair<int, int> drawn[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    const std::uint32_t rgb[] = {0xFF0000, 0x0000FF, 0x000000, 0xFFFFFF};
    for (int i = 0; i < 4; ++i) {
        const auto [r, c] = drawn[i];
        renderer.Draw(expected.data(), pitch, Back().Width(), Back().Height(),
                      table.cellPositions[r][c].x, table.cellPositions[r][c].y, table.cells[r][c],
                      rgb[i], {0, 0, Back().Width(), Back().Height()});
    }
    ASSERT_NE(expected, BackPixels()) << "the texts leave ink";

    display->ClearBackBuffer(0xFFFF);
    table.Draw(*display);
    EXPECT_TRUE(BackEquals(expected));

    display->ClearBackBuffer(0xFFFF);
    table.SetVisible(0);
    table.Draw(*display);
    EXPECT_TRUE(BackEquals(std::vector<std::uint16_t>(expected.size(), 0xFFFF)));
}

} // namespace
