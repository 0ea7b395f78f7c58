#pragma once

#include <cstdint>

namespace puzzle {

enum class Shape : std::int32_t { Across = 0, Erect = 1, Big = 2, Small = 3 };

// One piece record. The piece number alone fixes shape and portrait; `col` and `row` are the
// anchor, the piece's top-left cell. Sizes are in board pixels.
struct Piece {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t col = 0;
    std::int32_t row = 0;
    Shape shape = Shape::Across;

    // Sets size and shape from the piece number (19 and above are soldiers); numbers of 0 or
    // less leave the record unchanged. The position is not touched.
    void SetType(int number);

    // True when the pixel rectangles overlap; pieces that only share an edge do not.
    bool Overlaps(const Piece& other) const;

    int Columns() const;
    int Rows() const;

    // The shape of a piece number 1..31 (numbers above 18 are soldiers).
    static Shape ShapeOf(int number);
    // Portrait file of a piece number, in the UI image folder.
    static const char* PortraitImage(int number);
    // Selection frame image drawn around a selected piece of a shape.
    static const char* FrameImage(Shape shape);
    static int ColumnsOf(Shape shape);
    static int RowsOf(Shape shape);
};

} // namespace puzzle
