#include <gtest/gtest.h>

#include "puzzle/Piece.h"

using namespace puzzle;

namespace {

Piece Make(int number, int col, int row) {
    Piece piece;
    piece.SetType(number);
    piece.col = col;
    piece.row = row;
    return piece;
}

TEST(PieceTest, SetTypeGivesEachNumberItsShapeAndSize) {
    struct Case {
        int number;
        Shape shape;
        int width;
        int height;
    };
    const Case cases[] = {{1, Shape::Small, 98, 94},   {2, Shape::Big, 196, 188},
                          {3, Shape::Across, 196, 94}, {4, Shape::Erect, 98, 188},
                          {17, Shape::Erect, 98, 188}, {18, Shape::Across, 196, 94},
                          {19, Shape::Small, 98, 94},  {31, Shape::Small, 98, 94}};
    for (const Case& c : cases) {
        const Piece piece = Make(c.number, 0, 0);
        EXPECT_EQ(piece.shape, c.shape) << "piece " << c.number;
        EXPECT_EQ(piece.width, c.width) << "piece " << c.number;
        EXPECT_EQ(piece.height, c.height) << "piece " << c.number;
    }
    // Every lying and upright number of the table.
    for (const int number : {3, 5, 9, 10, 12, 14, 18}) {
        EXPECT_EQ(Piece::ShapeOf(number), Shape::Across) << number;
    }
    for (const int number : {4, 6, 7, 8, 11, 13, 15, 16, 17}) {
        EXPECT_EQ(Piece::ShapeOf(number), Shape::Erect) << number;
    }
}

TEST(PieceTest, SetTypeWithZeroOrLessChangesNothingAndNeverTouchesPosition) {
    Piece piece = Make(4, 3, 2);
    const Piece before = piece;
    piece.SetType(0);
    piece.SetType(-5);
    EXPECT_EQ(piece.shape, before.shape);
    EXPECT_EQ(piece.width, before.width);
    EXPECT_EQ(piece.height, before.height);
    piece.SetType(2);
    EXPECT_EQ(piece.col, 3);
    EXPECT_EQ(piece.row, 2);
}

TEST(PieceTest, OverlapIsStrictAndSymmetric) {
    struct Case {
        Piece a;
        Piece b;
        bool overlap;
        const char* what;
    };
    const Case cases[] = {
        {Make(1, 0, 0), Make(19, 1, 0), false, "soldiers sharing an edge"},
        {Make(1, 0, 0), Make(19, 0, 1), false, "soldiers one above the other"},
        {Make(2, 0, 0), Make(1, 1, 1), true, "soldier under the big piece's corner"},
        {Make(3, 0, 0), Make(4, 1, 0), true, "upright piece under the lying one's right half"},
        {Make(4, 0, 0), Make(1, 0, 2), false, "soldier just below an upright piece"},
        {Make(2, 1, 3), Make(1, 1, 3), true, "same anchor"},
        {Make(2, 0, 0), Make(2, 2, 2), false, "diagonal neighbours touching at a corner"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.Overlaps(c.b), c.overlap) << c.what;
        EXPECT_EQ(c.b.Overlaps(c.a), c.overlap) << c.what << " (reversed)";
    }
}

TEST(PieceTest, BigPieceOnTheGoalCoversTheExitExactly) {
    const Piece big = Make(2, 1, 3);
    EXPECT_EQ(big.col * 98, 98);
    EXPECT_EQ(big.col * 98 + big.width, 294);
    EXPECT_EQ(big.row * 94, 282);
    EXPECT_EQ(big.row * 94 + big.height, 470);
}

TEST(PieceTest, ImagesFollowTheNumberAndShape) {
    EXPECT_STREQ(Piece::PortraitImage(2), "caocao.bmp");
    EXPECT_STREQ(Piece::PortraitImage(18), "huangzhong.bmp");
    EXPECT_STREQ(Piece::PortraitImage(25), "bing.bmp");
    EXPECT_STREQ(Piece::FrameImage(Shape::Across), "acrosskuang.png");
    EXPECT_STREQ(Piece::FrameImage(Shape::Erect), "erectkuang.png");
    EXPECT_STREQ(Piece::FrameImage(Shape::Big), "bigkuang.png");
    EXPECT_STREQ(Piece::FrameImage(Shape::Small), "smallkuang.png");
}

} // namespace
